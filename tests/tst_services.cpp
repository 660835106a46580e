// The real services where they can be tried without a person: file lookup and the message
// box's title, as the forms rely on them.

#include "fakeservices.h"
#include "start/filelookup.h"
#include "start/programstarter.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QAbstractButton>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <optional>

class ServicesTest : public QObject
{
    Q_OBJECT

private slots:
    void fileLookupFindsNormalFilesOnly();
    void fileLookupMatchesWildcards();
    void messageBoxWithoutTitleShowsTheProgramsTitle();
    void theRealMessageBoxShowsWhatItIsGiven_data();
    void theRealMessageBoxShowsWhatItIsGiven();
    void startingAMissingProgramSaysWhy();
    void aStarterThatCannotWatchSaysTheProgramRuns();
};

namespace {
void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}
} // namespace

void ServicesTest::fileLookupFindsNormalFilesOnly()
{
    // GIVEN a folder with a file, a sub-folder and a hidden file
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    touch(folder.filePath(QStringLiteral("MSINFO32.EXE")));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Tools")));
    touch(folder.filePath(QStringLiteral(".hidden")));
    SystemFileLookup lookup;

    // THEN only the normal file is found, by its name alone
    QCOMPARE(lookup.firstMatch(folder.filePath(QStringLiteral("MSINFO32.EXE"))),
             QStringLiteral("MSINFO32.EXE"));
    QCOMPARE(lookup.firstMatch(folder.filePath(QStringLiteral("Tools"))), QString());
    QCOMPARE(lookup.firstMatch(folder.filePath(QStringLiteral(".hidden"))), QString());
    QCOMPARE(lookup.firstMatch(folder.filePath(QStringLiteral("missing.exe"))), QString());
    QCOMPARE(lookup.firstMatch(QStringLiteral("/no/such/folder/MSINFO32.EXE")), QString());
    QCOMPARE(lookup.firstMatch(QString()), QString());
}

void ServicesTest::fileLookupMatchesWildcards()
{
    QTemporaryDir folder;
    touch(folder.filePath(QStringLiteral("b.txt")));
    touch(folder.filePath(QStringLiteral("a.txt")));
    SystemFileLookup lookup;

    QCOMPARE(lookup.firstMatch(folder.filePath(QStringLiteral("*.txt"))), QStringLiteral("a.txt"));
    QCOMPARE(lookup.firstMatch(folder.filePath(QStringLiteral("*.exe"))), QString());
}

void ServicesTest::messageBoxWithoutTitleShowsTheProgramsTitle()
{
    FakeMessageBoxes messages(QStringLiteral("Velmora"));

    messages.show(nullptr, QStringLiteral("System Information Is Unavailable At This Time"),
                  MessageStyle::OkOnly);
    messages.show(nullptr, QStringLiteral("you must enter a day."), MessageStyle::Exclamation,
                  QStringLiteral("ERROR 002!   NO DAY SPECIFIED!"));

    QCOMPARE(messages.shown.size(), 2);
    QCOMPARE(messages.shown.at(0).title, QStringLiteral("Velmora"));
    QCOMPARE(messages.shown.at(1).title, QStringLiteral("ERROR 002!   NO DAY SPECIFIED!"));
}

void ServicesTest::theRealMessageBoxShowsWhatItIsGiven_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("title"); // the empty text: no title of its own
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<int>("icon");

    QTest::newRow("style 48, a warning") << 48 << "ERROR 002!   NO DAY SPECIFIED!"
                                         << "you must enter a day."
                                         << "ERROR 002!   NO DAY SPECIFIED!"
                                         << int(QMessageBox::Warning);
    QTest::newRow("style 0, the program's title")
        << 0 << "" << "System Information Is Unavailable At This Time" << "Velmora"
        << int(QMessageBox::NoIcon);
    QTest::newRow("a prompt that looks like markup")
        << 48 << "Velmora" << "<b>Gig</b> <img src=\"file:///etc/hostname\">" << "Velmora"
        << int(QMessageBox::Warning);
}

void ServicesTest::theRealMessageBoxShowsWhatItIsGiven()
{
    QFETCH(int, style);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    QFETCH(QString, shownTitle);
    QFETCH(int, icon);

    // GIVEN the system's message boxes, and a look at the open box once it is up
    SystemMessageBoxes messages(QStringLiteral("Velmora"));
    QWidget window;
    window.show();
    struct Seen
    {
        bool open = false;
        QString title, text;
        int icon = -1;
        Qt::TextFormat format = Qt::AutoText;
        QMessageBox::StandardButtons buttons;
        QWidget *parent = nullptr;
    } seen;
    QTimer look;
    look.setInterval(10);
    connect(&look, &QTimer::timeout, [&seen, &look] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        look.stop();
        seen = { true,         box->windowTitle(),     box->text(), int(box->icon()),
                 box->textFormat(), box->standardButtons(), box->parentWidget() };
        box->button(QMessageBox::Ok)->click();
    });
    look.start();

    // WHEN a box is shown
    const std::optional<QString> ownTitle
        = title.isEmpty() ? std::nullopt : std::optional<QString>(title);
    messages.show(&window, prompt, MessageStyle(style), ownTitle);

    // THEN it was a modal box over the window, with the words and the icon it was given, shown
    // as plain text, and OK closed it
    QVERIFY(seen.open);
    QCOMPARE(seen.title, shownTitle);
    QCOMPARE(seen.text, prompt);
    QCOMPARE(seen.icon, icon);
    QCOMPARE(seen.format, Qt::PlainText);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(seen.parent, &window);
}

void ServicesTest::startingAMissingProgramSaysWhy()
{
    SystemProgramStarter starter;
    QTemporaryDir folder;

    const StartResult missing = starter.start(folder.filePath(QStringLiteral("nothing-here")));
    const StartResult unnamed = starter.start(QString());

    QVERIFY(!missing.started);
    QVERIFY(!missing.failureReason.isEmpty());
    QVERIFY(!unnamed.started);
    QVERIFY(!unnamed.failureReason.isEmpty());
}

void ServicesTest::aStarterThatCannotWatchSaysTheProgramRuns()
{
    // GIVEN a starter that only starts, as the one on Windows
    struct StartOnly final : ProgramStarter
    {
        StartResult start(const QString &) override { return { true, {} }; }
    } starter;
    QList<EarlyEnd::Kind> told;

    // WHEN a program is started watched
    const StartResult result = starter.startWatched(
        QStringLiteral("/opt/x"), std::chrono::seconds(2),
        [&told](const EarlyEnd &end) { told.append(end.kind); });

    // THEN it has started, and the caller is told once, later, from the event loop, that it runs
    QVERIFY(result.started);
    QVERIFY(told.isEmpty());
    QTRY_COMPARE(told, QList<EarlyEnd::Kind> { EarlyEnd::Kind::StillRunning });
    QTest::qWait(50);
    QCOMPARE(told.size(), 1);
}

PROGRAM_TEST_MAIN(ServicesTest, "Velmora", velmoraCaptions)
#include "tst_services.moc"
