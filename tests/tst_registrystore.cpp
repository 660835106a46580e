// The registry off Windows: what a registry export file gives for one value, a row for each
// shape of file, well-formed or odd. The registry editor's import is what a file means; each
// row's value is typed from the editor's documented behaviour and from what Wine's regedit, its
// peer, imports. Where Wine reads a file otherwise, the row says so and why we differ.
// theEditorReadsTheSame imports every row's file with Wine's regedit, when a Wine prefix is
// named in VELMORA_REGEDIT_PREFIX:
//     VELMORA_REGEDIT_PREFIX=$(mktemp -d) build/default/tests/tst_registrystore

#include "registry/registrystore.h"
#include "testmain.h"
#include "wineregedit.h"

#include <QRandomGenerator>

namespace {

// A value as the registry gives it; type -1 when the key has no such value, -2 when there is
// no such key.
struct Found
{
    int type = -1;
    QByteArray data;
};
constexpr int noValue = -1;
constexpr int noKey = -2;

Found lookUp(Registry &registry, const QString &key, const QString &name)
{
    RegistryKey handle = 0;
    if (registry.openKey(registryLocalMachine, key.toStdU16String(), handle) != 0)
        return { noKey, {} };
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    Found found;
    if (registry.queryValue(handle, name.toStdU16String(), type, nullptr, size) == 0) {
        QByteArray data(static_cast<qsizetype>(size), '\0');
        if (registry.queryValue(handle, name.toStdU16String(), type,
                                reinterpret_cast<unsigned char *>(data.data()), size)
            == 0)
            found = { static_cast<int>(type), data };
    }
    registry.closeKey(handle);
    return found;
}

// A string value's data: UTF-16LE with its terminating zero.
QByteArray sz(const QString &text)
{
    QByteArray data;
    for (const QChar c : text)
        data.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    return data.append(2, '\0');
}

QByteArray utf16File(const QString &text)
{
    return QByteArray("\xFF\xFE", 2) + sz(text).chopped(2);
}

QByteArray hex(const char *digits)
{
    return QByteArray::fromHex(digits);
}

const QByteArray header = "Windows Registry Editor Version 5.00\r\n\r\n";
const QByteArray regedit4 = "REGEDIT4\r\n\r\n";
const QByteArray tools = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tools]\r\n";
const QString toolsKey = QStringLiteral("SOFTWARE\\Tools");
const QByteArray absent;

enum class Wine { Agrees, Differs };

void row(const char *name, const QByteArray &file, const QString &key, const QString &value,
         int type, const QByteArray &data, Wine wine = Wine::Agrees)
{
    QTest::newRow(name) << file << key << value << type << data << (wine == Wine::Agrees);
}

// A value of the tools key, in a file of the current format.
void toolsRow(const char *name, const QByteArray &lines, const QString &value, int type,
              const QByteArray &data, Wine wine = Wine::Agrees)
{
    row(name, header + tools + lines, toolsKey, value, type, data, wine);
}

