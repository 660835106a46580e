#pragma once

#include "registry/registry.h"

#include <QString>

#include <memory>

// The registry of the system the program runs on: Windows' own, or elsewhere the export file
// named after the program (configurationName) in the configuration folders. Each platform has
// its file (systemregistry_win.cpp, systemregistry_unix.cpp).
std::unique_ptr<Registry> systemRegistry(const QString &configurationName);
