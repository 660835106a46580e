// Sweepwright as it ships (wizard_probe, with the real program starter) confirming real scripts
// in a folder of its own, run as the user nobody when the tests run as an administrator, who may
// read and enter what nobody else may. A good script must run with nothing said; one that the
// system refuses must be explained on the page; one that fails at once, or never gets going,
// must reach the user after the page has closed: each in plain words, the system's own below.

#include "testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include <unistd.h>

namespace fs = std::filesystem;

class SweepwrightScriptWatchTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theScriptRunsOrTheUserIsToldWhy_data();
    void theScriptRunsOrTheUserIsToldWhy();

private:
    void write(const char *name, QByteArray text, fs::perms mode) const;
    void placeScript(const QString &kind, QByteArray script) const;
    // Starts the wizard, which confirms at once, and returns what its windows said.
    QByteArray confirm(const QString &kind) const;
    void checkSessionAndSignals() const;

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_programFolder;
    QString m_markers;
    fs::path m_folder;
};

// How many processes run with the text on their command line.
static int processesRunning(const std::string &text)
{
    int count = 0;
    for (const auto &entry : fs::directory_iterator("/proc")) {
        std::ifstream file(entry.path() / "cmdline");
        const std::string commandLine { std::istreambuf_iterator<char>(file), {} };
        count += commandLine.find(text) != std::string::npos ? 1 : 0;
    }
    return count;
}

void SweepwrightScriptWatchTest::init()
{
    // Plain folder names: a "#!" line ends its interpreter's path at the first blank.
    m_root = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/sweepwright-XXXXXX"));
    QVERIFY(m_root->isValid());
    m_programFolder = m_root->filePath(QStringLiteral("program"));
    m_markers = m_root->filePath(QStringLiteral("markers"));
    m_folder = QFile::encodeName(m_programFolder).toStdString();
    fs::create_directory(m_folder);
    fs::create_directory(QFile::encodeName(m_markers).toStdString());
    fs::permissions(QFile::encodeName(m_root->path()).toStdString(), fs::perms(0755));
    fs::permissions(QFile::encodeName(m_markers).toStdString(), fs::perms(0777));
    // Interpreters for the rows to name: level0 runs the script it is given with /bin/sh, each
    // level names the one below, and crlf-shell was saved with Windows line ends.
    write("level0", "#!/bin/sh\nexec /bin/sh \"$@\"\n", fs::perms(0755));
    for (const char *name : { "level1", "level2", "level3", "level4" })
        write(name, "#!%F/level" + QByteArray(1, char(name[5] - 1)) + "\nexec /bin/sh \"$@\"\n",
              fs::perms(0755));
    write("crlf-shell", "#!/bin/sh\r\nexec /bin/sh \"$@\"\r\n", fs::perms(0755));
    fs::copy_file(LIBRARY_PROBE_PATH, m_folder / "needs-library");
    fs::copy_file(WIZARD_PROBE_PATH, m_folder / "Sweepwright");
}

void SweepwrightScriptWatchTest::cleanup()
{
    if (!m_folder.empty())
        fs::permissions(m_folder, fs::perms(0755));
    m_root.reset();
}

void SweepwrightScriptWatchTest::write(const char *name, QByteArray text, fs::perms mode) const
{
    text.replace("%F", QByteArray::fromStdString(m_folder.string()));
    text.replace("%M", QFile::encodeName(m_markers));
    std::ofstream(m_folder / name, std::ios::binary) << text.toStdString();
    fs::permissions(m_folder / name, mode);
}

void SweepwrightScriptWatchTest::placeScript(const QString &kind, QByteArray script) const
{
    const fs::path path = m_folder / "Sweepwright.cmd";
    if (kind == QLatin1String("package")) {
        fs::copy_file(PACKAGE_SCRIPT_PATH, path);
        fs::permissions(path, fs::perms(0755));
        write("sweepwright-report", "#!/bin/sh\n: > '%M/ran'\n", fs::perms(0755));
    } else if (kind == QLatin1String("library gone")) {
        fs::copy_file(LIBRARY_PROBE_PATH, path);
    } else if (kind == QLatin1String("link loop")) {
        fs::create_symlink("link", path);
        fs::create_symlink("Sweepwright.cmd", m_folder / "link");
    } else {
        write("Sweepwright.cmd", script,
              fs::perms(kind == QLatin1String("execute only") ? 0111 : 0755));
    }
}

QByteArray SweepwrightScriptWatchTest::confirm(const QString &kind) const
{
    // The system's folders alone on the search path: the user's own may be closed to nobody.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    if (kind == QLatin1String("no PATH"))
        environment.remove(QStringLiteral("PATH"));
    const QString go = QDir(m_markers).filePath(QStringLiteral("go"));
    if (kind == QLatin1String("folder closed"))
        environment.insert(QStringLiteral("SWEEPWRIGHT_PROBE_HOLD"), go);
    QStringList command { QString::fromStdString((m_folder / "Sweepwright").string()) };
    if (kind == QLatin1String("own session"))
        command.prepend(QStringLiteral("/usr/bin/nohup"));
    if (geteuid() == 0)
        command = QStringList { QStringLiteral("/usr/bin/setpriv"), QStringLiteral("--reuid=65534"),
                                QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                                QStringLiteral("--") }
            + command;
    QProcess run;
    run.setProcessEnvironment(environment);
    run.start(command.takeFirst(), command);
    QByteArray output;
    if (kind == QLatin1String("folder closed")) {
        [&] {
            QTRY_VERIFY_WITH_TIMEOUT(
                (output += run.readAllStandardOutput()).contains("holding\n"), 20000);
        }();
        fs::permissions(m_folder, fs::perms::none);
        QFile(go).open(QIODevice::WriteOnly);
        output.replace("holding\n", "");
    }
    if (!run.waitForFinished(20000))
        return "the wizard stopped answering";
    return output + run.readAllStandardOutput();
}