void addWellFormedRows()
{
    toolsRow("text with \\\\ and \\\" escapes", R"("Path"="C:\\Tools\\\"x\"")", "Path", 1,
             sz(QStringLiteral("C:\\Tools\\\"x\"")));
    toolsRow("default value", "@=\"tool\"\r\n", "", 1, sz("tool"));
    toolsRow("dword", "\"N\"=dword:0001e240\r\n", "N", 4, hex("40e20100"));
    toolsRow("hex", "\"B\"=hex:de,ad,BE,ef\r\n", "B", 3, hex("deadbeef"));
    // Wine takes the bytes of hex(1), hex(2) and hex(7) in a file without a UTF-16 byte order
    // mark for 8-bit text; the format's header says they are the value's own bytes.
    toolsRow("hex(2) over continued lines",
             "\"E\"=hex(2):25,00,41,00,\\\r\n  25,00,\\\r\n  00,00\r\n", "E", 2,
             hex("2500410025000000"), Wine::Differs);
    toolsRow("hex(1) is the bytes as given", "\"S\"=hex(1):41,00\r\n", "S", 1, hex("4100"),
             Wine::Differs);
    toolsRow("hex(0) without data", "\"Z\"=hex(0):\r\n", "Z", 0, QByteArray());
    toolsRow("a name with z in other letters", "\"Fizz\"=\"x\"\r\n", "FIZZ", 1, sz("x"));
    row("UTF-16LE with byte order mark",
        utf16File(QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_"
                                 "MACHINE\\SOFTWARE\\Tools]\r\n\"P\"=\"/opt/Сведения\"\r\n")),
        toolsKey, "P", 1, sz(QStringLiteral("/opt/Сведения")));
    row("UTF-8 with byte order mark",
        "\xEF\xBB\xBF" + header + tools + QStringLiteral("\"P\"=\"/opt/情報\"").toUtf8(),
        toolsKey, "P", 1, sz(QStringLiteral("/opt/情報")), Wine::Differs);
    toolsRow("the later of two settings", "\"P\"=\"a\"\r\n" + tools + "\"P\"=\"b\"\r\n", "P", 1,
             sz("b"));
    toolsRow("value removed", "\"P\"=\"a\"\r\n\"P\"=-\r\n", "P", noValue, absent);
    row("blanks and tabs at the ends and around =",
        header + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tools] \t\r\n \"P\" \t= \t\"a\" \t\r\n",
        toolsKey, "P", 1, sz("a"));
    toolsRow("UTF-8 beyond the first 65,536 characters",
             QStringLiteral("\"P\"=\"/opt/\U0001F600\"").toUtf8(), "P", 1,
             sz(QStringLiteral("/opt/\U0001F600")), Wine::Differs);
    toolsRow("comment", "; \"P\"=\"a\"\r\n", "P", noValue, absent);
}

// Key names as written, and keys removed.
void addKeyRows()
{
    row("key and value names in any case",
        header + "[HKEY_LOCAL_MACHINE\\Software\\Tools]\n\"Path\"=\"x\"\n", "SOFTWARE\\TOOLS",
        "PATH", 1, sz("x"));
    // Off Windows a file without a byte order mark is UTF-8; Wine reads it in the ANSI code page.
    const QByteArray lodz = header
        + QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Łódź]\r\n\"P\"=\"x\"\r\n").toUtf8();
    row("Łódź found as łódź", lodz, QStringLiteral("SOFTWARE\\łódź"), "P", 1, sz("x"),
        Wine::Differs);
    row("Łódź found as ŁÓDŹ", lodz, QStringLiteral("SOFTWARE\\ŁÓDŹ"), "P", 1, sz("x"),
        Wine::Differs);
    row("text after a key line's ] is passed over",
        header + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tools] x\r\n\"P\"=\"a\"\r\n", toolsKey, "P", 1,
        sz("a"));
    // Wine's import, as Windows', leaves SOFTWARE itself to the system: the removal fails.
    toolsRow("key removed", "\"P\"=\"a\"\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n", "P", noKey,
             absent, Wine::Differs);
    toolsRow("key removed by its own name",
             "\"P\"=\"a\"\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Tools]\r\n", "P", noKey, absent);
    toolsRow("key named again after its removal, without its values",
             "\"P\"=\"a\"\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Tools]\r\n" + tools, "P", noValue,
             absent);
    const QByteArray sharedTools = header
        + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Shared Tools Location]\r\n\"MSINFO\"=\"/opt\"\r\n"
        + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Shared Tools\\MSINFO]\r\n\"PATH\"=\"/x\"\r\n"
        + "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Shared Tools]\r\n";
    row("key removed with the keys below it", sharedTools, "SOFTWARE\\Shared Tools\\MSINFO",
        "PATH", noKey, absent);
    row("a key whose name goes on is not below", sharedTools, "SOFTWARE\\Shared Tools Location",
        "MSINFO", 1, sz("/opt"));
    // Wine's import knows the roots by their full names only.
    row("key 20,000 parts deep, under HKLM",
        header + "[HKLM\\SOFTWARE" + QByteArray("\\a").repeated(20000) + "]\n\"P\"=\"a\"\n",
        "SOFTWARE" + QStringLiteral("\\A").repeated(20000), "P", 1, sz("a"), Wine::Differs);
}

