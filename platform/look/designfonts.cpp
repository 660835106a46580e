#include "look/designfonts.h"

#include "look/fontfolders.h"
#include "look/fonttables.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
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

// Of its strikes, Wine's "MS Sans Serif" stand-in and Windows' own raster face alike, only the
// 8-point one has the widths the forms were laid out for: 11 pixels to the em. At any other
// pixel size the face would be stretched or drawn from a strike of other widths.
constexpr qreal bitmapStrikeEmPixels = 11.0;

constexpr qreal samplePointSize = 8.25;

// The program's own, given at start-up.
std::span<const CaptionSample> captionSamples;

// Faces worth measuring when the design's face cannot draw a size: its own successor first, then
// the common sans-serif faces of a Linux desktop, each also in its condensed cut.
const char *const substituteFamilies[] = {
    "Tahoma", "Liberation Sans", "Arimo", "Arial", "Noto Sans", "DejaVu Sans", "FreeSans",
};

QByteArray mended(QByteArray font, Mending mending)
{
    if (mending != Mending::None)
        font = withWindowsLineSpacing(std::move(font));
    if (mending == Mending::LineMetricsAndStrokes)
        font = declaredSemiBold(std::move(font));
    return font;
}

// The font database's id for the file, once it is loaded; -1 when it is not.
int addFont(const QString &path, Mending mending)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return QFontDatabase::addApplicationFontFromData(mended(file.readAll(), mending));
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

// The stand-ins this program loaded, by the ids the font database gave them. A font removed from
// the database since no longer counts, so that the database alone says what is there.
struct LoadedStandIn
{
    int id;
    const StandIn *standIn;
};
std::vector<LoadedStandIn> loadedStandIns;

// Whether "MS Sans Serif" is Wine's stand-in: a file of strikes alone, with no outlines. Qt's own
// FreeType database, which the offscreen platform uses on Windows, calls every file scalable.
bool sansSerifIsStandIn()
{
    return std::any_of(loadedStandIns.begin(), loadedStandIns.end(), [](const LoadedStandIn &loaded) {
        return QLatin1String(loaded.standIn->family) == msSansSerif
            && !QFontDatabase::applicationFontFamilies(loaded.id).isEmpty();
    });
}

// Whether the face of the design can draw this size crisply: from outlines at any size, or from a
// strike made for exactly the pixels the screen needs.
bool designFaceDraws(const QString &family, qreal pointSize)
{
    if (!isInstalled(family))
        return false;
    if (family.compare(msSansSerif, Qt::CaseInsensitive) == 0
        && (sansSerifIsStandIn() || !QFontDatabase::isSmoothlyScalable(family)))
        return std::abs(neededEmPixels(pointSize) - bitmapStrikeEmPixels) < 0.01;
    return true;
}

// Whether Qt draws the bold Tahoma by thickening a lighter face, as it does Wine's file, which
// is declared semi-bold when it is loaded: no Tahoma of the font database is bold itself.
bool tahomaBoldIsThickened()
{
    if (!isInstalled(tahoma))
        return false;
    const QStringList styles = QFontDatabase::styles(tahoma);
    return std::none_of(styles.begin(), styles.end(), [](const QString &style) {
        return QFontDatabase::weight(tahoma, style) >= QFont::Bold;
    });
}

// The sample's width in the design's face, or 0 where the face is none the samples were
// measured in.
qreal designWidth(const CaptionSample &sample, const QString &family, bool bold)
{
    if (family.compare(msSansSerif, Qt::CaseInsensitive) == 0)
        return bold ? 0.0 : sample.msSansSerif;
    if (family.compare(tahoma, Qt::CaseInsensitive) == 0)
        return bold ? sample.tahomaBold : sample.tahoma;
    return 0.0;
}

bool samplesMeasuredIn(std::span<const CaptionSample> samples, const QString &family, bool bold)
{
    return !samples.empty() && designWidth(samples.front(), family, bold) > 0.0;
}

