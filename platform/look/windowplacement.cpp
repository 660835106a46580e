#include "windowplacement.h"

#include "dialogframe.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

QRect availableArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

void makeFixedDialogWindow(QWidget *window)
{
    giveFixedDialogFrame(window);
    // Qt clears this on tool windows; the program ends only when these are closed too.
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
    const QRect outer = QStyle::alignedRect(
        Qt::LeftToRight, Qt::AlignCenter, window->size().grownBy(frame), area);
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
