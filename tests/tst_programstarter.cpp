// Why the system cannot run a program that it starts itself (a script of its own, on Linux), as
// SystemProgramStarter tells it: refused before the start, or explained from the system's error
// once the system has refused it. On Windows cmd.exe runs the script, which tests/win32 proves.

#include "start/programstarter.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

class ProgramStarterTest : public QObject
{
    Q_OBJECT

private slots:
    void aScriptThatCannotStartSaysWhatIsWrong_data();
    void aScriptThatCannotStartSaysWhatIsWrong();
};

// An ELF header for the given machine (x86-64 is 62, 64-bit ARM 183) with one program header,
// which names the program loader.
static QByteArray elfProgram(quint16 machine, const QByteArray &loader)
{
    QByteArray program("\x7f" "ELF\x02\x01\x01", 7);
    program.append(113, '\0');
    const auto put = [&program](int at, quint64 value, int size) {
        for (int i = 0; i < size; ++i)
            program[at + i] = char(value >> (8 * i));
    };
    put(16, 2, 2); // an executable
    put(18, machine, 2);
    put(20, 1, 4);
    put(32, 64, 8); // the program headers' offset, size and number
    put(54, 56, 2);
    put(56, 1, 2);
    put(64, 3, 4); // the loader's name: where, and how long
    put(72, 120, 8);
    put(96, quint64(loader.size() + 1), 8);
    return program + loader + '\0';
}

