// "System Info..." in the About box: which program it starts for what the registry holds, and
// that every way it can fail ends in the one message, with the box left open as it was and the
// registry's keys closed exactly when they were opened.

#include "fakeservices.h"
#include "frmabout.h"
#include "testmain.h"

#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

const std::u16string toolKey = u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::u16string locationKey = u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location";

// A registry value as stored: its type and data bytes.
struct Stored
{
    int type = -1; // -1: no such value
    QByteArray data;
};

Stored text(const QString &value)
{
    QByteArray data(reinterpret_cast<const char *>(value.utf16()), value.size() * 2);
    return { 1, data.append('\0').append('\0') };
}

Stored textWithoutZero(const QString &value)
{
    return { 1, QByteArray(reinterpret_cast<const char *>(value.utf16()), value.size() * 2) };
}

#ifdef _WIN32
const QString toolInFolder = QStringLiteral("C:\\Tools\\MSINFO32.EXE");
const QString folder = QStringLiteral("C:\\Tools");
#else
const QString toolInFolder = QStringLiteral("/opt/tools/MSINFO32.EXE");
const QString folder = QStringLiteral("/opt/tools");
#endif

} // namespace

Q_DECLARE_METATYPE(Stored)

namespace {

// The buffer holds 1024 bytes of the ANSI code page: from the terminating zero alone to 1023
// characters and the zero, or 1024 characters stored without one.
void addBufferRows()
{
    const Stored none;
    const QString found = QStringLiteral("MSINFO32.EXE");
    const QString notFound;
    QTest::newRow("the empty text, its zero alone: the empty path fails")
        << text(QString()) << text(folder) << found << false << QStringList { "" } << false
        << true;
    const QString longest(1023, u'x');
    QTest::newRow("1023 characters and the zero fill the buffer")
        << text(longest) << none << notFound << true << QStringList { longest } << false << false;
    QTest::newRow("1024 characters and the zero: not read, second key tried")
        << text(longest + u'x') << text(folder) << found << true << QStringList { toolInFolder }
        << true << false;
    QTest::newRow("1024 characters without a zero fill the buffer")
        << textWithoutZero(longest + u'x') << none << notFound << true
        << QStringList { longest + u'x' } << false << false;
    QTest::newRow("1025 characters without a zero: not read, no second key")
        << textWithoutZero(longest + QStringLiteral("xx")) << none << notFound << true
        << QStringList {} << true << true;
    QTest::newRow("value far longer than the buffer, no second key")
        << text(QString(5000, u'x')) << none << notFound << true << QStringList {} << true << true;
    QTest::newRow("expandable string of 1023 characters is read, and leaves the path empty")
        << Stored { 2, text(longest).data } << text(folder) << found << false
        << QStringList { "" } << false << true;
    QTest::newRow("DWORD value's four bytes fit")
        << Stored { 4, QByteArray("\x01\x00\x00\x00", 4) } << none << notFound << true
        << QStringList { "1" } << false << false;
    QTest::newRow("binary value of 1025 bytes: not read, second key tried")
        << Stored { 3, QByteArray(1025, 'b') } << text(folder) << found << true
        << QStringList { toolInFolder } << true << false;
#ifndef _WIN32
    // Off Windows a character is one byte, whatever its script; on Windows the system's code
    // page decides, which the Windows tests show.
    const QString cyrillic(1023, u'Ж');
    QTest::newRow("1023 Cyrillic characters and the zero fill the buffer")
        << text(cyrillic) << none << notFound << true << QStringList { cyrillic } << false
        << false;
    const QString faces = QStringLiteral("\U0001F600").repeated(1023);
    QTest::newRow("1023 characters beyond the first 65,536 fill the buffer")
        << text(faces) << none << notFound << true << QStringList { faces } << false << false;
    QTest::newRow("1024 characters beyond the first 65,536: not read")
        << text(faces + QStringLiteral("\U0001F600")) << none << notFound << true
        << QStringList {} << true << true;
#endif
}

} // namespace

class SysInfoTest : public QObject
{
    Q_OBJECT

private slots:
    void startsTheToolOrSaysItIsUnavailable_data();
    void startsTheToolOrSaysItIsUnavailable();
#ifndef _WIN32
    // Velmora's About box with the real registry file and start, run as a program of its own.
    void startsOnlyAToolNamedByItsFullPath_data();
    void startsOnlyAToolNamedByItsFullPath();
#endif
};

