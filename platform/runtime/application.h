#pragma once

#include "start/pluginfolders.h"

#include <QApplication>

// The application object of both programs: a QApplication made with Qt's plugins taken from
// the program's own folder alone (see PluginFolders), which is why the folders are settled
// before the QApplication part of it exists.
class Application : private PluginFolders, public QApplication
{
public:
    Application(int &argc, char **argv);
};
