// Which file is the registry off Windows, and that nothing in that file's place, a FIFO above
// all, makes the look-up wait.

#include "registry/exportfileregistry_unix.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// "PATH" of the tool's key as the registry gives it; empty when there is no such key or value.
QString toolPath(Registry &registry)
{
    RegistryKey key = 0;
    if (registry.openKey(registryLocalMachine, u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", key)
        != RegistryError::success)
        return {};
    unsigned char buffer[256] = {};
    std::uint32_t type = 0;
    std::uint32_t size = sizeof buffer - 2;
    const RegistryResult result = registry.queryValue(key, u"PATH", type, buffer, size);
    registry.closeKey(key);
    if (result != RegistryError::success)
        return {};
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(buffer));
}

// Lets go of a look-up that waits on a FIFO for a writer, by opening it for writing after a few
// seconds: without O_NONBLOCK the reader would wait for good, and the row would hang until
// CTest's limit instead of failing.
class FifoWatchdog
{
public:
    explicit FifoWatchdog(const QByteArray &fifo)
        : m_thread([this, fifo] { watch(fifo); })
    {
    }
    FifoWatchdog(const FifoWatchdog &) = delete;
    FifoWatchdog &operator=(const FifoWatchdog &) = delete;
    ~FifoWatchdog() { stop(); }

    // Whether the look-up had to be let go.
    bool stop()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        return m_fired;
    }

private:
    void watch(const QByteArray &fifo)
    {
        std::unique_lock lock(m_mutex);
        if (fifo.isEmpty()
            || m_wake.wait_for(lock, std::chrono::seconds(5), [this] { return m_done; }))
            return;
        m_fired = true;
        // Succeeds only while a reader waits in open().
        const int writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (writer >= 0)
            ::close(writer);
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    bool m_fired = false;
    std::thread m_thread;
};

// Puts what the row names in the registry file's place: a file whose "PATH" is its own name,
// or something that is no file; the empty name puts nothing.
bool plant(const QString &kind, const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == QStringLiteral("pipe"))
        return mkfifo(name.constData(), 0600) == 0;
    if (kind == QStringLiteral("folder"))
        return QDir().mkpath(path);
    if (kind == QStringLiteral("zero"))
        return symlink("/dev/zero", name.constData()) == 0;
    if (kind == QStringLiteral("dangling"))
        return symlink("nowhere", name.constData()) == 0;
    if (kind.isEmpty())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("Windows Registry Editor Version 5.00\n\n"
               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n\"PATH\"=\""
               + kind.toUtf8() + "\"\n");
    return kind != QStringLiteral("mode000") || file.setPermissions({});
}

} // namespace

class RegistryFileTest : public QObject
{
    Q_OBJECT

private slots:
    void registryIsTheFirstFileFound_data();
    void registryIsTheFirstFileFound();
    void configurationFolders_data();
    void configurationFolders();
};

void RegistryFileTest::registryIsTheFirstFileFound_data()
{
    QTest::addColumn<QStringList>("files"); // user's, first system folder, second system folder
    QTest::addColumn<QString>("expected");  // "PATH" as read, or empty when there is no key

    QTest::newRow("the user's before the system's") << QStringList { "user", "sys1", "sys2" }
                                                    << "user";
    QTest::newRow("the system's folders in their order") << QStringList { "", "sys1", "sys2" }
                                                         << "sys1";
    QTest::newRow("the last system folder") << QStringList { "", "", "sys2" } << "sys2";
    QTest::newRow("no file, no key") << QStringList { "", "", "" } << "";
    // Whatever is in the user's file's place takes the system's file's place; what cannot be
    // read as a registry holds no keys, and nothing of it may block.
    QTest::newRow("a pipe: no key") << QStringList { "pipe", "sys1", "" } << "";
    QTest::newRow("a folder: no key") << QStringList { "folder", "sys1", "" } << "";
    QTest::newRow("a link to /dev/zero: no key") << QStringList { "zero", "sys1", "" } << "";
    QTest::newRow("a link to nothing: no key") << QStringList { "dangling", "sys1", "" } << "";
    // Root reads a file of mode 000 all the same.
    QTest::newRow("a file of mode 000") << QStringList { "mode000", "sys1", "" }
                                        << (geteuid() == 0 ? "mode000" : "");
}

