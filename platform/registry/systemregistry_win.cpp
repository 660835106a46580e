#include "registry/systemregistry.h"

#include "registry/advapi32registry_win.h"

// The system's registry needs no name: the keys are the system's.
std::unique_ptr<Registry> systemRegistry(const QString &)
{
    return std::make_unique<Advapi32Registry>();
}
