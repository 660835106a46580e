// The real services where they can be tried without a person: file lookup and the message
// box's title, as the forms rely on them.

#include "fakeservices.h"
#include "filelookup.h"
#include "programstarter.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class ServicesTest : public QObject
{
    Q_OBJECT

private slots:
    void fileLookupFindsNormalFilesOnly();
    void fileLookupMatchesWildcards();
    void messageBoxWithoutTitleShowsTheProgramsTitle();
    void startingAMissingProgramSaysWhy();
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

void ServicesTest::startingAMissingProgramSaysWhy()
{
    SystemProgramStarter starter;
    QTemporaryDir folder;

    const StartResult missing = starter.start(folder.filePath(QStringLiteral("nothing-here")), {},
                                              WindowStyle::NormalFocus);
    const StartResult unnamed = starter.start(QString(), {}, WindowStyle::NormalFocus);

    QVERIFY(!missing.started);
    QVERIFY(!missing.failureReason.isEmpty());
    QVERIFY(!unnamed.started);
    QVERIFY(!unnamed.failureReason.isEmpty());
}

PROGRAM_TEST_MAIN(ServicesTest, "Velmora")
#include "tst_services.moc"
