#include "applicationsetup.h"

#include "designfonts.h"
#include "enterpressesbutton.h"

#include <QApplication>
#include <QProxyStyle>

namespace {

// The buttons of message boxes and dialogs carry their caption only, as on Windows; Linux
// themes would put an icon beside "OK".
class PlainDialogButtonsStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

void setUpIdentityAndHabits(QApplication &app, const QString &programTitle)
{
    QApplication::setApplicationName(programTitle);
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));
    QApplication::setOrganizationName(QStringLiteral("Dovrik's Software"));
    app.setFont(defaultFormFont());
    // The style chosen so far (the platform's, or one given with -style) stays underneath.
    QApplication::setStyle(new PlainDialogButtonsStyle(QApplication::style()->name()));
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
