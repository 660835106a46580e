// A platform theme keyed "windows", the theme Qt looks for while the application object is made.

#include "markerplugin.h"

class ThemeMarker : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QPA.QPlatformThemeFactoryInterface.5.1" FILE "theme.json")
};

#include "themeplugin.moc"
