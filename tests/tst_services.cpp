// The real services where they can be tried without a person: file lookup and the message
// box's title, as the forms rely on them.

#include "fakeservices.h"
#include "filelookup.h"
#include "programstarter.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QAbstractButton>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <optional>

#ifndef _WIN32
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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
#ifndef _WIN32
    // Why the system cannot run a script it starts itself; on Windows cmd.exe runs the script,
    // and tests/win32 proves that start.
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

#ifndef _WIN32
void ServicesTest::aScriptThatCannotStartSaysWhatIsWrong_data()
{
    QTest::addColumn<QByteArray>("content");
    // "x": executable, "-": not, "folder", "missing", "noexec", "fifo"; "relative": named by
    // its path from the working folder, "nul": with "\0--junk" after its path; "x from /": with
    // "/" as the working folder
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason"); // %1 stands for the script's path, %2 for the folder

    // ELF's machine numbers: x86-64 is 62, 64-bit ARM 183.
    QByteArray foreignProgram("\x7f" "ELF\x02\x01\x01", 7);
    foreignProgram.append(11, '\0').append(QSysInfo::currentCpuArchitecture() == "arm64"
                                               ? QByteArray("\x3e\x00", 2)
                                               : QByteArray("\xb7\x00", 2));
    foreignProgram.append(100, '\0');
    // A program for this processor whose loader is missing: the ELF header, one program header
    // naming the loader, and its name.
    QByteArray withoutLoader("\x7f" "ELF\x02\x01\x01", 7);
    withoutLoader.append(113, '\0');
    const auto put = [&withoutLoader](int at, quint64 value, int size) {
        for (int i = 0; i < size; ++i)
            withoutLoader[at + i] = char(value >> (8 * i));
    };
    put(16, 2, 2); // an executable
    put(18, QSysInfo::currentCpuArchitecture() == "arm64" ? 183 : 62, 2);
    put(20, 1, 4);
    put(32, 64, 8); // the program headers' offset, size and number
    put(54, 56, 2);
    put(56, 1, 2);
    put(64, 3, 4); // the loader's name: where, and how long
    put(72, 120, 8);
    put(96, 27, 8);
    withoutLoader.append("/lib64/no-such-loader.so.2", 27);
    const QByteArray script("#!/bin/sh\nexit 0\n");

    QTest::newRow("missing") << QByteArray() << "missing" << "%1 does not exist.";
    QTest::newRow("a FIFO, which would block whoever opens it")
        << QByteArray() << "fifo" << "%1 is not a file that can be run.";
    QTest::newRow("a path from the working folder")
        << script << "relative"
        << "%1 is not a full path: a program is started only by its full path, which begins "
           "with \"/\".";
    QTest::newRow("a NUL in the path")
        << script << "nul"
        << "The program's path holds a NUL character, which no path can hold, so it names no "
           "program that could be started.";
    QTest::newRow("a folder") << QByteArray() << "folder" << "%1 is a folder, not a script.";
    QTest::newRow("not marked as executable")
        << script << "-"
        << "%1 is not marked as executable. Allow it to run (chmod +x) and try again.";
    QTest::newRow("on a file system mounted noexec")
        << script << "noexec"
        << "%1 lies on a file system that does not let programs run (it is mounted \"noexec\"). "
           "Mount it without \"noexec\", or install the program on another file system, and try "
           "again.";
    QTest::newRow("an interpreter that is not installed")
        << QByteArray("#!/bin/no-such-shell\nexit 0\n") << "x"
        << "%1 names an interpreter that is not installed: /bin/no-such-shell";
    QTest::newRow("an interpreter with arguments that is not installed")
        << QByteArray("#! /usr/bin/no-such-env -S sh\nexit 0\n") << "x"
        << "%1 names an interpreter that is not installed: /usr/bin/no-such-env";
    QTest::newRow("no #! line")
        << QByteArray("exit 0\n") << "x"
        << "%1 is neither a program nor a script: a script must name its interpreter on its "
           "first line, after \"#!\".";
    // Refused before the start: "env" or "sh" would start, and only then fail.
    for (const char *line : { "/bin/sh", "/usr/bin/env sh", "/bin/sh -e" }) {
        QTest::addRow("#!%s with Windows line ends", line)
            << "#!" + QByteArray(line) + "\r\nexit 0\r\n" << "x"
            << QStringLiteral("%1 has Windows line ends (CR LF), which the system cannot run: its "
                              "first line names \"%3\" with a carriage return after it. Save it "
                              "with Unix line ends (LF) and try again.")
                   .replace(QStringLiteral("%3"), QLatin1String(line));
    }
    QTest::newRow("an interpreter that cannot be run")
        << QByteArray("#!%2/notes.txt\nexit 0\n") << "x"
        << "%1 names an interpreter that cannot be run: %2/notes.txt";
    QTest::newRow("a folder as interpreter")
        << QByteArray("#!%2\nexit 0\n") << "x"
        << "%1 names a folder as its interpreter, not a program: %2";
    QTest::newRow("a #! line longer than the system reads")
        << "#!/bin/" + QByteArray(300, 's') + "\n" << "x"
        << "%1 has a first line longer than the 255 characters the system reads to find the "
           "script's interpreter. Shorten the line that starts with \"#!\".";
    QTest::newRow("a program for this processor whose loader is missing")
        << withoutLoader << "x"
        << "%1 needs the program loader /lib64/no-such-loader.so.2, which is not installed on "
           "this computer. Install what provides it, or a version of the program made for this "
           "system.";
    QTest::newRow("an interpreter of text with execute bits")
        << QByteArray("#!%2/hostname\nexit 0\n") << "x"
        << "%1 names as its interpreter a file of text or data, not a program: %2/hostname. "
           "A script's first line must name a program, such as #!/bin/sh.";
    // Judged from the script's folder, where it runs: from "/", "bin/sh" would be found.
    QTest::newRow("a relative interpreter missing beside the script")
        << QByteArray("#!bin/sh\nexit 0\n") << "x from /"
        << "%1 names an interpreter that is not installed: bin/sh";
    QTest::newRow("env naming an interpreter that is not on the search path")
        << QByteArray("#!/usr/bin/env no-such-shell\nexit 0\n") << "x"
        << "%1 names an interpreter that is not installed: no-such-shell (env looks for it in "
           "the folders of the search path, PATH, and it is in none of them).";
    QTest::newRow("a program for another processor")
        << foreignProgram << "x"
        << "%1 is a program for another kind of processor, which this computer cannot run.";
}

