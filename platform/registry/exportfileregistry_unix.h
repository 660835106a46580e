#pragma once

#include "registry/registrystore.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The registry where the system has none: the file <configuration name>/registry.reg in the
// user's configuration folder ($XDG_CONFIG_HOME, ~/.config), or else in the system's
// ($XDG_CONFIG_DIRS, /etc/xdg). The first that exists is the registry, whatever it is: one the
// program cannot read as a registry (a folder, a pipe, a device, a link to nothing, a file it may
// not read) holds no keys, and does not hand the look-up on to the next folder's. Without any
// file there are no keys at all.
//
// The file is read when a key is opened while none is open, and let go when the last open key
// is closed: a change to it counts from the next look-up on, as a change to the system's
// registry would, and between look-ups nothing of it is kept.
class ExportFileRegistry final : public Registry
{
public:
    explicit ExportFileRegistry(const QString &configurationName);

    RegistryResult openKey(RegistryKey root, const std::u16string &path,
                           RegistryKey &key) override;
    RegistryResult queryValue(RegistryKey key, const std::u16string &name, std::uint32_t &type,
                              unsigned char *buffer, std::uint32_t &size) override;
    RegistryResult closeKey(RegistryKey key) override;

    // The configuration folders looked in, the user's first, then the system's, as the XDG
    // base directory rules have them for these values of XDG_CONFIG_HOME, XDG_CONFIG_DIRS and
    // HOME; an unset variable is the empty text. Paths are the system's bytes.
    static QList<QByteArray> configurationFolders(const QByteArray &configHome,
                                                  const QByteArray &configDirs,
                                                  const QByteArray &home);

private:
    // The path of the first file that exists, or the empty path.
    QByteArray location() const;
    void releaseWhenUnused();

    QByteArray m_relativePath;
    std::optional<RegistryStore> m_store; // only while a key is open
};
