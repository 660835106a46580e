#include "fakeservices.h"
#include "pagestestsupport.h"
#include "phase2.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QProcess>
#include <QTemporaryDir>

#include <filesystem>

#ifdef _WIN32
// Never called: the tests that start shell scripts are skipped on Windows.
static bool makeFifo(const std::filesystem::path &)
{
    return false;
}
#else
#include <sys/stat.h>

static bool makeFifo(const std::filesystem::path &path)
{
    return mkfifo(path.c_str(), 0700) == 0;
}
#endif

// Confirming with the system's own program starter, against real files: a script beside the
// "executable" (a folder the page is given, as main gives it the executable's) must run, and
// nothing of the same name elsewhere may. Only the program starter is real; message boxes are
// recorded, so that no modal box waits for a user.
class SweepwrightRealStartTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void confirmRunsTheScriptBesideTheProgramAndDoesNotWait();
    void aScriptThatCannotRunIsReportedAndNothingRuns_data();
    void aScriptThatCannotRunIsReportedAndNothingRuns();
    void onlyTheScriptBesideTheRealExecutableRuns_data();
    void onlyTheScriptBesideTheRealExecutableRuns();

private:
    // Writes a script that leaves a marker file behind when it runs; with waitForRelease it
    // first waits (ten seconds at most) for a file named "release" among the markers.
    static void writeScript(const QString &path, const QString &markerName, bool executable,
                            bool waitForRelease = false);
    void confirm(Phase2 *page);

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_programFolder;
    QString m_markers;
    QString m_savedWorkingFolder;
    QByteArray m_savedPath;
    FakeServices m_fake { QStringLiteral("Dovrik's Software Sweepwright") };
    SystemProgramStarter m_starter;
    WizardServices m_services { m_fake.messages, m_starter, m_fake.guard };
};

void SweepwrightRealStartTest::writeScript(const QString &path, const QString &markerName,
                                           bool executable, bool waitForRelease)
{
    QFile script(path);
    QVERIFY(script.open(QIODevice::WriteOnly));
    // The markers' folder comes through the environment: its path may hold any character. The
    // interpreter is found by env on the search path, as many scripts have it found.
    QByteArray text = "#!/usr/bin/env sh\nmarkers=\"$SWEEPWRIGHT_TEST_MARKERS\"\n";
    if (waitForRelease) {
        text += "i=0\n"
                "while [ ! -e \"$markers/release\" ] && [ $i -lt 200 ]; do\n"
                "    sleep 0.05\n"
                "    i=$((i + 1))\n"
                "done\n";
    }
    // What the script was started as, with how many arguments, and in which folder.
    text += "printf '%s %s %s' \"$0\" \"$#\" \"$(pwd)\" > \"$markers/" + markerName.toUtf8()
        + "\"\n";
    QCOMPARE(script.write(text), text.size());
    script.close();
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (executable)
        permissions |= QFileDevice::ExeOwner;
    QVERIFY(script.setPermissions(permissions));
}

void SweepwrightRealStartTest::init()
{
#ifdef _WIN32
    // These scripts are shell scripts, started by the system itself. Windows starts the script
    // through cmd.exe instead: tests/win32/tst_programstart runs that start under Wine from a
    // folder of cmd.exe's special characters, and tests/driveroot runs the wizard at a drive's
    // root, where only the script beside it may run.
    QSKIP("Shell scripts; on Windows the script's start is tested under Wine elsewhere.");
#endif
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    const QDir root(m_root->path());
    // Blanks and shell characters in the folder: the path must never pass through a shell.
    m_programFolder = root.filePath(QStringLiteral("Dovrik's apps; touch pwned & $(x)"));
    m_markers = root.filePath(QStringLiteral("markers"));
    for (const QString &folder : { m_programFolder, m_markers, root.filePath("work"),
                                   root.filePath("bin") })
        QVERIFY(QDir().mkpath(folder));

    // Scripts of the same name in the working folder and on the search path, ready to run.
    qputenv("SWEEPWRIGHT_TEST_MARKERS", QFile::encodeName(m_markers));
    writeScript(root.filePath("work/Sweepwright.cmd"), QStringLiteral("working-folder"), true);
    writeScript(root.filePath("bin/Sweepwright.cmd"), QStringLiteral("search-path"), true);
    m_savedWorkingFolder = QDir::currentPath();
    m_savedPath = qgetenv("PATH");
    QVERIFY(QDir::setCurrent(root.filePath("work")));
    qputenv("PATH", QFile::encodeName(root.filePath("bin")) + ':' + m_savedPath);
}

