#pragma once

#include <QString>

// Where Qt may load its plugins from (the platform plugin and its theme, the styles, image
// readers): on Windows the program's own folder alone, from before the application object is
// made until the program ends. Qt's own list holds the folders of QT_PLUGIN_PATH and of Qt's
// installation, and making the application object adds the executable's folder, which at a
// drive's root Qt names "E:": the folder current on drive E:, so that a program there would take
// plugins from wherever the user stood, the platform's theme among them while the object is
// still being made. Elsewhere Qt's plugins come from the system's Qt, in folders only the
// administrator may write, and the list stays Qt's. Each platform has its file
// (pluginfolders_win.cpp, pluginfolders_unix.cpp); Application holds one.
class PluginFolders
{
public:
    // Before the application object is made: Qt's list becomes the program's folder, and that
    // folder is the current one on its drive while the object is made.
    PluginFolders();

    // Once the application object is made: the current folder is the one the program was
    // started in again, and Qt's list is the program's folder alone.
    void applicationMade();

private:
    QString m_programFolder; // empty where the system did not tell it
    QString m_startFolder;
};
