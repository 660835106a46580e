#include "applicationsetup.h"

#include "designfonts.h"
#include "enterpressesbutton.h"

#include <QApplication>

namespace {

void setUpIdentityAndHabits(QApplication &app, const QString &programTitle)
{
    QApplication::setApplicationName(programTitle);
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));
    QApplication::setOrganizationName(QStringLiteral("Dovrik's Software"));
    app.setFont(defaultFormFont());
    letEnterPressFocusedButtons(app);
    // Forms own their lifetime: the program ends when its last window is closed.
    app.setQuitOnLastWindowClosed(true);
}

} // namespace

void setUpApplication(QApplication &app, const QString &programTitle)
{
    loadDesignFonts();
    setUpIdentityAndHabits(app, programTitle);
}

void setUpApplication(QApplication &app, const QString &programTitle,
                      const QStringList &fontFolders)
{
    loadDesignFonts(fontFolders);
    setUpIdentityAndHabits(app, programTitle);
}
