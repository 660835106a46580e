#pragma once

#include "registrystore.h"

#include <QString>
#include <QStringList>

#include <optional>

// The registry where the system has none: the file <program>/registry.reg in the user's
// configuration folder ($XDG_CONFIG_HOME, ~/.config), or else in the system's ($XDG_CONFIG_DIRS,
// /etc/xdg); the first one found is the registry, and without one there are no keys at all.
// The file is read when a key is opened while none is open, and let go when the last open key
// is closed: a change to it counts from the next look-up on, as a change to the system's
// registry would, and between look-ups nothing of it is kept.
class ExportFileRegistry final : public Registry
{
public:
    explicit ExportFileRegistry(const QString &programFolder);

    RegistryResult openKey(RegistryKey root, const std::u16string &path,
                           RegistryKey &key) override;
    RegistryResult queryValue(RegistryKey key, const std::u16string &name, std::uint32_t &type,
                              unsigned char *buffer, std::uint32_t &size) override;
    RegistryResult closeKey(RegistryKey key) override;

    // Where the registry is read from: the first file found, or the empty text.
    QString location() const;

private:
    // The configuration folders looked in, the user's first ($XDG_CONFIG_HOME or ~/.config),
    // then the system's ($XDG_CONFIG_DIRS or /etc/xdg).
    static QStringList configurationFolders();
    void releaseWhenUnused();

    QString m_relativePath;
    std::optional<RegistryStore> m_store; // only while a key is open
};
