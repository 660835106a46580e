#include "dialogframe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// Ends the program when the last of its windows is hidden. Qt counts no window that has an
// owner, so where the fixed dialogs are owned, the program keeps this count itself.
class LastWindowQuit final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow())
            QTimer::singleShot(0, this, &LastWindowQuit::quitWhenNoWindowIsLeft);
        return false;
    }

private:
    static void quitWhenNoWindowIsLeft()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        const bool windowLeft = std::any_of(windows.begin(), windows.end(),
            [](QWidget *w) { return w->isVisible() && w->testAttribute(Qt::WA_QuitOnClose); });
        if (!windowLeft)
            QCoreApplication::quit();
    }
};

// A window that is created and never shown, as the owner of the fixed dialogs. It lives as long
// as the program.
QWindow *hiddenOwner()
{
    static QWindow *const owner = [] {
        auto *window = new QWindow;
        window->create();
        auto *quitRule = new LastWindowQuit(qApp);
        qApp->installEventFilter(quitRule);
        qApp->setQuitOnLastWindowClosed(false);
        return window;
    }();
    return owner;
}

} // namespace

// On Windows, Qt gives a Qt::Tool window a small tool caption (WS_EX_TOOLWINDOW), and no close
// box without the system-menu hint. A Qt::Dialog with MSWindowsFixedSizeDialogHint gets a fixed
// dialog frame (WS_DLGFRAME) with a normal caption; the system-menu hint brings the close box
// (WS_SYSMENU), and the explicit hints leave out the minimise, maximise and help boxes. The
// system gives every window without an owner a taskbar entry, so the dialog is owned by a
// window that is never shown.
void giveFixedDialogFrame(QWidget *window)
{
    window->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
        | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->winId();
    window->windowHandle()->setTransientParent(hiddenOwner());
}
