#include "look/enterpressesbutton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QWindow>

#include <set>
#include <utility>

namespace {

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool pressesButtons(int key)
{
    return isEnter(key) || key == Qt::Key_Space;
}

void sendSpace(QPushButton *button, QEvent::Type type)
{
    QKeyEvent space(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(button, &space);
}

class ButtonKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (watched->isWindowType())
                return keyReachesWindow(static_cast<QWindow *>(watched),
                                        static_cast<QKeyEvent *>(event));
            return enterReachesWidget(watched, static_cast<QKeyEvent *>(event));
        case QEvent::KeyRelease:
            if (watched->isWindowType())
                keyLeavesWindow(static_cast<QKeyEvent *>(event));
            return enterReleased(static_cast<QKeyEvent *>(event));
        default:
            return false;
        }
    }

private:
    // Every key reaches its window before the focused widget, once, as the keyboard sent it.
    // Some systems send a held key's repeats without saying so: as presses of a key that is down
    // already, or as a release and a press at the same moment (X11's own repeat). (A key
    // released over another program's window stays down here until its next press and release:
    // that press is lost, once.)
    bool keyReachesWindow(const QWindow *window, const QKeyEvent *key)
    {
        if (!pressesButtons(key->key()))
            return false;
        const bool held = key->isAutoRepeat() || m_down.contains(key->key())
            || (key->timestamp() != 0 && m_lastRelease.key == key->key()
                && m_lastRelease.timestamp == key->timestamp());
        m_down.insert(key->key());
        // The window's own focus: a window the system has not made active yet still takes keys.
        return held && qobject_cast<QAbstractButton *>(window->focusObject()) != nullptr;
    }

    void keyLeavesWindow(const QKeyEvent *key)
    {
        if (!pressesButtons(key->key()) || key->isAutoRepeat())
            return;
        m_down.erase(key->key());
        m_lastRelease = { key->key(), key->timestamp() };
    }

    // Through the button's own Space keys rather than click(): whatever keeps a button from
    // taking Space, such as a wizard page that takes no press right after it opens, then keeps
    // it from taking Enter too.
    bool enterReachesWidget(QObject *watched, const QKeyEvent *key)
    {
        // Alt+Enter and the like belong to whoever asks for them.
        if (!isEnter(key->key()) || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        // Keys go to the focused widget, so a button that receives one has the focus.
        if (!button || !button->isEnabled())
            return false;
        // A dialog's buttons take Enter by themselves, through its default button.
        if (button->autoDefault() || button->isDefault())
            return false;
        if (!key->isAutoRepeat() && !m_pressedByEnter) {
            sendSpace(button, QEvent::KeyPress);
            if (button->isDown())
                m_pressedByEnter = button;
        }
        return true;
    }

    bool enterReleased(const QKeyEvent *key)
    {
        if (!isEnter(key->key()) || key->isAutoRepeat() || !m_pressedByEnter)
            return false;
        const QPointer<QPushButton> button = std::exchange(m_pressedByEnter, nullptr);
        sendSpace(button, QEvent::KeyRelease);
        return true;
    }

    struct Release
    {
        int key = 0;
        quint64 timestamp = 0;
    };

    std::set<int> m_down;
    Release m_lastRelease;
    QPointer<QPushButton> m_pressedByEnter;
};

} // namespace

void letEnterPressFocusedButtons(QApplication &app)
{
    app.installEventFilter(new ButtonKeys(&app));
}