// The shapes of files written by hand: the older header, comments, escapes, keywords.
void addHandWrittenRows()
{
    const QByteArray tool = "\"P\"=\"/usr/bin/tool\"\r\n";
    row("REGEDIT4", regedit4 + tools + tool, toolsKey, "P", 1, sz("/usr/bin/tool"));
    row("REGEDIT4 with line feeds and no blank line", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\"
        "Tools]\n\"P\"=\"a\"\n", toolsKey, "P", 1, sz("a"));
    row("regedit4 in small letters is no header", "regedit4\r\n\r\n" + tools + tool, toolsKey,
        "P", noKey, absent);
    row("REGEDIT of Windows 3.1 is another format", "REGEDIT\r\n" + tools + tool, toolsKey, "P",
        noKey, absent);
    row("a blank line before the header", "\r\n" + header + tools + tool, toolsKey, "P", noKey,
        absent);
    row("REGEDIT4: hex(1) is 8-bit text, made wide", regedit4 + tools + "\"P\"=hex(1):2f,78,00",
        toolsKey, "P", 1, sz("/x"));
    row("REGEDIT4: hex(2) is 8-bit text, made wide", regedit4 + tools + "\"E\"=hex(2):25,50,25,00",
        toolsKey, "E", 2, sz("%P%"));
    // Off Windows the 8-bit text is UTF-8, as the file's own; Wine reads it in the ANSI code page.
    row("REGEDIT4: hex(1) of UTF-8", regedit4 + tools + "\"P\"=hex(1):2f,c3,a9,00", toolsKey,
        "P", 1, sz(QStringLiteral("/é")), Wine::Differs);
    row("REGEDIT4: hex: is the bytes as given", regedit4 + tools + "\"B\"=hex:41,00", toolsKey,
        "B", 3, hex("4100"));
    toolsRow("comment after a text", "\"P\"=\"/usr/bin/tool\" ; a note\r\n", "P", 1,
             sz("/usr/bin/tool"));
    toolsRow("comment right after a text", "\"P\"=\"x\";note\r\n", "P", 1, sz("x"));
    toolsRow("; inside a text is no comment", "\"P\"=\"a;b\"\r\n", "P", 1, sz("a;b"));
    toolsRow("comment after a dword", "\"N\"=dword:00000010 ; c\r\n", "N", 4, hex("10000000"));
    toolsRow("comment after hex bytes", "\"B\"=hex:01,02 ; c\r\n", "B", 3, hex("0102"));
    toolsRow("comment after a removal", "\"P\"=\"a\"\r\n\"P\"=- ; c\r\n", "P", noValue, absent);
    toolsRow("\\t is t, as any unknown escape", "\"P\"=\"a\\tb\"\r\n", "P", 1, sz("atb"));
    toolsRow("\\n and \\r are line ends", "\"P\"=\"a\\nb\\rc\"\r\n", "P", 1, sz("a\nb\rc"));
    // Wine's import stops at "\0" and reads nothing after it.
    toolsRow("\\0 is 0", "\"P\"=\"a\\0b\"\r\n\"Q\"=\"ok\"\r\n", "P", 1, sz("a0b"), Wine::Differs);
    toolsRow("\\ before the closing quote leaves the text open", "\"P\"=\"ab\\\"\r\n", "P",
             noValue, absent);
    toolsRow("\\\" in a value name", "\"Na\\\"me\"=\"q\"\r\n", "Na\"me", 1, sz("q"));
    toolsRow("\\\\ in a value name", "\"N\\\\b\"=\"r\"\r\n", "N\\b", 1, sz("r"));
    toolsRow("DWORD: in capitals is not read", "\"N\"=DWORD:00000010\r\n", "N", noValue, absent);
    toolsRow("HEX: in capitals is not read", "\"B\"=HEX:01\r\n", "B", noValue, absent);
    toolsRow("dword of one digit", "\"N\"=dword:1\r\n", "N", 4, hex("01000000"));
    toolsRow("dword after a blank", "\"N\"=dword: 2\r\n", "N", 4, hex("02000000"));
    toolsRow("dword:0x10 is not read", "\"N\"=dword:0x10\r\n", "N", noValue, absent);
}

