#include "designfonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace {

struct StandIn
{
    const char *family;
    const char *fileName;
};

constexpr StandIn standIns[] = {
    { "MS Sans Serif", "ms_sans_serif.ttf" },
    { "Tahoma", "tahoma.ttf" },
    { "Tahoma", "tahomabd.ttf" },
};

// Set when "MS Sans Serif" is Wine's TrueType stand-in. Its 10 and 12 point faces are strikes
// that Qt never picks, so it only ever draws the 8-point face.
bool sansSerifHasOnlySmallFace = false;

QStringList fontFolders()
{
    return {
        QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"),
        QStringLiteral("/usr/share/wine/fonts"),
    };
}

} // namespace

void loadDesignFonts()
{
    const QStringList installed = QFontDatabase::families();
    for (const StandIn &standIn : standIns) {
        if (installed.contains(QLatin1String(standIn.family), Qt::CaseInsensitive))
            continue;
        for (const QString &folder : fontFolders()) {
            const QString path = QDir(folder).filePath(QLatin1String(standIn.fileName));
            if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0) {
                if (standIn.fileName == standIns[0].fileName)
                    sansSerifHasOnlySmallFace = true;
                break;
            }
        }
    }
}

QFont designFont(const QString &family, qreal pointSize, bool bold)
{
    // A size the stand-in cannot draw is drawn in Tahoma, the system's own successor to
    // "MS Sans Serif" for dialog text, at the designed size rather than in a smaller face.
    const bool beyondStandIn = sansSerifHasOnlySmallFace && pointSize >= 9.0
        && family == QLatin1String(standIns[0].family);
    QFont font(beyondStandIn ? QStringLiteral("Tahoma") : family);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont defaultFormFont()
{
    return designFont(QStringLiteral("MS Sans Serif"), 8.25);
}
