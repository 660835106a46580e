#pragma once

#include <QString>

#include <optional>

class QWidget;

// The style values of the runtime's message box that the programs use.
enum class MessageStyle {
    OkOnly = 0,
    Critical = 16,    // OK button and stop icon: the runtime's own error report
    Exclamation = 48, // OK button and warning icon
};

// Modal message boxes with an OK button. The caller waits until the box is closed and
// ignores what it returns, so show() returns nothing.
class MessageBoxes
{
public:
    explicit MessageBoxes(QString programTitle);
    virtual ~MessageBoxes() = default;

    // Without a title of its own, the box shows the program's title.
    void show(QWidget *parent, const QString &prompt, MessageStyle style,
              const std::optional<QString> &title = std::nullopt);

    const QString &programTitle() const { return m_programTitle; }

protected:
    virtual void present(QWidget *parent, const QString &prompt, MessageStyle style,
                         const QString &title)
        = 0;

private:
    QString m_programTitle;
};

class SystemMessageBoxes final : public MessageBoxes
{
public:
    using MessageBoxes::MessageBoxes;

protected:
    void present(QWidget *parent, const QString &prompt, MessageStyle style,
                 const QString &title) override;
};