void SweepwrightRealStartTest::cleanup()
{
    removeAllWindows();
    if (!m_savedWorkingFolder.isEmpty())
        QDir::setCurrent(m_savedWorkingFolder);
    if (!m_savedPath.isEmpty())
        qputenv("PATH", m_savedPath);
    qunsetenv("SWEEPWRIGHT_TEST_MARKERS");
    m_fake.messages.shown.clear();
    // By its bytes: a folder name that is no valid text cannot be removed through QDir.
    if (m_root)
        std::filesystem::remove_all(QFile::encodeName(m_root->path()).toStdString());
    m_root.reset();
}

void SweepwrightRealStartTest::confirm(Phase2 *page)
{
    waitUntilPagesTakeClicks();
    QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
}

void SweepwrightRealStartTest::confirmRunsTheScriptBesideTheProgramAndDoesNotWait()
{
    const QString script = QDir(m_programFolder).filePath(QStringLiteral("Sweepwright.cmd"));
    const QString marker = QDir(m_markers).filePath(QStringLiteral("beside-program"));
    writeScript(script, QStringLiteral("beside-program"), true, true);
    auto *page = new Phase2(m_services, m_programFolder);
    page->show();

    confirm(page);

    // The page is gone while the script still waits for its release: nobody waited for it.
    QVERIFY(m_fake.messages.shown.isEmpty());
    QCOMPARE(visibleWindowCount(), 0);
    QVERIFY(!QFile::exists(marker));
    QFile release(QDir(m_markers).filePath(QStringLiteral("release")));
    QVERIFY(release.open(QIODevice::WriteOnly));
    release.close();

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
    // It runs in its own folder, not in the one the wizard was started from.
    const QString expected = script + QStringLiteral(" 0 ") + m_programFolder;
    QTRY_COMPARE_WITH_TIMEOUT(QFile(marker).size(), qint64(expected.toUtf8().size()), 2000);
    QFile written(marker);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(written.readAll()), expected);
    QVERIFY(!QFile::exists(QDir(m_markers).filePath(QStringLiteral("working-folder"))));
    QVERIFY(!QFile::exists(QDir(m_markers).filePath(QStringLiteral("search-path"))));
}

void SweepwrightRealStartTest::aScriptThatCannotRunIsReportedAndNothingRuns_data()
{
    QTest::addColumn<bool>("present");

    QTest::newRow("missing beside the program") << false;
    QTest::newRow("present without execute permission") << true;
}

void SweepwrightRealStartTest::aScriptThatCannotRunIsReportedAndNothingRuns()
{
    QFETCH(bool, present);
    if (present)
        writeScript(QDir(m_programFolder).filePath(QStringLiteral("Sweepwright.cmd")),
                    QStringLiteral("beside-program"), false);
    auto *page = new Phase2(m_services, m_programFolder);
    page->show();

    confirm(page);

    QCOMPARE(m_fake.messages.shown.size(), 1);
    const QString prompt = m_fake.messages.shown.first().prompt;
    const QString opening
        = QStringLiteral("Sweepwright.cmd could not be started. Nothing has been removed.\n\n");
    QVERIFY2(prompt.startsWith(opening), qPrintable(prompt));
    QVERIFY2(prompt.size() > opening.size(), "the system's reason is missing");
    QCOMPARE(visiblePages<Phase2>().size(), 1);
    // Give anything that was started wrongly the time to show itself.
    QTest::qWait(500);
    QCOMPARE(QDir(m_markers).entryList(QDir::Files), QStringList());
}

