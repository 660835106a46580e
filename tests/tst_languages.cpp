// Both programs in every shipped language: no window shows an English text that a translation
// covers, message boxes included. The catalogues are the build's, read as the programs read
// them; the English texts they translate are read from the catalogues' sources.

#include "fakeservices.h"
#include "frmabout.h"
#include "runtime/languages.h"
#include "phase2.h"
#include "programwindows.h"
#include "testmain.h"
#include "velmo.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QXmlStreamReader>

#include <memory>

namespace {

// Each English text of a catalogue whose translation differs from it.
QHash<QString, QString> translatedTexts(const QString &language)
{
    QFile file(QStringLiteral(SOURCE_FOLDER "/translations/velmora_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no catalogue source %s", qPrintable(file.fileName()));
    QHash<QString, QString> texts;
    QXmlStreamReader xml(&file);
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == u"translation")
            texts.insert(source, xml.readElementText(QXmlStreamReader::IncludeChildElements));
        else if (!xml.isStartElement())
            xml.readNext();
    }
    for (auto text = texts.begin(); text != texts.end();) {
        // A message with plural forms holds them as elements; its English is never shown as is.
        if (text.value().isEmpty() || text.value() == text.key() || text.key().contains(u"%1"))
            text = texts.erase(text);
        else
            ++text;
    }
    return texts;
}

// Every text a window shows: captions, titles, list items, menu items and names for assistive
// clients, each with where it is shown.
QList<std::pair<QString, QString>> shownTexts(QWidget *window)
{
    QList<std::pair<QString, QString>> shown { { window->objectName(), window->windowTitle() } };
    const auto add = [&](const QObject *where, const QString &text) {
        if (!text.isEmpty())
            shown.append({ window->objectName() + u'.' + where->objectName(), text });
    };
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        add(widget, widget->accessibleName());
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(widget, label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(widget, button->text());
        else if (auto *frame = qobject_cast<QGroupBox *>(widget))
            add(widget, frame->title());
        else if (auto *list = qobject_cast<QComboBox *>(widget))
            for (int i = 0; i < list->count(); ++i)
                add(widget, list->itemText(i));
    }
    for (QAction *action : window->findChildren<QAction *>())
        add(action, action->text());
    return shown;
}

} // namespace

class LanguagesTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void noWindowShowsEnglishATranslationCovers_data();
    void noWindowShowsEnglishATranslationCovers();

private:
    void speak(const QString &language);
};

void LanguagesTest::speak(const QString &language)
{
    const QLocale chosen = useLanguage(*qApp, { language }, { QStringLiteral(CATALOGUE_FOLDER) });
    QCOMPARE(chosen.name().left(2), language.left(2));
}

void LanguagesTest::cleanup()
{
    deleteAllWindows();
    useLanguage(*qApp, {}, {});
    QLocale::setDefault(QLocale::c());
}

void LanguagesTest::noWindowShowsEnglishATranslationCovers_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : { "de", "fr", "es" })
        QTest::newRow(language) << QString::fromLatin1(language);
}

void LanguagesTest::noWindowShowsEnglishATranslationCovers()
{
    QFETCH(QString, language);
    speak(language);
    const QHash<QString, QString> translated = translatedTexts(language);
    QVERIFY(!translated.isEmpty());

    FakeServices fakes(QStringLiteral("Velmora"));
    // What the windows say of themselves, and what they say in message boxes: each empty input
    // of the countdown, the tool that cannot be started, the script that cannot be started.
    QList<std::pair<QString, QString>> shown;
    for (const ProgramWindow &form : programWindows()) {
        QWidget *window = showProgramWindow(form.name, fakes.services());
        shown += shownTexts(window);
    }
    auto *velmo = qobject_cast<Velmo *>(showProgramWindow(QStringLiteral("Velmo"), fakes.services()));
    velmo->Calculate_Click();
    fakes.programs.answer = { false, QStringLiteral("no such file") };
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *about = qobject_cast<frmAbout *>(window))
            about->cmdSysInfo_Click();
        else if (auto *confirmation = qobject_cast<Phase2 *>(window))
            confirmation->Command2_Click();
    }
    for (const FakeMessageBoxes::Shown &box : fakes.messages.shown) {
        shown.append({ QStringLiteral("message box"), box.title });
        shown.append({ QStringLiteral("message box"), box.prompt.section(u'\n', 0, 0) });
    }
    QVERIFY(fakes.messages.shown.size() >= 6);

    QStringList english;
    for (const auto &[where, text] : shown) {
        if (translated.contains(text))
            english.append(where + QStringLiteral(": ") + text);
    }
    QVERIFY2(english.isEmpty(), qPrintable(english.join(u'\n')));
}

PROGRAM_TEST_MAIN(LanguagesTest, "Velmora", velmoraCaptions)
#include "tst_languages.moc"
