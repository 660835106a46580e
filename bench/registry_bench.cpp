// How long "System Info..." takes to look up the registry file, for files of the largest size
// it reads and of shapes chosen to be hard (keys deep or many, removals, long shared names),
// against a plain read of the same bytes from the same file, measured in the same run. The
// look-up must grow with the file, not with its parts or keys multiplied together.
//
// Usage: registry_bench [rounds]

#include "exportfileregistry_unix.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QByteArray header = "Windows Registry Editor Version 5.00\r\n\r\n";
constexpr qsizetype fileSize = 4 * 1024 * 1024 - 1024;

// Repeats a line until the file is as large as the reader takes.
QByteArray filled(QByteArray file, const std::function<QByteArray(int)> &line)
{
    for (int i = 0; file.size() < fileSize; ++i)
        file += line(i);
    file.truncate(fileSize);
    return file;
}

struct Shape
{
    const char *name;
    QByteArray file;
};

std::vector<Shape> shapes()
{
    const QByteArray numbered = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\k";
    QByteArray keysThenRemovals = header;
    for (int i = 0; i < 60000; ++i)
        keysThenRemovals += numbered + QByteArray::number(i) + "]\r\n";
    for (int i = 0; keysThenRemovals.size() < fileSize - 64; ++i)
        keysThenRemovals += "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\k" + QByteArray::number(i) + "]\r\n";
    const QByteArray longName(2000, 'n');
    return {
        { "one key, 2 million parts deep",
          filled(header + "[HKLM", [](int) { return QByteArray("\\a"); }) + "]\r\n" },
        { "60,000 keys, then their removals", keysThenRemovals },
        { "keys 100 parts deep",
          filled(header, [](int i) {
              return "[HKLM" + QByteArray("\\a").repeated(99) + "\\" + QByteArray::number(i)
                  + "]\r\n";
          }) },
        { "keys of one 2,000-letter name",
          filled(header, [&](int i) {
              return "[HKLM\\" + longName + "\\" + QByteArray::number(i) + "]\r\n";
          }) },
        { "values under a 1 MiB key",
          filled(header + "[HKLM" + QByteArray("\\a").repeated(512 * 1024) + "]\r\n",
                 [](int i) { return "\"" + QByteArray::number(i) + "\"=dword:1\r\n"; }) },
        { "removals of keys never named",
          filled(header, [](int i) {
              return "[-HKLM\\SOFTWARE\\" + QByteArray::number(i) + "\\x]\r\n";
          }) },
    };
}

double millisecondsOf(const std::function<void()> &work, int rounds)
{
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        work();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = std::max(1, QCoreApplication::arguments().value(1, "5").toInt());
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QDir(config.path()).mkpath(QStringLiteral("Velmora"));
    const QString path = config.filePath(QStringLiteral("Velmora/registry.reg"));

    std::printf("look-up of a 4 MiB registry file against a plain read of it, median of %d:\n",
                rounds);
    std::printf("  %-34s %10s %10s %8s\n", "shape", "read ms", "look-up ms", "ratio");
    for (const Shape &shape : shapes()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(shape.file) < 0)
            return 1;
        file.close();
        const double read = millisecondsOf(
            [&] {
                QFile again(path);
                if (again.open(QIODevice::ReadOnly))
                    again.readAll();
            },
            rounds);
        const double lookUp = millisecondsOf(
            [&] {
                ExportFileRegistry registry(QStringLiteral("Velmora"));
                RegistryKey key = 0;
                if (registry.openKey(registryLocalMachine, u"SOFTWARE\\Microsoft", key) == 0)
                    registry.closeKey(key);
            },
            rounds);
        std::printf("  %-34s %10.2f %10.2f %8.1f\n", shape.name, read, lookUp, lookUp / read);
    }
    return 0;
}
