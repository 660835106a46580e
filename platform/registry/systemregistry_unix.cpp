#include "registry/systemregistry.h"

#include "registry/exportfileregistry_unix.h"

std::unique_ptr<Registry> systemRegistry(const QString &configurationName)
{
    return std::make_unique<ExportFileRegistry>(configurationName);
}