void ProgramStarterTest::aScriptThatCannotStartSaysWhatIsWrong_data()
{
    QTest::addColumn<QByteArray>("content");
    // "x": executable, "-": not, "folder", "missing", "noexec", "fifo", "link loop";
    // "relative": named by its path from the working folder, "nul": with "\0--junk" after its
    // path, "through a file": below a file's name; "x from /": with "/" as the working folder;
    // "open for writing": executable, and held open for writing during the start
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason"); // %1 stands for the script's path, %2 for the folder
    QTest::addColumn<int>("error"); // the system's refusal of the start, 0 for none tried

    const bool arm = QSysInfo::currentCpuArchitecture() == "arm64";
    const quint16 ownMachine = arm ? 183 : 62;
    const quint16 otherMachine = arm ? 62 : 183;
    const QByteArray script("#!/bin/sh\nexit 0\n");

    QTest::newRow("missing") << QByteArray() << "missing" << "%1 does not exist." << 0;
    QTest::newRow("a path through a file")
        << QByteArray() << "through a file" << "%1 does not exist." << 0;
    QTest::newRow("a FIFO, which would block whoever opens it")
        << QByteArray() << "fifo" << "%1 is not a file that can be run." << 0;
    QTest::newRow("a path from the working folder")
        << script << "relative"
        << "%1 is not a full path: a program is started only by its full path, which begins "
           "with \"/\"."
        << 0;
    QTest::newRow("a NUL in the path")
        << script << "nul"
        << "The program's path holds a NUL character, which no path can hold, so it names no "
           "program that could be started."
        << 0;
    QTest::newRow("a folder") << QByteArray() << "folder" << "%1 is a folder, not a script." << 0;
    QTest::newRow("not marked as executable")
        << script << "-"
        << "%1 is not marked as executable. Allow it to run (chmod +x) and try again." << EACCES;
    QTest::newRow("on a file system mounted noexec")
        << script << "noexec"
        << "%1 lies on a file system that does not let programs run (it is mounted \"noexec\"). "
           "Mount it without \"noexec\", or install the program on another file system, and try "
           "again."
        << EACCES;
    QTest::newRow("a link leading round in a circle")
        << QByteArray() << "link loop"
        << "%1 is a link that leads, through other links, back to itself, never to a file."
        << ELOOP;
    QTest::newRow("being written")
        << script << "open for writing"
        << "%1 is being written by another program. Try again once it has finished." << ETXTBSY;
    QTest::newRow("an empty file")
        << QByteArray() << "x" << "%1 is empty: it holds neither a program nor a script."
        << ENOEXEC;
    QTest::newRow("an interpreter that is not installed")
        << QByteArray("#!/bin/no-such-shell\nexit 0\n") << "x"
        << "%1 names an interpreter that is not installed: /bin/no-such-shell" << ENOENT;
    QTest::newRow("an interpreter with arguments that is not installed")
        << QByteArray("#! /usr/bin/no-such-env -S sh\nexit 0\n") << "x"
        << "%1 names an interpreter that is not installed: /usr/bin/no-such-env" << ENOENT;
    QTest::newRow("no #! line")
        << QByteArray("exit 0\n") << "x"
        << "%1 is neither a program nor a script: a script must name its interpreter on its "
           "first line, after \"#!\"."
        << ENOEXEC;
    // Refused before the start: "env" or "sh" would start, and only then fail.
    for (const char *line : { "/bin/sh", "/usr/bin/env sh", "/bin/sh -e" }) {
        QTest::addRow("#!%s with Windows line ends", line)
            << "#!" + QByteArray(line) + "\r\nexit 0\r\n" << "x"
            << QStringLiteral("%1 has Windows line ends (CR LF), which the system cannot run: its "
                              "first line names \"%3\" with a carriage return after it. Save it "
                              "with Unix line ends (LF) and try again.")
                   .replace(QStringLiteral("%3"), QLatin1String(line))
            << 0;
    }
    QTest::newRow("an interpreter script with Windows line ends")
        << QByteArray("#!%2/crlf-shell\nexit 0\n") << "x"
        << "%2/crlf-shell has Windows line ends (CR LF), which the system cannot run: its first "
           "line names \"/bin/sh\" with a carriage return after it. Save it with Unix line ends "
           "(LF) and try again."
        << ENOENT;
    QTest::newRow("an interpreter that cannot be run")
        << QByteArray("#!%2/notes.txt\nexit 0\n") << "x"
        << "%1 names an interpreter that cannot be run: %2/notes.txt" << EACCES;
    QTest::newRow("a folder as interpreter")
        << QByteArray("#!%2\nexit 0\n") << "x"
        << "%1 names a folder as its interpreter, not a program: %2" << EACCES;
    QTest::newRow("a #! line longer than the system reads")
        << "#!/bin/" + QByteArray(300, 's') + "\n" << "x"
        << "%1 has a first line longer than the 255 characters the system reads to find the "
           "script's interpreter. Shorten the line that starts with \"#!\"."
        << ENOEXEC;
    QTest::newRow("a program for this processor whose loader is missing")
        << elfProgram(ownMachine, "/lib64/no-such-loader.so.2") << "x"
        << "%1 needs the program loader /lib64/no-such-loader.so.2, which is not installed on "
           "this computer. Install what provides it, or a version of the program made for this "
           "system."
        << ENOENT;
    QTest::newRow("an interpreter of text with execute bits")
        << QByteArray("#!%2/hostname\nexit 0\n") << "x"
        << "%1 names as its interpreter a file of text or data, not a program: %2/hostname. "
           "A script's first line must name a program, such as #!/bin/sh."
        << ENOEXEC;
    // Judged from the script's folder, where it runs: from "/", "bin/sh" would be found.
    QTest::newRow("a relative interpreter missing beside the script")
        << QByteArray("#!bin/sh\nexit 0\n") << "x from /"
        << "%1 names an interpreter that is not installed: bin/sh" << ENOENT;
    // The system runs five scripts in a row, each the interpreter of the one before.
    QTest::newRow("five nested interpreters")
        << QByteArray("#!%2/level4\nexit 0\n") << "x"
        << "%1 names as its interpreter a script that names another, and so on: a longer chain "
           "than the system follows, which is 5 scripts. Let one of them name a program, such as "
           "#!/bin/sh."
        << ELOOP;
    // Its loader is missing too, but no loader would make it run here.
    QTest::newRow("a program for another processor, naming a loader")
        << elfProgram(otherMachine, "/lib/ld-linux-aarch64.so.1") << "x"
        << "%1 is a program for another kind of processor, which this computer cannot run."
        << ENOEXEC;
}

