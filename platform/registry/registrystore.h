#pragma once

// The registry an export file holds, served through the same three calls as the system's. It
// keeps the file's text and answers each call by one pass over it, applying what the file sets
// and removes in the file's order. The About box asks for two keys and two values, so a store of
// every key and value of a file that may name hundreds of thousands of them would cost far more,
// in time and memory, than reading the text again; this way both grow with the file alone,
// whatever its shape, and nothing is kept but the text.

#include "registry/registry.h"

#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <map>
#include <string>

class RegistryStore final : public Registry
{
public:
    // Files larger than this are not read at all: the registry of one program is a few lines.
    static constexpr std::size_t maximumExportSize = 4 * 1024 * 1024;

    // An export file ("Windows Registry Editor Version 5.00"), UTF-8 or UTF-16LE with its byte
    // order mark. What cannot be read, a line or the whole file, is left out; it never stops
    // the rest of the file from being read.
    explicit RegistryStore(QByteArrayView exportFile);

    RegistryResult openKey(RegistryKey root, const std::u16string &path,
                           RegistryKey &key) override;
    RegistryResult queryValue(RegistryKey key, const std::u16string &name, std::uint32_t &type,
                              unsigned char *buffer, std::uint32_t &size) override;
    RegistryResult closeKey(RegistryKey key) override;

    bool hasOpenKeys() const { return !m_openKeys.empty(); }

private:
    QString m_text;
    // Each open key's full path, in capitals, "ROOT\PART\PART", without empty parts.
    std::map<RegistryKey, std::u16string> m_openKeys;
    RegistryKey m_nextHandle = 1;
};
