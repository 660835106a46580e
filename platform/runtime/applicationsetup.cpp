#include "runtime/applicationsetup.h"

#include "look/designfonts.h"
#include "look/enterpressesbutton.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoopLocker>
#include <QProxyStyle>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <optional>

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

// Ends the program when the last of its windows is hidden, whether or not the window has an
// owner: Qt's own rule counts no owned window, and on Windows the fixed dialogs are owned, to
// keep them out of the taskbar. A window counts unless Qt::WA_QuitOnClose is cleared on it.
// While one counts, this holds the event loop as any QEventLoopLocker does, and Qt ends the
// program when nothing holds it any more: work left to do without a window (the watch of a
// program just started) keeps it running with a QEventLoopLocker of its own.
class LastWindowQuit final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWidgetType() || !static_cast<QWidget *>(watched)->isWindow())
            return false;
        if (event->type() == QEvent::Show && !m_windowLeft
            && static_cast<QWidget *>(watched)->testAttribute(Qt::WA_QuitOnClose))
            m_windowLeft.emplace();
        else if (event->type() == QEvent::Hide)
            // Later, so that a page that opens the next one as it closes is not the last.
            QTimer::singleShot(0, this, &LastWindowQuit::letGoWhenNoWindowIsLeft);
        return false;
    }

private:
    void letGoWhenNoWindowIsLeft()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        const bool windowLeft = std::any_of(windows.begin(), windows.end(),
            [](QWidget *w) { return w->isVisible() && w->testAttribute(Qt::WA_QuitOnClose); });
        if (!windowLeft)
            m_windowLeft.reset();
    }

    std::optional<QEventLoopLocker> m_windowLeft;
};

} // namespace

void setUpApplication(QApplication &app, const QString &programTitle,
                      std::span<const CaptionSample> widestCaptions)
{
    useCaptionSamples(widestCaptions);
    loadDesignFonts();
    QApplication::setApplicationName(programTitle);
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));
    QApplication::setOrganizationName(QStringLiteral(VELMORA_MAKER_TEXT));
    app.setFont(defaultFormFont());
    // The style chosen so far (the platform's, or one given with -style) stays underneath.
    QApplication::setStyle(new PlainDialogButtonsStyle(QApplication::style()->name()));
    letEnterPressFocusedButtons(app);
    // Forms own their lifetime: the program ends when its last window is closed.
    app.setQuitOnLastWindowClosed(false);
    app.installEventFilter(new LastWindowQuit(&app));
}