// Hex values over several lines, and key lines around values.
void addHexAndKeyRows()
{
    toolsRow("a byte of one digit", "\"B\"=hex:de,a,be\r\n", "B", 3, hex("de0abe"));
    toolsRow("hex bytes ending in a comma", "\"B\"=hex:01,\r\n", "B", 3, hex("01"));
    toolsRow("hex bytes with an empty byte", "\"B\"=hex:01,,02\r\n", "B", noValue, absent);
    toolsRow("hex value going on after an empty line",
             "\"B\"=hex:01,02,\\\r\n\r\n  03,04\r\n\"W\"=\"ok\"\r\n", "B", 3, hex("01020304"));
    toolsRow("\\ right after a byte", "\"B\"=hex:01,02\\\r\n  03\r\n", "B", noValue, absent);
    toolsRow("hex value going on after a comment", "\"B\"=hex:01,02,\\\r\n; x\r\n  03\r\n", "B",
             3, hex("010203"));
    toolsRow("a comment hides the line's \\", "\"B\"=hex:01,02, ; \\\r\n  03\r\n", "B", 3,
             hex("0102"));
    toolsRow("hex value ending the file after its \\", "\"B\"=hex:01,02,\\\r\n", "B", 3,
             hex("0102"));
    const QByteArray emptyThenKey
        = "\"B\"=hex:01,02,\\\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Next]\r\n\"N\"=\"ok\"\r\n";
    toolsRow("hex value cut short by an empty line and a key", emptyThenKey, "B", noValue,
             absent);
    // Wine's import passes over the line that cuts a hex value short, a key line too, so that
    // the key's values go to the key before.
    row("key after a hex value cut short by an empty line", header + tools + emptyThenKey,
        "SOFTWARE\\Next", "N", 1, sz("ok"), Wine::Differs);
    const QByteArray valueLine = "\"B\"=hex:01,\\\r\n\"W\"=\"ok\"\r\n";
    toolsRow("hex value cut short by a value line", valueLine, "B", noValue, absent);
    toolsRow("value line after a hex value cut short", valueLine, "W", 1, sz("ok"),
             Wine::Differs);
    row("] inside a key name",
        header + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tools]x]\r\n\"P\"=\"a\"\r\n",
        QStringLiteral("SOFTWARE\\Tools]x"), "P", 1, sz("a"));
    toolsRow("value line after its key's removal",
             "\"Q\"=\"b\"\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Tools]\r\n\"P\"=\"a\"\r\n", "P",
             noKey, absent);
    toolsRow("value line after another key's removal",
             "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\r\n\"P\"=\"a\"\r\n", "P", noValue, absent);
}