void SysInfoTest::startsTheToolOrSaysItIsUnavailable_data()
{
    QTest::addColumn<Stored>("path");     // "PATH" under ...\Shared Tools\MSINFO
    QTest::addColumn<Stored>("location"); // "MSINFO" under ...\Shared Tools Location
    QTest::addColumn<QString>("foundTool"); // what the look-up in the folder finds
    QTest::addColumn<bool>("startSucceeds");
    QTest::addColumn<QStringList>("started"); // every program the box asked to start
    QTest::addColumn<bool>("secondKeyTried");
    QTest::addColumn<bool>("unavailable"); // the message is shown

    const Stored none;
    const QString found = QStringLiteral("MSINFO32.EXE");
    const QString notFound;
    const QString tool = QStringLiteral("/usr/bin/hardinfo");

    QTest::newRow("PATH present, no second key: started directly")
        << text(tool) << none << notFound << true << QStringList { tool } << false << false;
    QTest::newRow("PATH naming a missing file: message, second key not tried")
        << text(QStringLiteral("/nowhere/missing")) << text(folder) << found << false
        << QStringList { "/nowhere/missing" } << false << true;
    QTest::newRow("PATH of another type: the empty path fails")
        << Stored { 3, QByteArray("\x2f\x00\x62\x00", 4) } << none << notFound << false
        << QStringList { "" } << false << true;
    QTest::newRow("only the second key, tool in its folder")
        << none << text(folder) << found << true << QStringList { toolInFolder } << true << false;
    QTest::newRow("only the second key, tool found in other letters: the file found started")
        << none << text(folder) << QStringLiteral("msinfo32.exe") << true
        << QStringList { folder + QDir::separator() + QStringLiteral("msinfo32.exe") } << true << false;
    QTest::newRow("only the second key, folder without the tool")
        << none << text(folder) << notFound << true << QStringList {} << true << true;
    QTest::newRow("tool in its folder but not startable")
        << none << text(folder) << found << false << QStringList { toolInFolder } << true << true;
    QTest::newRow("neither key") << none << none << notFound << true << QStringList {} << true << true;
    QTest::newRow("string without its terminating zero keeps its last character")
        << textWithoutZero(tool) << none << notFound << true << QStringList { tool } << false
        << false;
    QTest::newRow("value with no data") << Stored { 1, QByteArray() } << text(folder) << found
                                        << true << QStringList {} << false << true;
    QTest::newRow("REG_DWORD is its decimal number")
        << Stored { 4, QByteArray("\x78\x56\x34\x12", 4) } << none << notFound << true
        << QStringList { "305419896" } << false << false;
    QTest::newRow("path outside the ANSI code page")
        << text(QStringLiteral("/opt/Сведения/情報")) << none << notFound << true
        << QStringList { QStringLiteral("/opt/Сведения/情報") } << false << false;

    addBufferRows();
}

void SysInfoTest::startsTheToolOrSaysItIsUnavailable()
{
    QFETCH(Stored, path);
    QFETCH(Stored, location);
    QFETCH(QString, foundTool);
    QFETCH(bool, startSucceeds);
    QFETCH(QStringList, started);
    QFETCH(bool, secondKeyTried);
    QFETCH(bool, unavailable);

    // GIVEN the registry's values, the tool's folder and how the start goes
    FakeServices fakes(QStringLiteral("Velmora"));
    const auto store = [&](const std::u16string &key, const std::u16string &name,
                           const Stored &value) {
        if (value.type >= 0)
            fakes.registry.set(key, name, static_cast<std::uint32_t>(value.type),
                               { value.data.begin(), value.data.end() });
    };
    store(toolKey, u"PATH", path);
    store(locationKey, u"MSINFO", location);
    if (!foundTool.isEmpty())
        fakes.files.answers.insert(toolInFolder, foundTool);
    fakes.programs.answer = { startSucceeds, startSucceeds ? QString() : "not found" };
    QPointer<frmAbout> about = new frmAbout(fakes.services());
    about->show();

    // WHEN "System Info..." is pressed
    QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdSysInfo")),
                      Qt::LeftButton);

    // THEN the tool is asked to start
    QCOMPARE(fakes.programs.asked, started);
    // AND the second key is tried only when the first gave nothing
    QCOMPARE(fakes.registry.opens.size(), secondKeyTried ? 2 : 1);
    QVERIFY(fakes.registry.opens.at(0).path == u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
    QCOMPARE(fakes.registry.opens.at(0).root, RegistryKey(0x80000002));
    // AND every key opened is closed once, and nothing else is closed
    QList<RegistryKey> opened;
    for (const FakeRegistry::Opened &open : fakes.registry.opens) {
        if (open.key != 0)
            opened.append(open.key);
    }
    QCOMPARE(fakes.registry.closes, opened);
    // AND a failure says so in the one designed message, under the program's title
    if (unavailable) {
        QCOMPARE(fakes.messages.shown.size(), 1);
        QCOMPARE(fakes.messages.shown.at(0).prompt,
                 QStringLiteral("System Information Is Unavailable At This Time"));
        QCOMPARE(fakes.messages.shown.at(0).style, MessageStyle::OkOnly);
        QCOMPARE(fakes.messages.shown.at(0).title, QStringLiteral("Velmora"));
    } else {
        QVERIFY(fakes.messages.shown.isEmpty());
    }
    // AND the box stays open as it was, and the program goes on
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("About Velmora"));
    QCOMPARE(about->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Version 1.0.0"));
    QVERIFY(fakes.programEnd.endings.isEmpty());
    delete about;
}

