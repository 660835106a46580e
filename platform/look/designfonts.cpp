#include "designfonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace {

// What a stand-in's file needs before it draws as the face it stands in for.
enum class Mending {
    None,
    // Lines spaced by the face's Windows metrics.
    LineMetrics,
    // The same, and strokes thickened to a bold's weight.
    LineMetricsAndStrokes,
};

struct StandIn
{
    const char *family;
    const char *fileName;
    Mending mending;
};

// "MS Sans Serif" is drawn from its bitmap strike alone, whose line metrics are Windows' already:
// 13 pixels from line to line at 8 points.
constexpr StandIn standIns[] = {
    { "MS Sans Serif", "ms_sans_serif.ttf", Mending::None },
    { "Tahoma", "tahoma.ttf", Mending::LineMetrics },
    { "Tahoma", "tahomabd.ttf", Mending::LineMetricsAndStrokes },
};

const QLatin1String msSansSerif("MS Sans Serif");
const QLatin1String tahoma("Tahoma");

// Set when the bold Tahoma is Wine's file, declared semi-bold so that Qt thickens it.
bool tahomaBoldIsThickened = false;

// Set when "MS Sans Serif" is Wine's TrueType stand-in: it has no outlines, only strikes, and of
// those Qt draws the first alone, the 8-point face with 11 pixels to the em. At any other pixel
// size Qt stretches that strike, which leaves small letters spread far apart.
bool sansSerifIsBitmapOnly = false;
constexpr qreal bitmapStrikeEmPixels = 11.0;

// Samples of the captions, and their widths in each face of the design at 8.25 points (11 pixels
// to the em), as measured in Wine's stand-ins: the widest sentence the clock writes, and the two
// captions that run widest in other faces, being mostly lower-case letters. A face standing in
// for another is brought to the design's width on all three, so that every caption still fits
// the control the design made for it.
const QString referenceTexts[] = {
    QStringLiteral("The current time is: September, 30 2026 at 12:59 PM"),
    QStringLiteral("I will tell you what you probably already know!"),
    QStringLiteral("^^ Current hour in AM/PM format."),
};
constexpr qreal referencePointSize = 8.25;

struct DesignWidths
{
    QLatin1String family;
    bool bold;
    qreal widths[std::size(referenceTexts)];
};

const DesignWidths designWidths[] = {
    { msSansSerif, false, { 250.0, 214.0, 159.0 } },
    { tahoma, false, { 258.4, 226.9, 169.2 } },
    { tahoma, true, { 291.9, 260.1, 193.4 } },
};

// Faces worth measuring when the design's face cannot draw a size: its own successor first, then
// the common sans-serif faces of a Linux desktop, each also in its condensed cut.
const char *const substituteFamilies[] = {
    "Tahoma", "Liberation Sans", "Arimo", "Arial", "Noto Sans", "DejaVu Sans", "FreeSans",
};

// The tables of a TrueType file that the mending below rewrites, each as an offset into the
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

QByteArray mended(QByteArray font, Mending mending)
{
    const FontTables tables = findTables(font);
    if (mending != Mending::None)
        spaceLinesAsWindows(font, tables);
    if (mending == Mending::LineMetricsAndStrokes)
        thickenStrokes(font, tables);
    return font;
}

bool addFont(const QString &path, Mending mending)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return QFontDatabase::addApplicationFontFromData(mended(file.readAll(), mending)) >= 0;
}

QStringList fontFolders()
{
    return {
        QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"),
        QStringLiteral("/usr/share/wine/fonts"),
    };
}

bool isInstalled(const QString &family)
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// The pixels to the em that text of this size needs on the screen: the point size at the
// screen's logical resolution, times the ratio of device pixels to logical ones.
qreal neededEmPixels(qreal pointSize)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return pointSize * dpi / 72.0 * qGuiApp->devicePixelRatio();
}

// Whether the face of the design can draw this size crisply: from outlines at any size, or from a
// strike made for exactly the pixels the screen needs.
bool designFaceDraws(const QString &family, qreal pointSize)
{
    if (!isInstalled(family))
        return false;
    // Windows' own "MS Sans Serif" is a raster face too; of its strikes only the 8-point one has
    // the widths the forms were laid out for.
    if (family.compare(msSansSerif, Qt::CaseInsensitive) == 0
        && (sansSerifIsBitmapOnly || !QFontDatabase::isSmoothlyScalable(family)))
        return std::abs(neededEmPixels(pointSize) - bitmapStrikeEmPixels) < 0.01;
    return true;
}

