#include "enterpressesbutton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

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
                return keyReachesWindow(static_cast<QKeyEvent *>(event));
            return enterReachesWidget(watched, static_cast<QKeyEvent *>(event));
        case QEvent::KeyRelease:
            if (watched->isWindowType() && !static_cast<QKeyEvent *>(event)->isAutoRepeat())
                m_down.erase(static_cast<QKeyEvent *>(event)->key());
            return enterReleased(static_cast<QKeyEvent *>(event));
        default:
            return false;
        }
    }

private:
    // Every key reaches its window before the focused widget, once, as the keyboard sent it.
    // A key that is down already is held: some systems send its repeats without saying so.
    // (A key released over another program's window stays down here until its next press and
    // release: that press is lost, once.)
    bool keyReachesWindow(const QKeyEvent *key)
    {
        if (!pressesButtons(key->key()))
            return false;
        const bool held = key->isAutoRepeat() || m_down.contains(key->key());
        m_down.insert(key->key());
        return held && qobject_cast<QAbstractButton *>(QApplication::focusWidget()) != nullptr;
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

    std::set<int> m_down;
    QPointer<QPushButton> m_pressedByEnter;
};

} // namespace

void letEnterPressFocusedButtons(QApplication &app)
{
    app.installEventFilter(new ButtonKeys(&app));
}
