#include "windowplacement.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

QRect availableArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

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
        const bool windowLeft = std::any_of(windows.begin(), windows.end(), [](QWidget *w) {
            return w->isVisible() && w->testAttribute(Qt::WA_QuitOnClose);
        });
        if (!windowLeft)
            QCoreApplication::quit();
    }
};

// A window that is created and never shown, as the owner of the fixed dialogs. It lives as long
// as the program.
[[maybe_unused]] QWindow *hiddenOwner()
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

// On Windows, Qt gives a Qt::Tool window a small tool caption (WS_EX_TOOLWINDOW), and no close
// box without the system-menu hint. A Qt::Dialog with MSWindowsFixedSizeDialogHint gets a fixed
// dialog frame (WS_DLGFRAME) with a normal caption; the system-menu hint brings the close box
// (WS_SYSMENU), and the explicit hints leave out the minimise, maximise and help boxes. The
// system gives every window without an owner a taskbar entry, so the dialog is owned by a
// window that is never shown.
[[maybe_unused]] void makeOwnedDialog(QWidget *window)
{
    window->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint
                           | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->winId();
    window->windowHandle()->setTransientParent(hiddenOwner());
}

} // namespace

void makeFixedDialogWindow(QWidget *window)
{
#ifdef _WIN32
    makeOwnedDialog(window);
#else
    // A tool window keeps it out of the taskbar; the hints give a fixed dialog frame with only a
    // close box.
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint);
#endif
    // Tool windows do not keep a program running by default; these count like any window.
    window->setAttribute(Qt::WA_QuitOnClose, true);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setFixedSize(window->size());
}

void centreOnScreen(QWidget *window)
{
    const QRect area = availableArea(window);
    if (area.isEmpty())
        return;
    // The whole window is centred, frame included, where the system tells the frame's size
    // before the window is shown.
    window->winId();
    const QMargins frame
        = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    const QRect outer = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                            window->size().grownBy(frame), area);
    window->setGeometry(outer.marginsRemoved(frame));
}

void placeClientAt(QWidget *window, QPoint clientTopLeft)
{
    QRect wanted(clientTopLeft, window->size());
    const QRect area = availableArea(window);
    if (!area.isEmpty() && !area.contains(wanted)) {
        wanted.moveRight(std::min(wanted.right(), area.right()));
        wanted.moveBottom(std::min(wanted.bottom(), area.bottom()));
        wanted.moveLeft(std::max(wanted.left(), area.left()));
        wanted.moveTop(std::max(wanted.top(), area.top()));
    }
    window->setGeometry(wanted);
}