void ServicesTest::aScriptThatCannotStartSaysWhatIsWrong()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    QFETCH(QString, reason);

    // GIVEN a script that cannot start, of the wizard's script's name
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray mountPoint = QFile::encodeName(folder.filePath(QStringLiteral("noexec")));
    // Detached: whatever the failed start left standing in it, on its way out, cannot keep the
    // file system mounted after the test.
    const auto unmount = qScopeGuard([&] { umount2(mountPoint.constData(), MNT_DETACH); });
    const QString workingFolder = QDir::currentPath();
    const auto restore = qScopeGuard([&] { QDir::setCurrent(workingFolder); });
    QString script = folder.filePath(QStringLiteral("Sweepwright.cmd"));
    if (kind == QLatin1String("noexec")) {
        // Only an administrator mounts a file system; CI runs as one.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("noexec")));
        if (geteuid() != 0
            || mount("tmpfs", mountPoint.constData(), "tmpfs", MS_NOEXEC, "size=64k") != 0)
            QSKIP("mounting a noexec file system needs an administrator");
        script = folder.filePath(QStringLiteral("noexec/Sweepwright.cmd"));
    }
    touch(folder.filePath(QStringLiteral("notes.txt"))); // a file that is not a program
    QFile text(folder.filePath(QStringLiteral("hostname")));
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("velmora-host\n") > 0);
    text.close();
    QVERIFY(text.setPermissions(text.permissions() | QFileDevice::ExeOwner));
    content.replace("%2", QFile::encodeName(folder.path()));
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Sweepwright.cmd")));
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(mkfifo(QFile::encodeName(script).constData(), 0700), 0);
    } else if (kind != QLatin1String("missing")) {
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
        file.close();
        QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        if (kind != QLatin1String("-"))
            permissions |= QFileDevice::ExeOwner;
        QVERIFY(file.setPermissions(permissions));
    }
    QString named = script;
    if (kind == QLatin1String("relative")) {
        QVERIFY(QDir::setCurrent(folder.path()));
        named = QStringLiteral("Sweepwright.cmd");
    } else if (kind == QLatin1String("nul")) {
        named = script + QChar(u'\0') + QStringLiteral("--junk");
    } else if (kind == QLatin1String("x from /")) {
        QVERIFY(QDir::setCurrent(QStringLiteral("/")));
    }

    // WHEN it is started
    const StartResult result = SystemProgramStarter().start(named);

    // THEN it does not start, and the reason says what the user must mend
    QVERIFY(!result.started);
    QCOMPARE(result.failureReason, reason.replace(QStringLiteral("%2"), folder.path())
                                       .replace(QStringLiteral("%1"), named));
}
#endif

PROGRAM_TEST_MAIN(ServicesTest, "Velmora", velmoraCaptions)
#include "tst_services.moc"
