#include "start/programfolder.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

ProgramFolder programFolderFromLink(const char *link)
{
    QByteArray target(256, '\0');
    for (;;) {
        const ssize_t length = readlink(link, target.data(), static_cast<size_t>(target.size()));
        if (length < 0)
            return ProgramFolder::unknown(
                QCoreApplication::translate("ProgramFolder",
                    "The system does not tell where the program's "
                    "executable lies (%1: %2).")
                    .arg(QFile::decodeName(link), QString::fromLocal8Bit(std::strerror(errno))));
        if (length < target.size()) {
            target.truncate(length);
            break;
        }
        target.resize(target.size() * 2);
    }
    if (!target.startsWith('/'))
        return ProgramFolder::unknown(QCoreApplication::translate("ProgramFolder",
            "The system does not tell the full path of the program's executable."));

    // The folder is everything before the executable's name; a deleted executable's link ends in
    // " (deleted)", which belongs to the name.
    const QByteArray folder = target.left(std::max<qsizetype>(target.lastIndexOf('/'), 1));
    const QString text = QFile::decodeName(folder);
    if (QFile::encodeName(text) != folder)
        return ProgramFolder::unknown(QCoreApplication::translate("ProgramFolder",
            "The name of the program's folder is not valid text in this system's "
            "character encoding: %1\nGive the folder a name of plain letters, "
            "and try again.")
                                          .arg(text));
    return { text };
}

ProgramFolder programFolder()
{
    return programFolderFromLink("/proc/self/exe");
}
