#include "enterpressesbutton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

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
            button->click();
        return true;
    }
};

} // namespace

void letEnterPressFocusedButtons(QApplication &app)
{
    app.installEventFilter(new EnterPressesFocusedButton(&app));
}
