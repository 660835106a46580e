#include "look/fontfolders.h"

#include <QCoreApplication>

// The program's own folder, then Wine's fonts, which Debian installs with the system's files:
// the faces the forms were designed in are Windows', and Wine's are their free stand-ins.
QStringList fontFolders()
{
    return {
        QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"),
        QStringLiteral("/usr/share/wine/fonts"),
    };
}
