#include "look/fonttables.h"

#include <QtEndian>

#include <cmath>

namespace {

// The tables of a TrueType file that the changes below rewrite, each as an offset into the
// file; 0 where the table is missing or too short.
struct FontTables
{
    qsizetype head = 0;
    qsizetype hhea = 0;
    qsizetype os2 = 0;
    qsizetype eblc = 0;
};

constexpr qsizetype headMacStyle = 44;
constexpr qsizetype headUnitsPerEm = 18;
constexpr qsizetype hheaAscender = 4;
constexpr qsizetype hheaDescender = 6;
constexpr qsizetype hheaLineGap = 8;
constexpr qsizetype os2WeightClass = 4;
constexpr qsizetype os2Selection = 62;
constexpr qsizetype os2WinAscent = 74;
constexpr qsizetype os2WinDescent = 76;
constexpr quint16 selectionBold = 1 << 5;
constexpr quint16 selectionUseTypoMetrics = 1 << 7;
constexpr quint16 macStyleBold = 1 << 0;

FontTables findTables(const QByteArray &font)
{
    FontTables tables;
    if (font.size() < 12)
        return tables;
    const qsizetype count = qFromBigEndian<quint16>(font.constData() + 4);
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype record = 12 + 16 * i;
        if (record + 16 > font.size())
            break;
        const QByteArrayView tag(font.constData() + record, 4);
        const qsizetype offset = qFromBigEndian<quint32>(font.constData() + record + 8);
        const qsizetype length = qFromBigEndian<quint32>(font.constData() + record + 12);
        if (offset < 0 || length < 0 || offset + length > font.size())
            continue;
        if (tag == "head" && length >= 54)
            tables.head = offset;
        else if (tag == "hhea" && length >= 36)
            tables.hhea = offset;
        else if (tag == "OS/2" && length >= 78)
            tables.os2 = offset;
        else if (tag == "EBLC" && length >= 8)
            tables.eblc = offset;
    }
    return tables;
}

quint16 readU16(const QByteArray &font, qsizetype at)
{
    return qFromBigEndian<quint16>(font.constData() + at);
}

void writeU16(QByteArray &font, qsizetype at, quint16 value)
{
    qToBigEndian(value, font.data() + at);
}

// Windows spaces the lines of a TrueType face by its Windows ascent and descent (usWinAscent,
// usWinDescent), about 1.2 em for Tahoma. Wine's Tahoma asks for its typographic metrics
// instead (the USE_TYPO_METRICS flag), and its bitmap strikes carry line metrics of their
// own; both add up to one em, so wrapped lines touch. The Windows figures go into every place
// a reader takes them from: the flag is cleared, so that the hhea table counts, and hhea and
// each strike get the Windows ascent and descent. FreeType gives a strike's size the height of
// the outlines (Windows' line height: ascent and descent each rounded to whole pixels), but its
// descent from the strike and its leading from the outlines' descent, rounded up; a strike's
// descent is rounded up too, so that the line's three figures add up to that height.
void spaceLinesAsWindows(QByteArray &font, const FontTables &tables)
{
    if (!tables.head || !tables.hhea || !tables.os2)
        return;
    const qreal unitsPerEm = readU16(font, tables.head + headUnitsPerEm);
    const quint16 winAscent = readU16(font, tables.os2 + os2WinAscent);
    const quint16 winDescent = readU16(font, tables.os2 + os2WinDescent);
    if (unitsPerEm <= 0 || winAscent == 0)
        return;
    writeU16(font, tables.os2 + os2Selection,
             quint16(readU16(font, tables.os2 + os2Selection) & ~selectionUseTypoMetrics));
    writeU16(font, tables.hhea + hheaAscender, winAscent);
    writeU16(font, tables.hhea + hheaDescender, quint16(-qint16(winDescent)));
    writeU16(font, tables.hhea + hheaLineGap, 0);

    if (!tables.eblc)
        return;
    constexpr qsizetype strikeSize = 48;
    constexpr qsizetype lineAscender = 16;
    constexpr qsizetype lineDescender = 17;
    constexpr qsizetype ppemY = 45;
    const qsizetype strikes = qFromBigEndian<quint32>(font.constData() + tables.eblc + 4);
    for (qsizetype i = 0; i < strikes; ++i) {
        const qsizetype strike = tables.eblc + 8 + strikeSize * i;
        if (strike + strikeSize > font.size())
            break;
        const int pixels = static_cast<unsigned char>(font.at(strike + ppemY));
        font[strike + lineAscender] = char(qRound(winAscent * pixels / unitsPerEm));
        font[strike + lineDescender] = char(-std::ceil(winDescent * pixels / unitsPerEm));
    }
}

// Wine's bold Tahoma has the widths of Windows' but strokes barely heavier than the regular
// face's. Qt thickens the strokes of a face that is lighter than the bold weight asked of it,
// so the face is declared semi-bold: asked for bold, it is drawn thickened, with its own widths.
void thickenStrokes(QByteArray &font, const FontTables &tables)
{
    if (!tables.head || !tables.os2)
        return;
    constexpr quint16 semiBold = 600;
    writeU16(font, tables.os2 + os2WeightClass, semiBold);
    writeU16(font, tables.os2 + os2Selection,
             quint16(readU16(font, tables.os2 + os2Selection) & ~selectionBold));
    writeU16(font, tables.head + headMacStyle,
             quint16(readU16(font, tables.head + headMacStyle) & ~macStyleBold));
}

} // namespace

QByteArray withWindowsLineSpacing(QByteArray font)
{
    spaceLinesAsWindows(font, findTables(font));
    return font;
}

QByteArray declaredSemiBold(QByteArray font)
{
    thickenStrokes(font, findTables(font));
    return font;
}
