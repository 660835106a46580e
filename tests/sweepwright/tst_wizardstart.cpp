#include "fakeservices.h"
#include "pagestestsupport.h"
#include "phase2.h"
#include "testmain.h"

#include <QDir>
#include <QElapsedTimer>
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
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include <sys/stat.h>
#include <unistd.h>

static bool makeFifo(const std::filesystem::path &path)
{
    return mkfifo(path.c_str(), 0700) == 0;
}

// How many processes run with the folder on their command line: a script of that folder, or
// an interpreter running it.
static int processesRunningFrom(const std::string &folder)
{
    int count = 0;
    for (const auto &entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream file(entry.path() / "cmdline");
        const std::string commandLine { std::istreambuf_iterator<char>(file), {} };
        count += commandLine.find(folder) != std::string::npos ? 1 : 0;
    }
    return count;
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
#ifndef _WIN32
    void theScriptRunsOrTheUserIsToldWhy_data();
    void theScriptRunsOrTheUserIsToldWhy();
#endif

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

#ifndef _WIN32
void SweepwrightRealStartTest::theScriptRunsOrTheUserIsToldWhy_data()
{
    // The script's text: %F stands for the program's folder, %M for the markers' folder. A
    // script that runs leaves the marker "ran".
    QTest::addColumn<QByteArray>("script");
    // How it is made or started otherwise: "execute only" (mode 111), "library gone" (a copy of
    // a program whose shared library is missing), "link loop", "no PATH" (the wizard started
    // without a search path), "folder closed" (to the user, after the wizard's start),
    // "package" (the package's script, beside a report window that leaves the marker),
    // "own session" (the wizard ignoring SIGHUP, as under nohup; the marker holds the script's
    // session, its process and the signals it ignores).
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("told"); // how the user's window begins; empty: the script runs
    QTest::addColumn<QString>("system"); // the system's words below

    const QByteArray runs = "\n: > '%M/ran'\n";
    const auto said = [](int error) {
        return QStringLiteral("\n\nThe system said: ") + QString::fromLocal8Bit(strerror(error));
    };
    const QString notStarted
        = QStringLiteral("Sweepwright.cmd could not be started. Nothing has been removed.\n\n");
    const QString failed = QStringLiteral("Sweepwright.cmd started, but failed at once: ");
    const QString stuck = QStringLiteral("Sweepwright.cmd did not get going: 2 seconds after its "
                                         "start it was still in /usr/bin/env");

    // Good scripts, which must run.
    QTest::newRow("#!/bin/sh") << "#!/bin/sh" + runs << "" << "" << "";
    QTest::newRow("#!/usr/bin/env -S -i sh") << "#!/usr/bin/env -S -i sh" + runs << "" << ""
                                             << "";
    QTest::newRow("#!/usr/bin/env sh without PATH")
        << "#!/usr/bin/env sh" + runs << "no PATH" << "" << "";
    QTest::newRow("an interpreter beside it, named from there")
        << "#!level0" + runs << "" << "" << "";
    QTest::newRow("five scripts in a row") << "#!%F/level3" + runs << "" << "" << "";
    // Nothing done to the wizard's session, nor the signals it ignores, reaches the script.
    QTest::newRow("in a session of its own, with no signal ignored")
        << QByteArray("#!/bin/sh\nset -- $(cat /proc/$$/stat)\n"
                      "echo \"$6 $$ $(grep SigIgn /proc/$$/status)\" > '%M/ran'\n")
        << "own session" << "" << "";
    // pkexec refuses nobody at once; the script's own window says so, and no other may.
    QTest::newRow("the package's script, which reports its failure itself")
        << QByteArray() << "package" << "" << "";

    // Scripts that start and fail: the user is told after the wizard has closed.
    for (const char *line : { "#!/usr/bin/env", "#!/usr/bin/env -i", "#!/usr/bin/env A=1",
                              "#!/usr/bin/env -S" })
        QTest::addRow("%s, which starts itself for ever", line)
            << QByteArray(line) + runs << "" << stuck << "";
    QTest::newRow("a #! line whose argument the system cuts")
        << "#!/bin/sh /" + QByteArray(300, 's') + runs << ""
        << failed + "it ended with exit status 2" << "The system said:\n/bin/sh: 0: cannot open";
    QTest::newRow("execute only, so the shell cannot read it")
        << "#!/bin/sh" + runs << "execute only" << failed + "it ended with exit status 2"
        << ": Permission denied";
    // Later than the first look, and with more to say than the window shows.
    QTest::newRow("ended by a signal after a while, having said much")
        << QByteArray("#!/bin/sh\nprintf 'first words\\n2\\n3\\n4\\nlast\\tw\\033ords\\n' >&2\n"
                      "sleep 0.5\nkill -TERM $$" + runs)
        << "" << failed + "it was ended by signal 15" << "The system said:\n3\n4\nlast w ords";
    QTest::newRow("a program whose library is gone")
        << QByteArray() << "library gone"
        << failed + "a program or library it needs was not found (exit status 127)"
        << "error while loading shared libraries: libvanished_library.so";
    QTest::newRow("an interpreter whose library is gone")
        << "#!%F/needs-library" + runs << ""
        << failed + "a program or library it needs was not found (exit status 127)"
        << "error while loading shared libraries: libvanished_library.so";
    QTest::newRow("env naming an interpreter that is not installed")
        << "#!/usr/bin/env no-such-shell" + runs << ""
        << failed + "a program or library it needs was not found (exit status 127)"
        << "no-such-shell";

    // Scripts the system refuses to start: the page says why, and stays.
    QTest::newRow("a link leading round in a circle")
        << QByteArray() << "link loop"
        << notStarted + "%F/Sweepwright.cmd is a link that leads, through other links, back to "
                        "itself, never to a file." << said(ELOOP);
    QTest::newRow("an empty file") << QByteArray() << ""
                                   << notStarted + "%F/Sweepwright.cmd is empty" << said(ENOEXEC);
    QTest::newRow("an interpreter script with Windows line ends")
        << "#!%F/crlf-shell" + runs << ""
        << notStarted + "%F/crlf-shell has Windows line ends (CR LF)" << said(ENOENT);
    QTest::newRow("its folder closed while the wizard was open")
        << "#!/bin/sh" + runs << "folder closed"
        << notStarted + "%F/Sweepwright.cmd lies in a folder that you may not open: %F."
        << said(EACCES);
    QTest::newRow("six scripts in a row")
        << "#!%F/level4" + runs << ""
        << notStarted + "%F/Sweepwright.cmd names as its interpreter a script that names another"
        << said(ELOOP);
}

void SweepwrightRealStartTest::theScriptRunsOrTheUserIsToldWhy()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, kind);
    QFETCH(QString, told);
    QFETCH(QString, system);

    // GIVEN the wizard in a folder of its own, its script and the files the rows name beside it,
    // all open to the user "nobody", as whom an administrator runs the wizard: an
    // administrator may read and enter what nobody else may
    // Plain folder names: a "#!" line ends its interpreter's path at the first blank.
    namespace fs = std::filesystem;
    QTemporaryDir root(QDir::tempPath() + QStringLiteral("/sweepwright-XXXXXX"));
    QVERIFY(root.isValid());
    const QString programFolder = root.filePath(QStringLiteral("program"));
    const QString markerFolder = root.filePath(QStringLiteral("markers"));
    const fs::path folder = QFile::encodeName(programFolder).toStdString();
    const std::string markers = QFile::encodeName(markerFolder).toStdString();
    fs::create_directory(folder);
    fs::create_directory(markers);
    fs::permissions(QFile::encodeName(root.path()).toStdString(), fs::perms(0755));
    fs::permissions(markers, fs::perms(0777));
    const auto write = [&folder](const char *name, QByteArray text, fs::perms mode) {
        text.replace("%F", QByteArray::fromStdString(folder.string()));
        std::ofstream(folder / name, std::ios::binary) << text.toStdString();
        fs::permissions(folder / name, mode);
    };
    write("level0", "#!/bin/sh\nexec /bin/sh \"$@\"\n", fs::perms(0755));
    for (const char *name : { "level1", "level2", "level3", "level4" })
        write(name, "#!%F/level" + QByteArray(1, char(name[5] - 1)) + "\nexec /bin/sh \"$@\"\n",
              fs::perms(0755));
    write("crlf-shell", "#!/bin/sh\r\nexec /bin/sh \"$@\"\r\n", fs::perms(0755));
    fs::copy_file(LIBRARY_PROBE_PATH, folder / "needs-library");
    fs::copy_file(WIZARD_PROBE_PATH, folder / "Sweepwright");
    if (kind == QLatin1String("package")) {
        // As root, pkexec would remove the package for real.
        if (geteuid() != 0)
            QSKIP("the package's script is run only as the user nobody, which needs root");
        fs::copy_file(PACKAGE_SCRIPT_PATH, folder / "Sweepwright.cmd");
        fs::permissions(folder / "Sweepwright.cmd", fs::perms(0755));
        write("sweepwright-report",
              "#!/bin/sh\n: > '" + QByteArray::fromStdString(markers) + "/ran'\n",
              fs::perms(0755));
    } else if (kind == QLatin1String("library gone")) {
        fs::copy_file(LIBRARY_PROBE_PATH, folder / "Sweepwright.cmd");
    } else if (kind == QLatin1String("link loop")) {
        fs::create_symlink("link", folder / "Sweepwright.cmd");
        fs::create_symlink("Sweepwright.cmd", folder / "link");
    } else {
        script.replace("%M", QByteArray::fromStdString(markers));
        write("Sweepwright.cmd", script,
              fs::perms(kind == QLatin1String("execute only") ? 0111 : 0755));
    }
    const auto reopen = qScopeGuard([&folder] { fs::permissions(folder, fs::perms(0755)); });

    // WHEN the user confirms
    // The system's folders alone on the search path: the user's own may be closed to nobody.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    if (kind == QLatin1String("no PATH"))
        environment.remove(QStringLiteral("PATH"));
    const QString go = QDir(markerFolder).filePath(QStringLiteral("go"));
    if (kind == QLatin1String("folder closed"))
        environment.insert(QStringLiteral("SWEEPWRIGHT_PROBE_HOLD"), go);
    QStringList command { QString::fromStdString((folder / "Sweepwright").string()) };
    if (kind == QLatin1String("own session"))
        command.prepend(QStringLiteral("/usr/bin/nohup"));
    if (geteuid() == 0)
        command = QStringList { QStringLiteral("/usr/bin/setpriv"), QStringLiteral("--reuid=65534"),
                                QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                                QStringLiteral("--") }
            + command;
    QProcess run;
    run.setProcessEnvironment(environment);
    QElapsedTimer took;
    took.start();
    run.start(command.takeFirst(), command);
    QByteArray output;
    if (kind == QLatin1String("folder closed")) {
        QTRY_VERIFY_WITH_TIMEOUT((output += run.readAllStandardOutput()).contains("holding\n"),
                                 20000);
        fs::permissions(folder, fs::perms::none);
        QFile(go).open(QIODevice::WriteOnly);
        output.clear();
    }
    QVERIFY2(run.waitForFinished(20000), "the wizard stopped answering");
    output += run.readAllStandardOutput();

    // THEN a good script runs and nothing is said; any other is stopped if it never got going,
    // and the user is told why in plain words, with the system's own below
    const QString shown = QString::fromLocal8Bit(output).replace(
        QStringLiteral("holding\n"), QString());
    const QString marker = QDir(markerFolder).filePath(QStringLiteral("ran"));
    if (told.isEmpty()) {
        QVERIFY2(shown.isEmpty(), qPrintable(shown));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
        if (kind == QLatin1String("own session")) {
            QFile written(marker);
            QTRY_VERIFY_WITH_TIMEOUT(written.size() > 0, 2000);
            QVERIFY(written.open(QIODevice::ReadOnly));
            const QList<QByteArray> words = written.readAll().simplified().split(' ');
            QCOMPARE(words.size(), 4);
            QCOMPARE(words[0], words[1]);
            // The standard signals, 1 to 31; the C library keeps two above them for itself.
            QCOMPARE(words[3].toULongLong(nullptr, 16) & 0x7fffffffU, 0U);
        }
        return;
    }
    told.replace(QStringLiteral("%F"), programFolder);
    QVERIFY2(shown.startsWith(QStringLiteral("[Dovrik's Software Sweepwright] (48) ") + told),
             qPrintable(shown));
    QVERIFY2(shown.contains(system), qPrintable(shown));
    QVERIFY2(took.elapsed() < 15000, "the watch went on too long");
    QCOMPARE(processesRunningFrom(folder.string() + "/Sweepwright.cmd"), 0);
    QVERIFY(!QFile::exists(marker));
}
#endif

PROGRAM_TEST_MAIN(SweepwrightRealStartTest, "Dovrik's Software Sweepwright", wizardCaptions)

#include "tst_wizardstart.moc"
