#include "programfolder.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <utility>

#ifdef _WIN32
#include <windows.h>

#include <string>
#else
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

ProgramFolder::ProgramFolder(QString path)
    : m_path(std::move(path))
{
}

ProgramFolder::ProgramFolder(QString path, QString reason)
    : m_path(std::move(path))
    , m_reason(std::move(reason))
{
}

ProgramFolder ProgramFolder::unknown(QString reason)
{
    return { QString(), std::move(reason) };
}

#ifdef _WIN32

ProgramFolder programFolder()
{
    // The system truncates a path longer than the buffer, so the buffer grows until it fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length
            = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return ProgramFolder::unknown(
                QStringLiteral("The system did not tell where the program's executable lies."));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768)
            return ProgramFolder::unknown(
                QStringLiteral("The path of the program's executable is too long."));
        path.resize(path.size() * 2);
    }
    const QString file = QDir::fromNativeSeparators(QString::fromStdWString(path));
    return { file.left(file.lastIndexOf(u'/')) };
}

#else

ProgramFolder programFolderFromLink(const char *link)
{
    QByteArray target(256, '\0');
    for (;;) {
        const ssize_t length = readlink(link, target.data(), static_cast<size_t>(target.size()));
        if (length < 0)
            return ProgramFolder::unknown(
                QStringLiteral("The system does not tell where the program's executable lies "
                               "(%1: %2).")
                    .arg(QFile::decodeName(link), QString::fromLocal8Bit(std::strerror(errno))));
        if (length < target.size()) {
            target.truncate(length);
            break;
        }
        target.resize(target.size() * 2);
    }
    if (!target.startsWith('/'))
        return ProgramFolder::unknown(
            QStringLiteral("The system does not tell the full path of the program's executable."));

    // The folder is everything before the executable's name; a deleted executable's link ends in
    // " (deleted)", which belongs to the name.
    const QByteArray folder = target.left(std::max<qsizetype>(target.lastIndexOf('/'), 1));
    const QString text = QFile::decodeName(folder);
    if (QFile::encodeName(text) != folder)
        return ProgramFolder::unknown(
            QStringLiteral("The name of the program's folder is not valid text in this system's "
                           "character encoding: %1\nGive the folder a name of plain letters, "
                           "and try again.")
                .arg(text));
    return { text };
}

ProgramFolder programFolder()
{
    return programFolderFromLink("/proc/self/exe");
}

#endif
