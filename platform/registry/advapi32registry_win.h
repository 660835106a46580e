#pragma once

#include "registry/registry.h"

// The system's handle for a key. The predefined roots come as the 32-bit numbers the About box
// names (registryLocalMachine is 0x80000002); the system's own handles for them are those
// numbers sign-extended, as HKEY_LOCAL_MACHINE is on 64-bit Windows. The system's check for a
// predefined root need not accept the zero-extended number (Wine's does, so only this
// function's own test shows the difference).
RegistryKey systemKeyHandle(RegistryKey key);

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
