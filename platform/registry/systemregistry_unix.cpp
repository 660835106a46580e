#include "systemregistry.h"

#include "exportfileregistry_unix.h"

std::unique_ptr<Registry> systemRegistry(const QString &configurationName)
{
    return std::make_unique<ExportFileRegistry>(configurationName);
}
