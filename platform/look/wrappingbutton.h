#pragma once

#include <QPushButton>

// A push button whose caption breaks into lines at word boundaries when it is wider than the
// button, as a command button of the original platform does. The caption stays the button's
// text(), so it reads and is found like any other button's.
class WrappingButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

    // Where the caption is laid out: inside the bevel, in the style's margins.
    QRect captionArea() const;

    // The caption is centred both ways, line by line.
    static constexpr int captionFlags = Qt::AlignCenter | Qt::TextWordWrap;

protected:
    void paintEvent(QPaintEvent *event) override;
};
