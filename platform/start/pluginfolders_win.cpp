#include "pluginfolders.h"

#include "programfolder.h"

#include <QCoreApplication>
#include <QStringList>

void loadPluginsFromProgramFolderOnly()
{
    // A folder the system did not tell leaves nothing to load from: the program then says that
    // no platform plugin could be found, which is better than taking one from elsewhere.
    const ProgramFolder folder = programFolder();
    QCoreApplication::setLibraryPaths(folder.isKnown() ? QStringList { folder.path() }
                                                       : QStringList());
}
