#pragma once

#include "fakeservices.h"
#include "wizardservices.h"

#include <QApplication>
#include <QList>
#include <QStyleHints>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// The wizard's pages are windows that delete themselves when closed; these helpers see which
// are on the screen and clear away what a test left behind.

template<typename Page>
QList<Page *> visiblePages()
{
    QList<Page *> pages;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *page = qobject_cast<Page *>(window); page && page->isVisible())
            pages.append(page);
    }
    return pages;
}

// The wizard's share of a full set of doubles.
inline WizardServices wizardServices(FakeServices &fakes)
{
    return { fakes.messages, fakes.programs, fakes.guard };
}

inline int visibleWindowCount()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += window->isVisible() ? 1 : 0;
    return count;
}

// Waits as a user does who reads a page before clicking: a page takes no press within the
// system's double-click interval of its opening.
inline void waitUntilPagesTakeClicks()
{
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
}

// Runs the deletions that closing a page asked for, then deletes every window still there.
inline void removeAllWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qDeleteAll(QApplication::topLevelWidgets());
}

// Runs the event loop, does what the user does, and tells whether the program then ends by
// itself, as it does when its last window has closed. The timers belong to this call alone, so
// none of them can fire into a later test's event loop.
inline bool programEndsAfter(const std::function<void()> &userAction)
{
    constexpr int stillRunning = 99;
    QTimer act;
    act.setSingleShot(true);
    QObject::connect(&act, &QTimer::timeout, userAction);
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(stillRunning); });
    act.start(0);
    deadline.start(1000);
    return QApplication::exec() != stillRunning;
}
