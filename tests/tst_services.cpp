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
#ifndef _WIN32
    void aScriptThatCannotStartSaysWhatIsWrong_data();
    void aScriptThatCannotStartSaysWhatIsWrong();
#endif
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

#ifndef _WIN32
void ServicesTest::aScriptThatCannotStartSaysWhatIsWrong_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: a folder of the script's name
    QTest::addColumn<bool>("executable");
    QTest::addColumn<QString>("reason"); // %1 stands for the script's path, %2 for the folder

    QTest::newRow("a folder") << QByteArray() << true << "%1 is a folder, not a script.";
    QTest::newRow("not marked as executable")
        << QByteArray("#!/bin/sh\nexit 0\n") << false
        << "%1 is not marked as executable. Allow it to run (chmod +x) and try again.";
    QTest::newRow("an interpreter that is not installed")
        << QByteArray("#!/bin/no-such-shell\nexit 0\n") << true
        << "%1 names an interpreter that is not installed: /bin/no-such-shell";
    QTest::newRow("an interpreter with arguments that is not installed")
        << QByteArray("#! /usr/bin/no-such-env -S sh\nexit 0\n") << true
        << "%1 names an interpreter that is not installed: /usr/bin/no-such-env";
    QTest::newRow("no #! line")
        << QByteArray("exit 0\n") << true
        << "%1 is neither a program nor a script: a script must name its interpreter on its "
           "first line, after \"#!\".";
    QTest::newRow("Windows line ends")
        << QByteArray("#!/bin/sh\r\nexit 0\r\n") << true
        << "%1 has Windows line ends (CR LF), so the system looks for an interpreter named "
           "\"/bin/sh\" with a carriage return after it. Save it with Unix line ends (LF) and "
           "try again.";
    QTest::newRow("an interpreter that cannot be run")
        << QByteArray("#!%2/notes.txt\nexit 0\n") << true
        << "%1 names an interpreter that cannot be run: %2/notes.txt";
}

void ServicesTest::aScriptThatCannotStartSaysWhatIsWrong()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, executable);
    QFETCH(QString, reason);

    // GIVEN a script that cannot start, of the wizard's script's name
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString script = folder.filePath(QStringLiteral("Sweepwright.cmd"));
    touch(folder.filePath(QStringLiteral("notes.txt"))); // a file that is not a program
    content.replace("%2", QFile::encodeName(folder.path()));
    if (content.isEmpty()) {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Sweepwright.cmd")));
    } else {
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
        file.close();
        QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        if (executable)
            permissions |= QFileDevice::ExeOwner;
        QVERIFY(file.setPermissions(permissions));
    }

    // WHEN it is started
    const StartResult result = SystemProgramStarter().start(script, {}, WindowStyle::NormalFocus);

    // THEN it does not start, and the reason says what the user must mend
    QVERIFY(!result.started);
    QCOMPARE(result.failureReason, reason.arg(script, folder.path()));
}
#endif

PROGRAM_TEST_MAIN(ServicesTest, "Velmora")
#include "tst_services.moc"
