#include "look/windowplacement.h"

#include "look/dialogframe.h"

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

// The frame's size where the system tells it before the window is shown; none where it tells
// only once the window manager has framed it.
QMargins frameOf(QWidget *window)
{
    window->winId();
    return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
}

// The frame moved into the area. Where it does not fit, its top-left corner is kept on the
// area's: the title bar, by which the window is dragged, and the menu bar stay on the screen,
// and what is cut off is at the bottom and the right, where a user looks last.
QRect keptInView(QRect outer, const QRect &area)
{
    outer.moveRight(std::min(outer.right(), area.right()));
    outer.moveBottom(std::min(outer.bottom(), area.bottom()));
    outer.moveLeft(std::max(outer.left(), area.left()));
    outer.moveTop(std::max(outer.top(), area.top()));
    return outer;
}

// Puts the client area where wanted, when the whole window is then on the screen; otherwise
// moves the frame into view. The frame is placed by its own corner then, so that a window
// manager that frames the window only once shown keeps its title bar on the screen too.
void placeClient(QWidget *window, const QRect &wanted, const QMargins &frame, const QRect &area)
{
    const QRect outer = wanted.marginsAdded(frame);
    const QRect kept = area.isEmpty() ? outer : keptInView(outer, area);
    if (kept == outer)
        window->setGeometry(wanted);
    else
        window->move(kept.topLeft());
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
    // The whole window is centred, frame included.
    const QMargins frame = frameOf(window);
    const QRect outer = QStyle::alignedRect(
        Qt::LeftToRight, Qt::AlignCenter, window->size().grownBy(frame), area);
    placeClient(window, outer.marginsRemoved(frame), frame, area);
}

void placeClientAt(QWidget *window, QPoint clientTopLeft)
{
    placeClient(window, QRect(clientTopLeft, window->size()), frameOf(window),
                availableArea(window));
}
