#pragma once

// The registry where the system has none: typed values under keys, served through the same
// three calls as the system's, and filled from a file in the registry's own export format
// (registryexport.cpp). Free of Qt, and reading from bytes alone, so that a fuzzer can drive the
// reader directly.
//
// The work grows with the file, whatever its shape: a key stands for every key above it rather
// than storing each of them, and a removal takes only the keys it removes. A file of a few
// kilobytes could otherwise name a key tens of thousands of parts deep, and keep the window from
// answering while every key above it was stored and searched.

#include "registry.h"

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct RegistryValue
{
    std::uint32_t type = RegistryType::binary;
    std::vector<unsigned char> data;
};

class RegistryStore : public Registry
{
public:
    // The values of one key, by name folded to one case.
    class Values
    {
    public:
        void set(std::u16string_view name, RegistryValue value);
        void remove(std::u16string_view name);
        const RegistryValue *find(std::u16string_view name) const;

    private:
        std::map<std::u16string, RegistryValue> m_byName;
    };

    // Files larger than this are not read at all: the registry of one program is a few lines.
    static constexpr std::size_t maximumExportSize = 4 * 1024 * 1024;

    // Reads an export file ("Windows Registry Editor Version 5.00"), UTF-8 or UTF-16LE with its
    // byte order mark. What cannot be read, a line or the whole file, is left out; it never
    // stops the rest of the file from being read.
    static RegistryStore fromExport(std::string_view bytes);

    // keyPath is a full path from a root's name, as the export file writes it
    // ("HKEY_LOCAL_MACHINE\SOFTWARE\..."). Creates the key, and with it every key above it.
    // Returns its values, which stay where they are until a key is removed; nullptr when the
    // root is unknown.
    Values *addKey(std::u16string_view keyPath);
    bool setValue(std::u16string_view keyPath, std::u16string_view name, RegistryValue value);
    // Removes the key and every key below it; the key above it stays.
    void removeKey(std::u16string_view keyPath);

    RegistryResult openKey(RegistryKey root, const std::u16string &path,
                           RegistryKey &key) override;
    RegistryResult queryValue(RegistryKey key, const std::u16string &name, std::uint32_t &type,
                              unsigned char *buffer, std::uint32_t &size) override;
    RegistryResult closeKey(RegistryKey key) override;

    bool hasOpenKeys() const { return !m_openKeys.empty(); }

private:
    using KeyPath = std::u16string; // folded, "root\part\part", without empty parts

    static bool keyPathFromText(std::u16string_view text, KeyPath &path);
    static KeyPath keyPathUnder(RegistryKey root, std::u16string_view path);
    bool exists(const KeyPath &path) const;
    bool hasKeysBelow(const KeyPath &path) const;

    // The keys named so far; a key that is not here exists when a key below it does.
    std::map<KeyPath, Values> m_keys;
    std::map<RegistryKey, KeyPath> m_openKeys;
    RegistryKey m_nextHandle = 1;
};
