#pragma once

// The three registry calls the About box makes: open a key, query one of its values, close it.
// On Windows they are advapi32's; elsewhere a store read from a registry export file serves
// them. The interface is free of Qt so that the Windows side builds and is tested with the
// Windows toolchain alone. Names and string data are UTF-16, as the wide-character functions of
// the system take and give them, so a path outside the system's ANSI code page comes through.

#include <cstdint>
#include <string>

using RegistryKey = std::uintptr_t; // 0 is no key
using RegistryResult = long;        // 0 on success, otherwise the system's error code

constexpr RegistryKey registryLocalMachine = 0x80000002;

// Value types, numbered as the system numbers them.
namespace RegistryType {
constexpr std::uint32_t string = 1;       // REG_SZ: UTF-16LE, usually with its terminating zero
constexpr std::uint32_t expandString = 2; // REG_EXPAND_SZ: the same, with %variables%
constexpr std::uint32_t binary = 3;       // REG_BINARY
constexpr std::uint32_t dword = 4;        // REG_DWORD: four bytes, little-endian
constexpr std::uint32_t multiString = 7;  // REG_MULTI_SZ: strings, each ended by its zero
} // namespace RegistryType

// Results, numbered as the system numbers them.
namespace RegistryError {
constexpr RegistryResult success = 0;
constexpr RegistryResult fileNotFound = 2; // no such key or value
constexpr RegistryResult invalidHandle = 6;
constexpr RegistryResult moreData = 234; // the value is longer than the buffer
} // namespace RegistryError

class Registry
{
public:
    virtual ~Registry() = default;

    // Opens root\path for reading only; key is set only on success.
    virtual RegistryResult openKey(RegistryKey root, const std::u16string &path,
                                   RegistryKey &key)
        = 0;

    // Copies the value's type and data into type and buffer. size holds the buffer's capacity
    // in bytes on the way in, and the data's length in bytes on the way out. Data longer than
    // the buffer gives moreData and leaves the buffer untouched.
    virtual RegistryResult queryValue(RegistryKey key, const std::u16string &name,
                                      std::uint32_t &type, unsigned char *buffer,
                                      std::uint32_t &size)
        = 0;

    virtual RegistryResult closeKey(RegistryKey key) = 0;
};
