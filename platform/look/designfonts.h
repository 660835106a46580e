#pragma once

#include <QFont>
#include <QString>

// The forms are laid out for "MS Sans Serif" and "Tahoma". Where the system lacks them, metric
// compatible stand-ins are loaded from the program's own fonts folder or from Wine's fonts.
void loadDesignFonts();

// A font of the design: family, size in points (fractional sizes such as 8.25 are kept). Where
// the design's face cannot draw that size crisply on this screen, or is missing, the scalable
// face that measures nearest to it takes its place, brought to the design face's width.
QFont designFont(const QString &family, qreal pointSize, bool bold = false);

// The form runtime's default font: MS Sans Serif 8.25 pt regular.
QFont defaultFormFont();

// Where a bold face is a lighter one thickened as it is drawn: how many device pixels its
// strokes fall short of a bold's at a screen scale above 1. 0 where the face is bold itself.
qreal boldStrokeShortfall(const QFont &font, qreal devicePixelRatio);
