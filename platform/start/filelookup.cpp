#include "start/filelookup.h"

#include <QDir>
#include <QFileInfo>

QString SystemFileLookup::firstMatch(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(QDir::fromNativeSeparators(path));
    const QStringList matches = info.dir().entryList({ info.fileName() },
                                                     QDir::Files | QDir::NoDotAndDotDot,
                                                     QDir::Name | QDir::IgnoreCase);
    return matches.isEmpty() ? QString() : matches.first();
}
