// "System Info..." in the About box: which program it starts for what the registry holds, and
// that every way it can fail ends in the one message, with the box left open as it was and the
// registry's keys closed exactly when they were opened.

#include "fakeservices.h"
#include "frmabout.h"
#include "testmain.h"

#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

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

class SysInfoTest : public QObject
{
    Q_OBJECT

private slots:
    void startsTheToolOrSaysItIsUnavailable_data();
    void startsTheToolOrSaysItIsUnavailable();
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

    // The buffer holds 1024 bytes: 511 characters and the terminating zero.
    const QString longest(511, u'x');
    QTest::newRow("value filling the buffer exactly")
        << text(longest) << none << notFound << true << QStringList { longest } << false << false;
    QTest::newRow("value longer than the buffer: not read, second key tried")
        << text(QString(512, u'x')) << text(folder) << found << true
        << QStringList { toolInFolder } << true << false;
    QTest::newRow("value longer than the buffer, no second key")
        << text(QString(600, u'x')) << none << notFound << true << QStringList {} << true << true;
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

PROGRAM_TEST_MAIN(SysInfoTest, "Velmora")
#include "tst_sysinfo.moc"
