#include "registry/exportfileregistry_unix.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Only a plain file of a sane size is read, and nothing on the way may block. The kind is judged
// on the descriptor opened, without blocking, so that nothing put in the file's place after a
// look at its name (a pipe that would wait for a writer, a device that never ends) is read.
// Anything else reads as no registry at all.
QByteArray contentsOf(const QByteArray &path)
{
    constexpr auto limit = static_cast<qsizetype>(RegistryStore::maximumExportSize);
    if (path.isEmpty())
        return {};
    const int descriptor = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return {};
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return {};
    }
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > limit)
        return {};
    // The file may grow while it is read: whatever it holds beyond the limit makes it too large.
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > limit)
        return {};
    return bytes;
}

// Whether the name is there, whatever it is, a link that leads nowhere included: the user who
// put something in the file's place means it to take the place of the system's file. Only the
// system's word that there is no such name passes it over.
bool exists(const QByteArray &path)
{
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

bool isAbsolute(const QByteArray &path)
{
    return path.startsWith('/');
}

} // namespace

ExportFileRegistry::ExportFileRegistry(const QString &configurationName)
    : m_relativePath(QFile::encodeName(configurationName) + "/registry.reg")
{
}

QList<QByteArray> ExportFileRegistry::configurationFolders(const QByteArray &configHome,
                                                           const QByteArray &configDirs,
                                                           const QByteArray &home)
{
    // As the XDG base directory rules have it, a folder given by a relative path is no folder
    // at all: it would make the working folder, wherever the program was started from, part of
    // the registry, and with it the program that "System Info..." starts.
    QList<QByteArray> folders;
    if (isAbsolute(configHome))
        folders.append(configHome);
    else if (isAbsolute(home))
        folders.append(home + "/.config");

    const qsizetype userFolders = folders.size();
    for (const QByteArray &folder : configDirs.split(':')) {
        if (isAbsolute(folder))
            folders.append(folder);
    }
    if (folders.size() == userFolders)
        folders.append("/etc/xdg");
    return folders;
}

QByteArray ExportFileRegistry::location() const
{
    const QList<QByteArray> folders = configurationFolders(
        qgetenv("XDG_CONFIG_HOME"), qgetenv("XDG_CONFIG_DIRS"), qgetenv("HOME"));
    for (const QByteArray &folder : folders) {
        const QByteArray path = folder + '/' + m_relativePath;
        if (exists(path))
            return path;
    }
    return {};
}

void ExportFileRegistry::releaseWhenUnused()
{
    if (!m_store || m_store->hasOpenKeys())
        return;
    m_store.reset();
    // The file's text and a value read from it may take megabytes each. The C library keeps
    // what is freed of such blocks for the next allocation, up to twice the largest it has seen,
    // so the process would stay that much larger after every press; it is given back now.
    malloc_trim(0);
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