void SweepwrightRealStartTest::onlyTheScriptBesideTheRealExecutableRuns_data()
{
    QTest::addColumn<QByteArray>("programFolder");
    QTest::addColumn<QByteArray>("decoyFolder");
    QTest::addColumn<bool>("commandLineNamesDecoy");
    QTest::addColumn<bool>("fifo"); // the "script" beside the program is a FIFO
    QTest::addColumn<QString>("refusal"); // how the reason begins; empty: the script runs

    QTest::newRow("the command line names another folder")
        << QByteArray("Dovrik") << QByteArray("elsewhere") << true << false << QString();
    // Longer than the first answer the system is asked for, which must not be cut short.
    const QByteArray part(100, 'd');
    QTest::newRow("a path of over 300 bytes")
        << part + '/' + part + '/' + part << QByteArray("elsewhere") << false << false
        << QString();
    // "\xe9t\xe9" as an old archive unpacked with Latin-1 names leaves it; the decoy bears the
    // name that text with replacement characters would give it.
    QTest::newRow("a folder name that is not UTF-8")
        << QByteArray("\xe9t\xe9") << QByteArray("\xef\xbf\xbdt\xef\xbf\xbd") << false << false
        << QStringLiteral("The name of the program's folder is not valid text");
    // Whoever opens a FIFO waits for a writer, for good if none comes: the wizard must not.
    QTest::newRow("a FIFO beside the program")
        << QByteArray("Dovrik") << QByteArray("elsewhere") << false << true
        << QStringLiteral("%1/Dovrik/Sweepwright.cmd is not a file that can be run.");
}

void SweepwrightRealStartTest::onlyTheScriptBesideTheRealExecutableRuns()
{
    QFETCH(QByteArray, programFolder);
    QFETCH(QByteArray, decoyFolder);
    QFETCH(bool, commandLineNamesDecoy);
    QFETCH(bool, fifo);
    QFETCH(QString, refusal);
    const bool scriptRuns = refusal.isEmpty();

    // GIVEN the program in a folder of its own, its script beside it, and a script of the same
    // name in a second folder. Folder names are the system's bytes, not text.
    namespace fs = std::filesystem;
    const fs::path root = QFile::encodeName(m_root->path()).toStdString();
    const fs::path program = root / programFolder.toStdString();
    const fs::path decoy = root / decoyFolder.toStdString();
    fs::create_directories(program);
    fs::create_directory(decoy);
    fs::copy_file(WIZARD_PROBE_PATH, program / "Sweepwright");
    writeScript(QDir(m_root->path()).filePath("beside"), QStringLiteral("beside-program"), true);
    writeScript(QDir(m_root->path()).filePath("decoy"), QStringLiteral("decoy"), true);
    if (fifo)
        QVERIFY(makeFifo(program / "Sweepwright.cmd"));
    else
        fs::rename(root / "beside", program / "Sweepwright.cmd");
    fs::rename(root / "decoy", decoy / "Sweepwright.cmd");
    // Started through a link of a plain name; the system follows it to the real executable.
    fs::create_symlink(program / "Sweepwright", root / "link");
    const QString link = QDir(m_root->path()).filePath(QStringLiteral("link"));
    const QString commandName = commandLineNamesDecoy
        ? QFile::decodeName(QByteArray::fromStdString((decoy / "Sweepwright").string()))
        : link;

    // WHEN it starts, with that first word on its command line, and the user confirms
    QProcess run;
    run.start(QStringLiteral("/bin/bash"),
              { QStringLiteral("-c"), QStringLiteral("exec -a \"$0\" \"$1\""), commandName, link });
    QVERIFY2(run.waitForFinished(20000), "the wizard stopped answering");
    const QString output = QString::fromUtf8(run.readAllStandardOutput());
    QCOMPARE(run.exitCode(), 0);

    // THEN the script beside the real executable runs, or none does and the user is told why
    const QString marker = QDir(m_markers).filePath(QStringLiteral("beside-program"));
    if (scriptRuns) {
        QVERIFY2(output.isEmpty(), qPrintable(output));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
    } else {
        QVERIFY2(output.contains(QStringLiteral("(48) Sweepwright.cmd could not be started. "
                                                "Nothing has been removed.\n\n")
                                 + refusal.arg(m_root->path())),
                 qPrintable(output));
    }
    // AND never the one in the other folder
    QTest::qWait(500);
    QVERIFY(!QFile::exists(QDir(m_markers).filePath(QStringLiteral("decoy"))));
    QCOMPARE(QFile::exists(marker), scriptRuns);
}

PROGRAM_TEST_MAIN(SweepwrightRealStartTest, "Dovrik's Software Sweepwright", wizardCaptions)

#include "tst_wizardstart.moc"
