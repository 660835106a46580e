#include "start/programfolder.h"

#include <QCoreApplication>
#include <QDir>

#include <windows.h>

#include <string>

namespace {

// An executable at a drive's root, "E:/Sweepwright.exe", lies in "E:/". Its slash stays: "E:"
// alone names the folder that is current on drive E:, wherever the user last went there.
QString folderOfExecutable(const QString &file)
{
    const qsizetype slash = file.lastIndexOf(u'/');
    const bool driveRoot = slash == 2 && file.at(1) == u':';
    return file.left(driveRoot ? slash + 1 : slash);
}

} // namespace

ProgramFolder programFolder()
{
    // The system truncates a path longer than the buffer, so the buffer grows until it fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length
            = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return ProgramFolder::unknown(QCoreApplication::translate(
                "ProgramFolder", "The system did not tell where the program's executable lies."));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768)
            return ProgramFolder::unknown(QCoreApplication::translate(
                "ProgramFolder", "The path of the program's executable is too long."));
        path.resize(path.size() * 2);
    }
    return { folderOfExecutable(QDir::fromNativeSeparators(QString::fromStdWString(path))) };
}