// The marker of the row "own session": the script's session, its process, and the signals it
// ignores, as the system tells them.
void SweepwrightScriptWatchTest::checkSessionAndSignals() const
{
    QFile written(QDir(m_markers).filePath(QStringLiteral("ran")));
    QTRY_VERIFY_WITH_TIMEOUT(written.size() > 0, 2000);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> words = written.readAll().simplified().split(' ');
    QCOMPARE(words.size(), 4);
    QCOMPARE(words[0], words[1]);
    // The standard signals, 1 to 31; the C library keeps two above them for itself.
    QCOMPARE(words[3].toULongLong(nullptr, 16) & 0x7fffffffU, 0U);
}

void SweepwrightScriptWatchTest::theScriptRunsOrTheUserIsToldWhy_data()
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
    const QString missing = failed
        + QStringLiteral("a program or library it needs was not found (exit status 127)");
    const QString stuck = QStringLiteral("Sweepwright.cmd did not get going: 2 seconds after its "
                                         "start it was still in /usr/bin/env");

    // Good scripts, which must run.
    QTest::newRow("#!/bin/sh") << "#!/bin/sh" + runs << "" << "" << "";
    QTest::newRow("#!/usr/bin/env -S -i sh")
        << "#!/usr/bin/env -S -i sh" + runs << "" << "" << "";
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

    // Scripts that start and fail: the user is told after the page has closed.
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
    // Only the first megabyte of what it says is kept, however much it goes on to say.
    QTest::newRow("having said more than the megabyte kept")
        << QByteArray("#!/bin/sh\nyes chatter | head -c 2097152 >&2\necho beyond >&2\nexit 1\n")
        << "" << failed + "it ended with exit status 1"
        << "The system said:\nchatter\nchatter\nchatter";
    QTest::newRow("a program whose library is gone")
        << QByteArray() << "library gone" << missing
        << "error while loading shared libraries: libvanished_library.so";
    QTest::newRow("an interpreter whose library is gone")
        << "#!%F/needs-library" + runs << "" << missing
        << "error while loading shared libraries: libvanished_library.so";
    QTest::newRow("env naming an interpreter that is not installed")
        << "#!/usr/bin/env no-such-shell" + runs << "" << missing << "no-such-shell";

    // Scripts the system refuses to start: the page says why, and stays.
    QTest::newRow("a link leading round in a circle")
        << QByteArray() << "link loop"
        << notStarted + "%F/Sweepwright.cmd is a link that leads, through other links, back to "
                        "itself, never to a file."
        << said(ELOOP);
    QTest::newRow("an empty file")
        << QByteArray() << "" << notStarted + "%F/Sweepwright.cmd is empty" << said(ENOEXEC);
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

void SweepwrightScriptWatchTest::theScriptRunsOrTheUserIsToldWhy()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, kind);
    QFETCH(QString, told);
    QFETCH(QString, system);
    // As an administrator, pkexec would remove the package for real.
    if (kind == QLatin1String("package") && geteuid() != 0)
        QSKIP("the package's script is run only as the user nobody, which needs root");

    // GIVEN the wizard in a folder of its own, its script beside it
    placeScript(kind, script);

    // WHEN the user confirms
    QElapsedTimer took;
    took.start();
    const QString shown = QString::fromLocal8Bit(confirm(kind));

    // THEN a good script runs and nothing is said; any other is stopped if it never got going,
    // and the user is told why in plain words, with the system's own below
    const QString marker = QDir(m_markers).filePath(QStringLiteral("ran"));
    if (told.isEmpty()) {
        QVERIFY2(shown.isEmpty(), qPrintable(shown));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
        if (kind == QLatin1String("own session"))
            checkSessionAndSignals();
        return;
    }
    told.replace(QStringLiteral("%F"), m_programFolder);
    QVERIFY2(shown.startsWith(QStringLiteral("[Dovrik's Software Sweepwright] (48) ") + told),
             qPrintable(shown));
    QVERIFY2(shown.contains(system), qPrintable(shown));
    QVERIFY2(took.elapsed() < 15000, "the watch went on too long");
    QCOMPARE(processesRunning(m_folder.string() + "/Sweepwright.cmd"), 0);
    QVERIFY(!QFile::exists(marker));
}

PROGRAM_TEST_MAIN(SweepwrightScriptWatchTest, "Dovrik's Software Sweepwright", wizardCaptions)

#include "tst_scriptwatch.moc"
