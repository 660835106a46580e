#include "registry/advapi32registry_win.h"

#include <windows.h>

namespace {

// The system's wide characters are UTF-16 units, as char16_t is.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

const wchar_t *wide(const std::u16string &text)
{
    return reinterpret_cast<const wchar_t *>(text.c_str());
}

HKEY handle(RegistryKey key)
{
    return reinterpret_cast<HKEY>(systemKeyHandle(key));
}

} // namespace

RegistryKey systemKeyHandle(RegistryKey key)
{
    if (key >> 31 != 1)
        return key;
    return static_cast<RegistryKey>(static_cast<std::intptr_t>(static_cast<std::int32_t>(key)));
}

RegistryResult Advapi32Registry::openKey(RegistryKey root, const std::u16string &path,
                                         RegistryKey &key)
{
    HKEY opened = nullptr;
    const LSTATUS result = RegOpenKeyExW(handle(root), wide(path), 0, KEY_READ, &opened);
    if (result == ERROR_SUCCESS)
        key = reinterpret_cast<RegistryKey>(opened);
    return result;
}

RegistryResult Advapi32Registry::queryValue(RegistryKey key, const std::u16string &name,
                                            std::uint32_t &type, unsigned char *buffer,
                                            std::uint32_t &size)
{
    // The system leaves the buffer undefined when the value does not fit, so the length is
    // asked for first and a value that does not fit is not read at all.
    DWORD valueType = 0;
    DWORD length = 0;
    LSTATUS result
        = RegQueryValueExW(handle(key), wide(name), nullptr, &valueType, nullptr, &length);
    if (result == ERROR_SUCCESS && length > size)
        result = ERROR_MORE_DATA;
    if (result == ERROR_SUCCESS) {
        length = size;
        result = RegQueryValueExW(handle(key), wide(name), nullptr, &valueType, buffer, &length);
    }
    type = valueType;
    size = length;
    return result;
}

RegistryResult Advapi32Registry::closeKey(RegistryKey key)
{
    return RegCloseKey(handle(key));
}
