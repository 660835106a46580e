#include "applicationsetup.h"

#include "designfonts.h"

#include <QApplication>

void setUpApplication(QApplication &app, const QString &programTitle)
{
    QApplication::setApplicationName(programTitle);
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    QApplication::setOrganizationName(QStringLiteral("Dovrik's Software"));
    loadDesignFonts();
    app.setFont(defaultFormFont());
    // Forms own their lifetime: the program ends when its last window is closed.
    app.setQuitOnLastWindowClosed(true);
}
