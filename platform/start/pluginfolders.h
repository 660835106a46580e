#pragma once

// Where Qt may load its plugins from (the platform plugin, the styles): on Windows the program's
// own folder alone. Called before the application object is made, which loads the first plugin.
// Qt's own default there names a drive root "E:", which is the folder current on drive E:: a
// program at a drive's root would load a platform plugin from wherever the user stood. Each
// platform has its file (pluginfolders_win.cpp, pluginfolders_unix.cpp).
void loadPluginsFromProgramFolderOnly();