const DesignWidths *designWidthsOf(const QString &family, bool bold)
{
    for (const DesignWidths &entry : designWidths) {
        if (family.compare(entry.family, Qt::CaseInsensitive) == 0 && entry.bold == bold)
            return &entry;
    }
    return nullptr;
}

// How much wider than the design a face draws the samples, at the worst of them.
qreal widthRatio(const QFont &font, const DesignWidths &design)
{
    const QFontMetricsF metrics(font);
    const qreal scale = font.pointSizeF() / referencePointSize;
    qreal worst = 0;
    for (std::size_t i = 0; i < std::size(referenceTexts); ++i)
        worst = std::max(worst, metrics.horizontalAdvance(referenceTexts[i]) / (design.widths[i] * scale));
    return worst;
}

QFont plainFont(const QString &family, qreal pointSize, bool bold)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// The candidates a substitute is chosen from: every face listed above that the system has, in
// its normal and its condensed cut, and the system's own sans-serif face.
std::vector<QFont> substituteCandidates(qreal pointSize, bool bold)
{
    QStringList families;
    for (const char *family : substituteFamilies) {
        if (isInstalled(QLatin1String(family)))
            families.append(QLatin1String(family));
    }
    const QString systemSans
        = QFontInfo(plainFont(QStringLiteral("Sans Serif"), pointSize, bold)).family();
    if (!families.contains(systemSans, Qt::CaseInsensitive))
        families.append(systemSans);

    std::vector<QFont> candidates;
    for (const QString &family : families) {
        for (const int stretch : { int(QFont::Unstretched), int(QFont::SemiCondensed) }) {
            QFont font = plainFont(family, pointSize, bold);
            font.setStretch(stretch);
            if (QFontInfo(font).family().compare(family, Qt::CaseInsensitive) == 0)
                candidates.push_back(font);
        }
    }
    return candidates;
}

// A scalable face in place of one that cannot draw the size: the face whose width comes
// nearest the design's, at the design's size, with its letters drawn closer where it is still
// wider, so that a clock sentence keeps its "PM" and no caption loses its end.
QFont substituteFont(const QString &family, qreal pointSize, bool bold)
{
    const DesignWidths *design = designWidthsOf(family, bold);
    const std::vector<QFont> candidates = substituteCandidates(pointSize, bold);
    if (!design || candidates.empty())
        return plainFont(isInstalled(tahoma) ? QString(tahoma) : family, pointSize, bold);

    const auto nearest = std::min_element(
        candidates.begin(), candidates.end(), [&](const QFont &a, const QFont &b) {
            return std::abs(std::log(widthRatio(a, *design)))
                < std::abs(std::log(widthRatio(b, *design)));
        });
    QFont font = *nearest;
    const qreal ratio = widthRatio(font, *design);
    if (ratio > 1.0)
        font.setLetterSpacing(QFont::PercentageSpacing, 100.0 / ratio);
    return font;
}

} // namespace

void loadDesignFonts()
{
    loadDesignFonts(fontFolders());
}

void loadDesignFonts(const QStringList &folders)
{
    const QStringList installed = QFontDatabase::families();
    for (const StandIn &standIn : standIns) {
        if (installed.contains(QLatin1String(standIn.family), Qt::CaseInsensitive))
            continue;
        for (const QString &folder : folders) {
            const QString path = QDir(folder).filePath(QLatin1String(standIn.fileName));
            if (addFont(path, standIn.mending)) {
                if (standIn.fileName == standIns[0].fileName)
                    sansSerifIsBitmapOnly = true;
                if (standIn.mending == Mending::LineMetricsAndStrokes)
                    tahomaBoldIsThickened = true;
                break;
            }
        }
    }
}

QFont designFont(const QString &family, qreal pointSize, bool bold)
{
    if (designFaceDraws(family, pointSize))
        return plainFont(family, pointSize, bold);
    return substituteFont(family, pointSize, bold);
}

QFont defaultFormFont()
{
    return designFont(QStringLiteral("MS Sans Serif"), 8.25);
}

// FreeType thickens a stroke by a 24th of the em it loads the glyph at. Qt loads it at the
// font's own size and scales the outline to the screen afterwards, so at twice the size the
// strokes are thickened by half the pixels they need.
qreal boldStrokeShortfall(const QFont &font, qreal devicePixelRatio)
{
    if (!tahomaBoldIsThickened || devicePixelRatio <= 1.0 || font.weight() < QFont::Bold
        || QFontInfo(font).family().compare(tahoma, Qt::CaseInsensitive) != 0)
        return 0;
    constexpr qreal emboldenedPerEm = 1.0 / 24.0;
    return QFontInfo(font).pixelSize() * emboldenedPerEm * (devicePixelRatio - 1.0);
}
