#pragma once

#include <QByteArray>

// Changes to the tables of a TrueType file that make a stand-in draw as the face it stands in
// for. Bytes in, bytes out, and nothing else: a file that lacks a table the change needs comes
// back as it was.

// Lines spaced by the face's Windows metrics (usWinAscent and usWinDescent), as Windows spaces
// them, in every place a reader takes line metrics from.
QByteArray withWindowsLineSpacing(QByteArray font);

// The face declared semi-bold, so that Qt, asked for bold, draws it with thickened strokes at its
// own widths.
QByteArray declaredSemiBold(QByteArray font);
