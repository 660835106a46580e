#include "runtime/application.h"

Application::Application(int &argc, char **argv)
    : PluginFolders()
    , QApplication(argc, argv)
{
    applicationMade();
}
