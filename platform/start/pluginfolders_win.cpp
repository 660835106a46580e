#include "start/pluginfolders.h"

#include "start/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace {

// A folder the system did not tell leaves nothing to load from: the program then says that no
// platform plugin could be found, which is better than taking one from elsewhere.
QStringList onlyFolder(const QString &folder)
{
    return folder.isEmpty() ? QStringList() : QStringList { folder };
}

} // namespace

PluginFolders::PluginFolders()
    : m_startFolder(QDir::currentPath())
{
    if (const ProgramFolder folder = programFolder(); folder.isKnown())
        m_programFolder = folder.path();
    QCoreApplication::setLibraryPaths(onlyFolder(m_programFolder));
    // The folder Qt adds names the program's own folder while this one is current: at a drive's
    // root, "E:" is then "E:\". Should the change fail, the list is mended once the object is
    // made, but the platform's theme may have been looked for in the user's folder.
    if (!m_programFolder.isEmpty())
        QDir::setCurrent(m_programFolder);
}

void PluginFolders::applicationMade()
{
    QDir::setCurrent(m_startFolder);
    QCoreApplication::setLibraryPaths(onlyFolder(m_programFolder));
}