// How much wider than the design a face draws the samples, at the worst of them.
qreal widthRatio(const QFont &font, std::span<const CaptionSample> samples, const QString &family,
                 bool bold)
{
    const QFontMetricsF metrics(font);
    const qreal scale = font.pointSizeF() / samplePointSize;
    qreal worst = 0;
    for (const CaptionSample &sample : samples) {
        const qreal width = metrics.horizontalAdvance(QString::fromUtf16(sample.text));
        worst = std::max(worst, width / (designWidth(sample, family, bold) * scale));
    }
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
QFont substituteFont(std::span<const CaptionSample> samples, const QString &family,
                     qreal pointSize, bool bold)
{
    const std::vector<QFont> candidates = substituteCandidates(pointSize, bold);
    QFont font;
    if (!samplesMeasuredIn(samples, family, bold) || candidates.empty()) {
        font = plainFont(isInstalled(tahoma) ? QString(tahoma) : family, pointSize, bold);
    } else {
        // Each candidate measured once: the samples are every language's, and this runs
        // before the first window shows, for the forms' own font at some scales.
        qreal ratio = 0;
        qreal nearest = std::numeric_limits<qreal>::infinity();
        for (const QFont &candidate : candidates) {
            const qreal candidateRatio = widthRatio(candidate, samples, family, bold);
            if (std::abs(std::log(candidateRatio)) < nearest) {
                nearest = std::abs(std::log(candidateRatio));
                font = candidate;
                ratio = candidateRatio;
            }
        }
        // The spaced width is not quite in proportion to the spacing (under Wine, "septiembre"
        // came out 0.08 pixels wider than in the design's face), so it is measured again, and
        // the letters set a hair closer until no sample is wider.
        qreal spacing = 100.0;
        for (int tries = 0; ratio > 1.0 && tries < 4; ++tries) {
            spacing = spacing / ratio - (tries > 0 ? 0.01 : 0.0);
            font.setLetterSpacing(QFont::PercentageSpacing, spacing);
            ratio = widthRatio(font, samples, family, bold);
        }
    }
    // Smoothed, whatever the system's setting: drawn in black and white, a face without hinting
    // loses any stroke thinner than a pixel that falls between two rows of pixels. Wine's Tahoma
    // lost every hyphen of the countdown's answer that way at 13 pixels to the em, wherever text
    // is not smoothed (under Wine by default, on Windows where the user turned it off). The
    // design's own faces, drawn from their strikes or Microsoft's hinting, need no smoothing.
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

void useCaptionSamples(std::span<const CaptionSample> samples)
{
    captionSamples = samples;
}

void loadDesignFonts()
{
    const QStringList installed = QFontDatabase::families();
    for (const StandIn &standIn : standIns) {
        if (installed.contains(QLatin1String(standIn.family), Qt::CaseInsensitive))
            continue;
        for (const QString &folder : fontFolders()) {
            const int id
                = addFont(QDir(folder).filePath(QLatin1String(standIn.fileName)), standIn.mending);
            if (id >= 0) {
                loadedStandIns.push_back({ id, &standIn });
                break;
            }
        }
    }
}

QFont designFont(const QString &family, qreal pointSize, bool bold)
{
    return LateDesignFont(family, pointSize, bold).font();
}

LateDesignFont::LateDesignFont(QString family, qreal pointSize, bool bold)
    : m_family(std::move(family))
    , m_pointSize(pointSize)
    , m_bold(bold)
    , m_samples(captionSamples)
{
}

QFont LateDesignFont::font() const
{
    if (designFaceDraws(m_family, m_pointSize))
        return plainFont(m_family, m_pointSize, m_bold);
    return substituteFont(m_samples, m_family, m_pointSize, m_bold);
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
    if (devicePixelRatio <= 1.0 || !tahomaBoldIsThickened() || font.weight() < QFont::Bold
        || QFontInfo(font).family().compare(tahoma, Qt::CaseInsensitive) != 0)
        return 0;
    constexpr qreal emboldenedPerEm = 1.0 / 24.0;
    return QFontInfo(font).pixelSize() * emboldenedPerEm * (devicePixelRatio - 1.0);
}
