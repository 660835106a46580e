#pragma once

#include "registry.h"

// The system's registry through advapi32's wide-character functions, always read-only.
class Advapi32Registry final : public Registry
{
public:
    RegistryResult openKey(RegistryKey root, const std::u16string &path,
                           RegistryKey &key) override;
    RegistryResult queryValue(RegistryKey key, const std::u16string &name, std::uint32_t &type,
                              unsigned char *buffer, std::uint32_t &size) override;
    RegistryResult closeKey(RegistryKey key) override;
};
