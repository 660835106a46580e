#include "look/dialogframe.h"

#include <QWidget>
#include <QWindow>

namespace {

// A window that is created and never shown, as the owner of the fixed dialogs. It lives as long
// as the program.
QWindow *hiddenOwner()
{
    static QWindow *const owner = [] {
        auto *window = new QWindow;
        window->create();
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