// What cannot be read is absent, and the rest of the file is read.
void addMalformedRows()
{
    row("missing header", tools + "\"P\"=\"a\"\r\n", toolsKey, "P", noKey, absent);
    row("value before any key", header + "\"P\"=\"a\"\r\n" + tools, toolsKey, "P", noValue,
        absent);
    const QByteArray unterminated = "\"P\"=\"abc\r\n\"Q\"=\"ok\"\r\n";
    toolsRow("unterminated quote", unterminated, "P", noValue, absent);
    toolsRow("line after an unterminated quote", unterminated, "Q", 1, sz("ok"));
    toolsRow("unterminated name", "\"P=\"abc\"\r\n", "P", noValue, absent);
    toolsRow("three hex digits", "\"B\"=hex:dea,be\r\n", "B", noValue, absent);
    toolsRow("dword of nine digits", "\"N\"=dword:123456789\r\n", "N", noValue, absent);
    toolsRow("text followed by more", "\"P\"=\"a\" b\r\n", "P", noValue, absent);
    // Wine's import leaves the last key taking values after a key line it cannot read.
    toolsRow("value under a broken key line is not the last key's",
             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other\r\n\"P\"=\"a\"\r\n", "P", noValue, absent,
             Wine::Differs);
    toolsRow("value under an unknown root is not the last key's",
             "[HKEY_NOWHERE\\SOFTWARE\\Tools]\r\n\"P\"=\"a\"\r\n", "P", noValue, absent);
    const QByteArray cutShort
        = "\"B\"=hex:01,02,\\\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Next]\r\n\"N\"=\"ok\"\r\n";
    toolsRow("hex value cut short by a key", cutShort, "B", noValue, absent);
    row("key after a hex value cut short", header + tools + cutShort, "SOFTWARE\\Next", "N", 1,
        sz("ok"), Wine::Differs);
    toolsRow("hex value cut short right after a byte",
             "\"B\"=hex:01,02\\\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Next]\r\n", "B", noValue,
             absent);
    toolsRow("overlong UTF-8 is not a letter", "\"\xC1\x90\"=\"a\"\r\n", "P", noValue, absent);
    const QString longText(1 << 20, u'x');
    toolsRow("very long line", "\"P\"=\"" + longText.toLatin1() + "\"\r\n", "P", 1,
             sz(longText));
    toolsRow("file larger than 4 MiB is not read", "\"P\"=\"a\"\r\n;" + QByteArray(4 << 20, 'x'),
             "P", noKey, absent, Wine::Differs);
    const QByteArray truncated = utf16File(QStringLiteral(
                                               "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_"
                                               "LOCAL_MACHINE\\SOFTWARE\\Tools]\r\n\"P\"=\"ok\"\r\n"
                                               "\"Q\"=\"cut\""))
                                     .chopped(1);
    row("truncated UTF-16 file", truncated, toolsKey, "P", 1, sz("ok"));
    row("value cut by the truncation", truncated, toolsKey, "Q", noValue, absent);
    // Wine's import refuses the whole of an 8-bit file that holds a NUL byte.
    toolsRow("binary garbage line",
             QByteArray("\x00\xff\xfe[\"\\\x01\x80\r\n", 10) + "\"P\"=\"ok\"\r\n", "P", 1,
             sz("ok"), Wine::Differs);
    QByteArray garbage(64 * 1024, '\0');
    QRandomGenerator random(8);
    for (char &byte : garbage)
        byte = static_cast<char>(random.bounded(256));
    row("binary garbage file", garbage, toolsKey, "P", noKey, absent);
}

} // namespace

class RegistryStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void readsWhatTheFileHolds_data();
    void readsWhatTheFileHolds();
    void theEditorReadsTheSame_data() { readsWhatTheFileHolds_data(); }
    void theEditorReadsTheSame();
};

void RegistryStoreTest::readsWhatTheFileHolds_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("wineAgrees");

    addWellFormedRows();
    addKeyRows();
    addHandWrittenRows();
    addHexAndKeyRows();
    addMalformedRows();
}

void RegistryStoreTest::readsWhatTheFileHolds()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(QByteArray, data);

    RegistryStore store(file);
    const Found found = lookUp(store, key, name);

    QCOMPARE(found.type, type);
    QCOMPARE(found.data, data);
    QVERIFY(!store.hasOpenKeys());
}

void RegistryStoreTest::theEditorReadsTheSame()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(QByteArray, data);
    QFETCH(bool, wineAgrees);

    static const std::optional<WineRegedit> regedit = WineRegedit::fromEnvironment();
    if (!regedit)
        QSKIP("VELMORA_REGEDIT_PREFIX names no Wine prefix");
    if (!wineAgrees)
        QSKIP("Wine's regedit reads this file otherwise; the row says why");
    const QString expected = regQueryForm(type, data);
    if (expected.isEmpty() || file.size() > 64 * 1024)
        QSKIP("reg cannot show this value faithfully, or the file is too large for Wine");

    std::optional<QString> imported = regedit->imported(file, key, name);
    // Now and then (one file in a few hundred here) Wine misses an import, its server starting
    // or stopping between two runs: a second import tells that from a true difference.
    if (imported != expected)
        imported = regedit->imported(file, key, name);

    QVERIFY2(imported, "Wine did not run");
    QCOMPARE(*imported, expected);
}

PROGRAM_TEST_MAIN(RegistryStoreTest, "Velmora", velmoraCaptions)
#include "tst_registrystore.moc"