#ifndef _WIN32
void SysInfoTest::startsOnlyAToolNamedByItsFullPath_data()
{
    // The registry file's key and value; %1 stands for the test's folder, in which "tools" holds
    // the tool by two names and a FIFO, and which is the working folder.
    QTest::addColumn<QByteArray>("values");
    QTest::addColumn<bool>("starts");

    const QByteArray tool = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
                            "\"PATH\"=";
    QTest::newRow("PATH naming the tool") << tool + "\"%1/tools/msinfo32\"" << true;
    // Whoever opens a FIFO waits for a writer, for good if none comes.
    QTest::newRow("PATH naming a FIFO") << tool + "\"%1/tools/fifo\"" << false;
    QTest::newRow("PATH from the working folder") << tool + "\"tools/msinfo32\"" << false;
    QTest::newRow("PATH with a NUL inside") << tool + "hex(1):%2" << false;
    QTest::newRow("MSINFO from the working folder")
        << QByteArray("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\n"
                      "\"MSINFO\"=\"tools\"")
        << false;
}

void SysInfoTest::startsOnlyAToolNamedByItsFullPath()
{
    QFETCH(QByteArray, values);
    QFETCH(bool, starts);

    // GIVEN a registry file with the value, and a tool that leaves a mark in its folder
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QDir root(folder.path());
    QVERIFY(root.mkpath(QStringLiteral("tools")) && root.mkpath(QStringLiteral("home/Velmora")));
    for (const char *name : { "msinfo32", "MSINFO32.EXE" }) {
        QFile script(root.filePath(QStringLiteral("tools/") + QLatin1String(name)));
        QVERIFY(script.open(QIODevice::WriteOnly) && script.write("#!/bin/sh\ntouch ran\n") > 0);
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
    }
    QCOMPARE(mkfifo(QFile::encodeName(root.filePath(QStringLiteral("tools/fifo"))), 0700), 0);
    const QString withNul = folder.path() + QStringLiteral("/tools/msinfo32") + QChar(u'\0')
        + QStringLiteral("--junk") + QChar(u'\0');
    QByteArray bytes(reinterpret_cast<const char *>(withNul.utf16()), withNul.size() * 2);
    values.replace("%1", QFile::encodeName(folder.path())).replace("%2", bytes.toHex(','));
    QFile registry(root.filePath(QStringLiteral("home/Velmora/registry.reg")));
    QVERIFY(registry.open(QIODevice::WriteOnly));
    registry.write("Windows Registry Editor Version 5.00\n\n" + values + "\n");
    registry.close();

    // WHEN the About box, started from that folder, is asked for System Info
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), root.filePath(QStringLiteral("none")));
    probe.setProcessEnvironment(environment);
    probe.setWorkingDirectory(folder.path());
    probe.start(QStringLiteral(SYSINFO_PROBE_PATH), {});
    QVERIFY2(probe.waitForFinished(20000), "the About box stopped answering");

    // THEN only a tool named by its full path started, and otherwise the box said it is
    // unavailable
    QCOMPARE(probe.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()),
             starts ? QString()
                    : QStringLiteral("[Velmora] (0) System Information Is Unavailable At This "
                                     "Time\n"));
    const QString mark = root.filePath(QStringLiteral("tools/ran"));
    if (starts)
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(mark), 10000);
    QTest::qWait(starts ? 0 : 500);
    QCOMPARE(QFile::exists(mark), starts);
}
#endif

PROGRAM_TEST_MAIN(SysInfoTest, "Velmora", velmoraCaptions)
#include "tst_sysinfo.moc"
