#pragma once

// What the tests of Velmora's windows opened from its menu share: a main window, shown, with
// doubles for its services; a way to choose a menu item and find the window it opened; and a
// clean-up that closes every window and waits until each has gone.

#include "fakeservices.h"
#include "velmo.h"

#include <QAction>
#include <QApplication>
#include <QObject>
#include <QPointer>
#include <QTest>

#include <memory>

class VelmoraWindowTest : public QObject
{
    Q_OBJECT

protected slots:
    void init();
    void cleanup();

protected:
    // The windows of that kind that are open now.
    template<typename Window>
    static QList<Window *> openWindows()
    {
        QList<Window *> open;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<Window *>(window); found && found->isVisible())
                open.append(found);
        }
        return open;
    }

    // Chooses the main window's menu item of that name, and gives the window of that kind that
    // it opened, or none.
    template<typename Window>
    Window *chooseFromTheMenu(const char *menuItem)
    {
        const QList<Window *> before = openWindows<Window>();
        m_velmo->findChild<QAction *>(QLatin1String(menuItem))->trigger();
        for (Window *window : openWindows<Window>()) {
            if (!before.contains(window))
                return window;
        }
        return nullptr;
    }

    std::unique_ptr<FakeServices> m_fakes;
    QPointer<Velmo> m_velmo;
};
