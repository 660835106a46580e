#include "runtime/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTranslator>

namespace {

const QString catalogueObject = QStringLiteral("velmora catalogue");

// A catalogue loaded for the application, released with it or when another language is chosen.
bool install(QCoreApplication &app, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    translator->setObjectName(catalogueObject);
    if (!translator->load(name, folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

// The name of a catalogue for that language, if one is there: "de_DE" takes velmora_de_DE.qm,
// and failing that velmora_de.qm.
QString catalogueFor(const QString &language, const QString &folder)
{
    QString name = language;
    name.replace(u'-', u'_');
    while (!name.isEmpty()) {
        if (QFileInfo(QDir(folder).filePath(QStringLiteral("velmora_%1.qm").arg(name))).isFile())
            return name;
        const qsizetype cut = name.lastIndexOf(u'_');
        name.truncate(cut < 0 ? 0 : cut);
    }
    return {};
}

} // namespace

QLocale useLanguage(QCoreApplication &app, const QStringList &languages,
                    const QStringList &folders)
{
    for (QTranslator *earlier : app.findChildren<QTranslator *>(catalogueObject)) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
    for (QString language : languages) {
        // "de_DE.UTF-8" and "de_DE@euro" as the variables write them are the language "de_DE".
        if (const qsizetype end = language.indexOf(QRegularExpression(QStringLiteral("[.@]")));
            end >= 0)
            language.truncate(end);
        // English is the language the texts are written in: no catalogue stands in for it.
        if (language == u"C" || language.startsWith(u"en"))
            break;
        for (const QString &folder : folders) {
            const QString name = catalogueFor(language, folder);
            if (name.isEmpty())
                continue;
            install(app, QStringLiteral("velmora_") + name, folder);
            install(app, QStringLiteral("qtbase_") + name, folder);
            const QLocale chosen(name);
            QLocale::setDefault(chosen);
            return chosen;
        }
    }
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QLocale::setDefault(english);
    return english;
}

QLocale useUserLanguage(QCoreApplication &app)
{
    return useLanguage(app, QLocale::system().uiLanguages(), translationFolders());
}