void RegistryFileTest::registryIsTheFirstFileFound()
{
    QFETCH(QStringList, files);
    QFETCH(QString, expected);

    // GIVEN what lies in each folder's place of the registry file
    QTemporaryDir root;
    QStringList folders;
    QByteArray fifo;
    for (int i = 0; i < files.size(); ++i) {
        folders.append(root.filePath(QString::number(i)));
        QVERIFY(QDir().mkpath(folders.last() + QStringLiteral("/Velmora")));
        const QString path = folders.last() + QStringLiteral("/Velmora/registry.reg");
        QVERIFY(plant(files[i], path));
        if (files[i] == QStringLiteral("pipe"))
            fifo = QFile::encodeName(path);
    }
    const QByteArray savedHome = qgetenv("XDG_CONFIG_HOME");
    const QByteArray savedDirs = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folders[0]));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(folders[1] + ':' + folders[2]));

    // WHEN the tool's path is looked up
    FifoWatchdog watchdog(fifo);
    ExportFileRegistry registry(QStringLiteral("Velmora"));
    const QString found = toolPath(registry);
    const bool waited = watchdog.stop();

    // THEN the first file found gave it, or there was no key; and nothing waited
    qputenv("XDG_CONFIG_HOME", savedHome);
    qputenv("XDG_CONFIG_DIRS", savedDirs);
    QVERIFY2(!waited, "opening the registry file waited for a writer of the FIFO");
    QCOMPARE(found, expected);
}

void RegistryFileTest::configurationFolders_data()
{
    QTest::addColumn<QByteArray>("configHome"); // empty: unset
    QTest::addColumn<QByteArray>("configDirs");
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QByteArrayList>("folders");

    QTest::newRow("both set") << QByteArray("/c/user") << QByteArray("/c/sys1:/c/sys2")
                              << QByteArray("/home/u")
                              << QByteArrayList { "/c/user", "/c/sys1", "/c/sys2" };
    QTest::newRow("XDG_CONFIG_HOME unset: ~/.config")
        << QByteArray() << QByteArray("/c/sys") << QByteArray("/home/u")
        << QByteArrayList { "/home/u/.config", "/c/sys" };
    QTest::newRow("XDG_CONFIG_DIRS unset: /etc/xdg")
        << QByteArray("/c/user") << QByteArray() << QByteArray("/home/u")
        << QByteArrayList { "/c/user", "/etc/xdg" };
    // A relative folder would be looked for in the working folder.
    QTest::newRow("a relative XDG_CONFIG_HOME: ~/.config")
        << QByteArray("c/user") << QByteArray("/c/sys") << QByteArray("/home/u")
        << QByteArrayList { "/home/u/.config", "/c/sys" };
    QTest::newRow("a relative system folder is passed over")
        << QByteArray("/c/user") << QByteArray("c/sys1:/c/sys2") << QByteArray("/home/u")
        << QByteArrayList { "/c/user", "/c/sys2" };
    QTest::newRow("only relative system folders: /etc/xdg")
        << QByteArray("/c/user") << QByteArray("c/sys1:c/sys2") << QByteArray("/home/u")
        << QByteArrayList { "/c/user", "/etc/xdg" };
    QTest::newRow("a relative home: no user's folder")
        << QByteArray() << QByteArray() << QByteArray("home/u") << QByteArrayList { "/etc/xdg" };
}

void RegistryFileTest::configurationFolders()
{
    QFETCH(QByteArray, configHome);
    QFETCH(QByteArray, configDirs);
    QFETCH(QByteArray, home);
    QFETCH(QByteArrayList, folders);

    QCOMPARE(ExportFileRegistry::configurationFolders(configHome, configDirs, home), folders);
}

PROGRAM_TEST_MAIN(RegistryFileTest, "Velmora", velmoraCaptions)
#include "tst_registryfile.moc"
