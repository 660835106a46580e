#pragma once

#include <QFont>
#include <QString>

#include <span>

// The forms are laid out for "MS Sans Serif" and "Tahoma". Where the system lacks them, metric
// compatible stand-ins are loaded from the program's own fonts folder or, on Linux, from Wine's.
void loadDesignFonts();

// A caption of a program's forms, and its width in pixels at 8.25 points (11 pixels to the em)
// in each face of the design, as Wine's stand-ins draw it.
struct CaptionSample
{
    const char16_t *text;
    qreal msSansSerif;
    qreal tahoma;
    qreal tahomaBold;
};

// The program's captions that run widest in faces other than the design's, mostly lower-case
// letters. A face standing in for the design's is chosen and brought to the design's width by
// them, so that each caption still fits the control the design made for it. Given once, before
// the first font is chosen; the samples must last as long as the program.
void useCaptionSamples(std::span<const CaptionSample> samples);

// A font of the design: family, size in points (fractional sizes such as 8.25 are kept). Where
// the design's face cannot draw that size crisply on this screen, or is missing, the scalable
// face that measures nearest to it takes its place, brought to the design face's width.
QFont designFont(const QString &family, qreal pointSize, bool bold = false);

// The same font, chosen only when it is asked for, by the samples given before it was made.
// Choosing a stand-in opens and measures several faces: a control that shows nothing at first
// can leave that until it has something to show, rather than hold up its window's first showing.
class LateDesignFont
{
public:
    LateDesignFont(QString family, qreal pointSize, bool bold = false);
    QFont font() const;

private:
    QString m_family;
    qreal m_pointSize;
    bool m_bold;
    std::span<const CaptionSample> m_samples;
};

// The form runtime's default font: MS Sans Serif 8.25 pt regular.
QFont defaultFormFont();

// Where a bold face is a lighter one thickened as it is drawn: how many device pixels its
// strokes fall short of a bold's at a screen scale above 1. 0 where the face is bold itself.
qreal boldStrokeShortfall(const QFont &font, qreal devicePixelRatio);
