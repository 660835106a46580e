#include "runtime/messageboxes.h"

#include <QMessageBox>

#include <utility>

MessageBoxes::MessageBoxes(QString programTitle)
    : m_programTitle(std::move(programTitle))
{
}

void MessageBoxes::show(QWidget *parent, const QString &prompt, MessageStyle style,
                        const std::optional<QString> &title)
{
    present(parent, prompt, style, title.value_or(m_programTitle));
}

void SystemMessageBoxes::present(QWidget *parent, const QString &prompt, MessageStyle style,
                                 const QString &title)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (style) {
    case MessageStyle::OkOnly:
        icon = QMessageBox::NoIcon;
        break;
    case MessageStyle::Critical:
        icon = QMessageBox::Critical;
        break;
    case MessageStyle::Exclamation:
        icon = QMessageBox::Warning;
        break;
    }
    QMessageBox box(icon, title, prompt, QMessageBox::Ok, parent);
    // A prompt may carry what the user typed: it is text, never markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
