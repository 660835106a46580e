// The registry off Windows: what a registry export file gives for one value, for well-formed
// and malformed files.

#include "registrystore.h"
#include "testmain.h"

#include <QRandomGenerator>

namespace {

// A value as the registry gives it; type -1 when the key has no such value, -2 when there is
// no such key.
struct Found
{
    int type = -1;
    QByteArray data;
};
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

const QByteArray header = "Windows Registry Editor Version 5.00\r\n\r\n";
const QByteArray tools = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tools]\r\n";

} // namespace

Q_DECLARE_METATYPE(Found)

class RegistryStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void readsWhatTheFileHolds_data();
    void readsWhatTheFileHolds();
};

void RegistryStoreTest::readsWhatTheFileHolds_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("data");

    const QString key = QStringLiteral("SOFTWARE\\Tools");
    const QByteArray absent;

    // Well-formed
    QTest::newRow("text with \\\\ and \\\" escapes")
        << header + tools + R"("Path"="C:\\Tools\\\"x\"")" << key << "Path" << 1
        << sz(QStringLiteral("C:\\Tools\\\"x\""));
    QTest::newRow("default value") << header + tools + "@=\"tool\"\r\n" << key << "" << 1
                                   << sz("tool");
    QTest::newRow("dword") << header + tools + "\"N\"=dword:0001e240\r\n" << key << "N" << 4
                           << QByteArray::fromHex("40e20100");
    QTest::newRow("hex") << header + tools + "\"B\"=hex:de,ad,BE,ef\r\n" << key << "B" << 3
                         << QByteArray::fromHex("deadbeef");
    QTest::newRow("hex(2) over continued lines")
        << header + tools + "\"E\"=hex(2):25,00,41,00,\\\r\n  25,00,\\\r\n  00,00\r\n" << key
        << "E" << 2 << QByteArray::fromHex("2500410025000000");
    QTest::newRow("hex(1) is the bytes as given")
        << header + tools + "\"S\"=hex(1):41,00\r\n" << key << "S" << 1
        << QByteArray::fromHex("4100");
    QTest::newRow("hex(0) without data") << header + tools + "\"Z\"=hex(0):\r\n" << key << "Z"
                                         << 0 << QByteArray();
    QTest::newRow("key and value names in any case")
        << header + "[HKEY_LOCAL_MACHINE\\Software\\Tools]\n\"Path\"=\"x\"\n" << "SOFTWARE\\TOOLS"
        << "PATH" << 1 << sz("x");
    QTest::newRow("a name with z in other letters") << header + tools + "\"Fizz\"=\"x\"\r\n" << key
                                                    << "FIZZ" << 1 << sz("x");
    const QByteArray lodz = header
        + QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Łódź]\r\n\"P\"=\"x\"\r\n").toUtf8();
    QTest::newRow("Łódź found as łódź") << lodz << QStringLiteral("SOFTWARE\\łódź") << "P" << 1
                                        << sz("x");
    QTest::newRow("Łódź found as ŁÓDŹ") << lodz << QStringLiteral("SOFTWARE\\ŁÓDŹ") << "P" << 1
                                        << sz("x");
    QTest::newRow("text after a key line's ] is passed over")
        << header + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tools] x\r\n\"P\"=\"a\"\r\n" << key << "P"
        << 1 << sz("a");
    QTest::newRow("UTF-16LE with byte order mark")
        << utf16File(QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_"
                                    "MACHINE\\SOFTWARE\\Tools]\r\n\"P\"=\"/opt/Сведения\"\r\n"))
        << key << "P" << 1 << sz(QStringLiteral("/opt/Сведения"));
    QTest::newRow("UTF-8 with byte order mark")
        << "\xEF\xBB\xBF" + header + tools + QStringLiteral("\"P\"=\"/opt/情報\"").toUtf8()
        << key << "P" << 1 << sz(QStringLiteral("/opt/情報"));
    QTest::newRow("the later of two settings")
        << header + tools + "\"P\"=\"a\"\r\n" + tools + "\"P\"=\"b\"\r\n" << key << "P" << 1
        << sz("b");
    QTest::newRow("value removed") << header + tools + "\"P\"=\"a\"\r\n\"P\"=-\r\n" << key << "P"
                                   << -1 << absent;
    QTest::newRow("key removed")
        << header + tools + "\"P\"=\"a\"\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n" << key << "P"
        << noKey << absent;
    QTest::newRow("key removed by its own name")
        << header + tools + "\"P\"=\"a\"\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Tools]\r\n" << key << "P"
        << noKey << absent;
    QTest::newRow("key named again after its removal, without its values")
        << header + tools + "\"P\"=\"a\"\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Tools]\r\n" + tools << key
        << "P" << -1 << absent;
    const QByteArray sharedTools = header
        + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Shared Tools Location]\r\n\"MSINFO\"=\"/opt\"\r\n"
        + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Shared Tools\\MSINFO]\r\n\"PATH\"=\"/x\"\r\n"
        + "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Shared Tools]\r\n";
    QTest::newRow("key removed with the keys below it")
        << sharedTools << "SOFTWARE\\Shared Tools\\MSINFO" << "PATH" << noKey << absent;
    QTest::newRow("a key whose name goes on is not below")
        << sharedTools << "SOFTWARE\\Shared Tools Location" << "MSINFO" << 1 << sz("/opt");
    QTest::newRow("blanks and tabs at the ends and around =")
        << header + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tools] \t\r\n \"P\" \t= \t\"a\" \t\r\n"
        << key << "P" << 1 << sz("a");
    QTest::newRow("UTF-8 beyond the first 65,536 characters")
        << header + tools + QStringLiteral("\"P\"=\"/opt/\U0001F600\"").toUtf8() << key << "P"
        << 1 << sz(QStringLiteral("/opt/\U0001F600"));
    QTest::newRow("key 20,000 parts deep")
        << header + "[HKLM\\SOFTWARE" + QByteArray("\\a").repeated(20000) + "]\n\"P\"=\"a\"\n"
        << "SOFTWARE" + QStringLiteral("\\A").repeated(20000) << "P" << 1 << sz("a");
    QTest::newRow("comment") << header + tools + "; \"P\"=\"a\"\r\n" << key << "P" << -1
                             << absent;

    // Malformed: what cannot be read is absent, and the rest of the file is read
    QTest::newRow("missing header") << tools + "\"P\"=\"a\"\r\n" << key << "P" << noKey
                                    << absent;
    QTest::newRow("value before any key")
        << header + "\"P\"=\"a\"\r\n" + tools << key << "P" << -1 << absent;
    const QByteArray unknownEscape = header + tools + "\"P\"=\"a\\nb\"\r\n\"Q\"=\"ok\"\r\n";
    QTest::newRow("unknown escape") << unknownEscape << key << "P" << -1 << absent;
    QTest::newRow("line after an unknown escape") << unknownEscape << key << "Q" << 1 << sz("ok");
    const QByteArray unterminated = header + tools + "\"P\"=\"abc\r\n\"Q\"=\"ok\"\r\n";
    QTest::newRow("unterminated quote") << unterminated << key << "P" << -1 << absent;
    QTest::newRow("line after an unterminated quote")
        << unterminated << key << "Q" << 1 << sz("ok");
    QTest::newRow("unterminated name") << header + tools + "\"P=\"abc\"\r\n" << key << "P" << -1
                                       << absent;
    QTest::newRow("odd hex digits") << header + tools + "\"B\"=hex:de,a,be\r\n" << key << "B"
                                    << -1 << absent;
    QTest::newRow("three hex digits") << header + tools + "\"B\"=hex:dea,be\r\n" << key << "B"
                                      << -1 << absent;
    QTest::newRow("dword of nine digits") << header + tools + "\"N\"=dword:123456789\r\n" << key
                                          << "N" << -1 << absent;
    QTest::newRow("text followed by more")
        << header + tools + "\"P\"=\"a\" b\r\n" << key << "P" << -1 << absent;
    QTest::newRow("value under a broken key line is not the last key's")
        << header + tools + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other\r\n\"P\"=\"a\"\r\n" << key
        << "P" << -1 << absent;
    QTest::newRow("value under an unknown root is not the last key's")
        << header + tools + "[HKEY_NOWHERE\\SOFTWARE\\Tools]\r\n\"P\"=\"a\"\r\n" << key << "P"
        << -1 << absent;
    const QByteArray cutShort = header + tools
        + "\"B\"=hex:01,02,\\\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Next]\r\n\"N\"=\"ok\"\r\n";
    QTest::newRow("hex value cut short by a key") << cutShort << key << "B" << -1 << absent;
    QTest::newRow("key after a hex value cut short")
        << cutShort << "SOFTWARE\\Next" << "N" << 1 << sz("ok");
    QTest::newRow("hex value cut short right after a byte")
        << header + tools + "\"B\"=hex:01,02\\\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Next]\r\n" << key
        << "B" << -1 << absent;
    QTest::newRow("overlong UTF-8 is not a letter")
        << header + tools + "\"\xC1\x90\"=\"a\"\r\n" << key << "P" << -1 << absent;
    const QString longText(1 << 20, u'x');
    QTest::newRow("very long line") << header + tools + "\"P\"=\"" + longText.toLatin1() + "\"\r\n"
                                    << key << "P" << 1 << sz(longText);
    QTest::newRow("file larger than 4 MiB is not read")
        << header + tools + "\"P\"=\"a\"\r\n;" + QByteArray(4 << 20, 'x') << key << "P" << noKey
        << absent;
    const QByteArray truncated = utf16File(QStringLiteral(
                                               "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_"
                                               "LOCAL_MACHINE\\SOFTWARE\\Tools]\r\n\"P\"=\"ok\"\r\n"
                                               "\"Q\"=\"cut\""))
                                     .chopped(1);
    QTest::newRow("truncated UTF-16 file") << truncated << key << "P" << 1 << sz("ok");
    QTest::newRow("value cut by the truncation") << truncated << key << "Q" << -1 << absent;
    QTest::newRow("binary garbage line")
        << header + tools + QByteArray("\x00\xff\xfe[\"\\\x01\x80\r\n", 10) + "\"P\"=\"ok\"\r\n"
        << key << "P" << 1 << sz("ok");
    QByteArray garbage(64 * 1024, '\0');
    QRandomGenerator random(8);
    for (char &byte : garbage)
        byte = static_cast<char>(random.bounded(256));
    QTest::newRow("binary garbage file") << garbage << key << "P" << noKey << absent;
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

PROGRAM_TEST_MAIN(RegistryStoreTest, "Velmora", velmoraCaptions)
#include "tst_registrystore.moc"
