#pragma once

#include <QWidget>
#include <QWindow>

// The programs keep their fixed dialog windows out of the taskbar, each platform its own way, and
// a test of such a window expects the way of the platform it runs on. On Windows the system gives
// a taskbar entry to every window without an owner, and a tool window gets a small tool caption:
// there, a dialog owned by a window that is never shown. Elsewhere a tool window, which window
// managers leave out of the taskbar.
inline bool keptOutOfTaskbar(QWidget *window)
{
#ifdef _WIN32
    const QWindow *owner = window->windowHandle() ? window->windowHandle()->transientParent()
                                                  : nullptr;
    return window->windowType() == Qt::Dialog && owner && !owner->isVisible();
#else
    return window->windowType() == Qt::Tool;
#endif
}
