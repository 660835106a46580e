#pragma once

#include <QLabel>

// A label for a bold title. Where the bold face is a lighter one that Qt thickens, a screen
// scaled above 100 % leaves the strokes too light (see boldStrokeShortfall()); the label then
// draws its text a second time, moved by the pixels the strokes lack, as Windows draws a bold
// that no face provides. At 100 % it is an ordinary label.
class BoldTitleLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};
