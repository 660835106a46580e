#include "look/fontfolders.h"

#include <QCoreApplication>

// Windows has the faces itself. Only the program's own folder is looked in: a path such as
// "/usr/share/wine/fonts" would be a folder of the current drive's root, where anybody may
// create one.
QStringList fontFolders()
{
    return { QCoreApplication::applicationDirPath() + QStringLiteral("/fonts") };
}