// Files beside the script that the rows name: a text file without and with execute bits, an
// interpreter saved with Windows line ends, and scripts each naming the one before as its
// interpreter, level0 naming /bin/sh.
static void writeNeighbours(const QString &folder)
{
    const auto write = [&folder](const char *name, const QByteArray &text, bool executable) {
        QFile file(QDir(folder).filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        file.close();
        if (executable)
            QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
    };
    write("notes.txt", {}, false);
    write("hostname", "velmora-host\n", true);
    write("crlf-shell", "#!/bin/sh\r\nexec /bin/sh \"$@\"\r\n", true);
    write("level0", "#!/bin/sh\nexec /bin/sh \"$@\"\n", true);
    for (const char *name : { "level1", "level2", "level3", "level4" })
        write(name, "#!" + QFile::encodeName(folder) + "/level" + QByteArray(1, name[5] - 1)
                  + "\nexec /bin/sh \"$@\"\n", true);
}

// Makes the script of the row in folder, as kind says, and returns its path; the empty text
// when it cannot be made, as a file system mounted "noexec" without an administrator.
static QString placeScript(const QString &folder, const QString &kind, const QByteArray &content)
{
    QString script = QDir(folder).filePath(QStringLiteral("Sweepwright.cmd"));
    if (kind == QLatin1String("noexec")) {
        const QByteArray mountPoint = QFile::encodeName(QDir(folder).filePath("noexec"));
        // Only an administrator mounts a file system; CI runs as one.
        if (!QDir(folder).mkdir(QStringLiteral("noexec")) || geteuid() != 0
            || mount("tmpfs", mountPoint.constData(), "tmpfs", MS_NOEXEC, "size=64k") != 0)
            return {};
        script = QDir(folder).filePath(QStringLiteral("noexec/Sweepwright.cmd"));
    }
    const QByteArray path = QFile::encodeName(script);
    if (kind == QLatin1String("folder")) {
        QDir(folder).mkdir(QStringLiteral("Sweepwright.cmd"));
    } else if (kind == QLatin1String("fifo")) {
        mkfifo(path.constData(), 0700);
    } else if (kind == QLatin1String("link loop")) {
        symlink("link", path.constData());
        symlink("Sweepwright.cmd", QFile::encodeName(QDir(folder).filePath("link")).constData());
    } else if (kind != QLatin1String("missing") && kind != QLatin1String("through a file")) {
        QFile file(script);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return {};
        file.close();
        QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        if (kind != QLatin1String("-"))
            permissions |= QFileDevice::ExeOwner;
        file.setPermissions(permissions);
    }
    return script;
}

void ProgramStarterTest::aScriptThatCannotStartSaysWhatIsWrong()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QFETCH(int, error);

    // GIVEN a script that cannot start, of the wizard's script's name
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray mountPoint = QFile::encodeName(folder.filePath(QStringLiteral("noexec")));
    // Detached: whatever the failed start left standing in it, on its way out, cannot keep the
    // file system mounted after the test.
    const auto unmount = qScopeGuard([&] { umount2(mountPoint.constData(), MNT_DETACH); });
    const QString workingFolder = QDir::currentPath();
    const auto restore = qScopeGuard([&] { QDir::setCurrent(workingFolder); });
    writeNeighbours(folder.path());
    content.replace("%2", QFile::encodeName(folder.path()));
    const QString script = placeScript(folder.path(), kind, content);
    if (script.isEmpty() && kind == QLatin1String("noexec"))
        QSKIP("mounting a noexec file system needs an administrator");
    QVERIFY(!script.isEmpty());
    QString named = script;
    if (kind == QLatin1String("relative")) {
        QVERIFY(QDir::setCurrent(folder.path()));
        named = QStringLiteral("Sweepwright.cmd");
    } else if (kind == QLatin1String("nul")) {
        named = script + QChar(u'\0') + QStringLiteral("--junk");
    } else if (kind == QLatin1String("through a file")) {
        named = folder.filePath(QStringLiteral("notes.txt/Sweepwright.cmd"));
    } else if (kind == QLatin1String("x from /")) {
        QVERIFY(QDir::setCurrent(QStringLiteral("/")));
    }

    QFile writing(script);
    if (kind == QLatin1String("open for writing"))
        QVERIFY(writing.open(QIODevice::Append));
    // WHEN it is started
    const StartResult result = SystemProgramStarter().start(named);

    // THEN it does not start, and the reason says what the user must mend, with the system's
    // own words below when the system refused the start
    QVERIFY(!result.started);
    reason.replace(QStringLiteral("%2"), folder.path()).replace(QStringLiteral("%1"), named);
    if (error != 0)
        reason += QStringLiteral("\n\nThe system said: ")
            + QString::fromLocal8Bit(strerror(error));
    QCOMPARE(result.failureReason, reason);
}

PROGRAM_TEST_MAIN(ProgramStarterTest, "Velmora", velmoraCaptions)
#include "tst_programstarter.moc"
