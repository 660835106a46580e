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
            if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0)
                break;
        }
    }
}

QFont designFont(const QString &family, qreal pointSize, bool bold)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont defaultFormFont()
{
    return designFont(QStringLiteral("MS Sans Serif"), 8.25);
}
