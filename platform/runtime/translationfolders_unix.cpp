#include "runtime/languages.h"

#include "start/programfolder.h"

#include <QDir>

QStringList translationFolders()
{
    QStringList folders;
    if (const ProgramFolder program = programFolder(); program.isKnown())
        folders.append(QDir(program.path()).filePath(QStringLiteral("translations")));
    // Where the installation puts them, as CMake's install prefix has it.
    folders.append(QStringLiteral(VELMORA_TRANSLATIONS_FOLDER));
    return folders;
}
