#include "runtime/languages.h"

#include "start/programfolder.h"

#include <QDir>

// Beside the executable only: an installation's folders are the program's own.
QStringList translationFolders()
{
    const ProgramFolder program = programFolder();
    if (!program.isKnown())
        return {};
    return { QDir(program.path()).filePath(QStringLiteral("translations")) };
}
