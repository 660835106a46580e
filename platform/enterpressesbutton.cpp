#include "enterpressesbutton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

// Through the button's own Space keys rather than click(): whatever keeps a button from taking
// Space, such as a wizard page that takes no press right after it opens, then keeps it from
// taking Enter too.
void pressAsSpaceDoes(QPushButton *button)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(button, &press);
    QCoreApplication::sendEvent(button, &release);
}

class EnterPressesFocusedButton : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        // Alt+Enter and the like belong to whoever asks for them.
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        // Keys go to the focused widget, so a button that receives one has the focus.
        if (!button || !button->isEnabled())
            return false;
        // A dialog's buttons take Enter by themselves, through its default button.
        if (button->autoDefault() || button->isDefault())
            return false;
        // A held key presses once: its repeats would land on whatever button the press brought
        // into focus, such as the confirmation on the wizard's next page.
        if (!key->isAutoRepeat())
            pressAsSpaceDoes(button);
        return true;
    }
};

} // namespace

void letEnterPressFocusedButtons(QApplication &app)
{
    app.installEventFilter(new EnterPressesFocusedButton(&app));
}
