#include "start/pluginfolders.h"

// Qt's plugins come from the system's Qt, in folders only the administrator may write.
PluginFolders::PluginFolders() = default;

void PluginFolders::applicationMade() { }
