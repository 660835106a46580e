#include "windowplacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {

QRect availableArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

void centreOnScreen(QWidget *window)
{
    const QRect area = availableArea(window);
    if (area.isEmpty())
        return;
    window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), area));
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
