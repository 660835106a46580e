#include "exportfileregistry_unix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Only a plain file of a sane size is read: a pipe or a device would never end, and a huge file
// would keep the window from answering. Anything else reads as no registry at all.
QByteArray contentsOf(const QString &path)
{
    const QFileInfo info(path);
    const auto limit = static_cast<qint64>(RegistryStore::maximumExportSize);
    if (path.isEmpty() || !info.isFile() || info.size() > limit)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.read(limit + 1);
    return bytes.size() > limit ? QByteArray() : bytes;
}

} // namespace

ExportFileRegistry::ExportFileRegistry(const QString &programFolder)
    : m_relativePath(programFolder + QStringLiteral("/registry.reg"))
{
}

QString ExportFileRegistry::location() const
{
    // The user's configuration folder first, then each of the system's, in their order.
    for (const QString &folder : configurationFolders()) {
        const QString path = folder + u'/' + m_relativePath;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QStringList ExportFileRegistry::configurationFolders()
{
    // As the XDG base directory rules have it, a folder given by a relative path is no folder
    // at all: it would make the working folder, wherever the program was started from, part of
    // the registry, and with it the program that "System Info..." starts.
    QStringList folders;
    const QString home = QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
    if (QDir::isAbsolutePath(home))
        folders.append(home);
    else if (QDir::isAbsolutePath(QDir::homePath()))
        folders.append(QDir::homePath() + QStringLiteral("/.config"));

    QStringList system;
    for (const QString &folder :
         QFile::decodeName(qgetenv("XDG_CONFIG_DIRS")).split(u':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder))
            system.append(folder);
    }
    if (system.isEmpty())
        system.append(QStringLiteral("/etc/xdg"));
    return folders + system;
}

void ExportFileRegistry::releaseWhenUnused()
{
    if (m_store && !m_store->hasOpenKeys())
        m_store.reset();
}

RegistryResult ExportFileRegistry::openKey(RegistryKey root, const std::u16string &path,
                                           RegistryKey &key)
{
    if (!m_store)
        m_store.emplace(contentsOf(location()));
    const RegistryResult result = m_store->openKey(root, path, key);
    releaseWhenUnused();
    return result;
}

RegistryResult ExportFileRegistry::queryValue(RegistryKey key, const std::u16string &name,
                                              std::uint32_t &type, unsigned char *buffer,
                                              std::uint32_t &size)
{
    if (!m_store)
        return RegistryError::invalidHandle;
    return m_store->queryValue(key, name, type, buffer, size);
}

RegistryResult ExportFileRegistry::closeKey(RegistryKey key)
{
    if (!m_store)
        return RegistryError::invalidHandle;
    const RegistryResult result = m_store->closeKey(key);
    releaseWhenUnused();
    return result;
}
