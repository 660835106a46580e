// How long "System Info..." takes to look up the registry file, for files of the largest size
// it reads and of shapes chosen to be hard (keys deep or many, removals, long shared names,
// many short lines), against a plain read of the same bytes from the same file, measured in the
// same run. The look-up must grow with the file, not with its parts or keys multiplied together.
// Each press looks up both keys, as the About box does when the first gives nothing, through one
// registry that lives as long as the program's does, and through GetKeyValue, as the About box
// reads. Beside the time, what the presses add to the process's resident memory at their peak,
// and what they leave resident once they are over: for a file that holds one value of 4 MiB
// under the tool's key, at most 32 MB at the peak and nothing left.
//
// Usage: registry_bench [rounds]

#include "registry/exportfileregistry_unix.h"
#include "getkeyvalue.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <malloc.h>

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

// The same, ending in the key the About box looks up first.
QByteArray filledThenTool(QByteArray file, const std::function<QByteArray(int)> &line)
{
    const QByteArray tool = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n"
                            "\"PATH\"=\"/usr/bin/hardinfo\"\r\n";
    for (int i = 0; file.size() < fileSize - tool.size(); ++i)
        file += line(i);
    file.truncate(fileSize - tool.size());
    file.truncate(file.lastIndexOf('\n') + 1);
    return file + tool;
}

const char *const oneLargeValue = "one 4 MiB value under the tool's key";

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
        { "330,000 short keys, then the tool's",
          filledThenTool(header, [](int i) {
              return "[HKLM\\" + QByteArray::number(i, 16) + "]\n";
          }) },
        { oneLargeValue,
          filled(header + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n"
                          "\"PATH\"=\"",
                 [](int) { return QByteArray(4096, 'x'); })
                  .chopped(3)
              + "\"\r\n" },
        { "390,000 short values, then the tool's",
          filledThenTool(header + "[HKLM\\SOFTWARE]\n", [](int i) {
              return "\"" + QByteArray::number(i, 16) + "\"=\"\"\n";
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

// A field of /proc/self/status, in kB.
long statusKilobytes(const std::string &field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(field + ":"))
            return std::stol(line.substr(field.size() + 1));
    }
    return -1;
}

// Starts a measure of the resident memory's peak from what is resident now: the allocator gives
// back what it holds unused, so that memory used again counts, and the kernel forgets the peak.
// What the presses leave resident is measured from here too.
long residentNow()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    return statusKilobytes("VmRSS");
}

double megabytes(double bytes)
{
    return bytes / (1024.0 * 1024.0);
}

// One press of "System Info...": the key of the tool, then the key of its folder.
void press(Registry &registry)
{
    std::u16string KeyVal;
    try {
        if (GetKeyValue(registry, registryLocalMachine,
                        u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", u"PATH", KeyVal))
            return;
        GetKeyValue(registry, registryLocalMachine,
                    u"SOFTWARE\\Microsoft\\Shared Tools Location", u"MSINFO", KeyVal);
    } catch (const KeyValueError &) {
        // A value without data: the About box reports it like any failure.
    }
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

    std::printf("a press of \"System Info...\" on a 4 MiB registry file against a plain read of "
                "it,\nmedian of %d; memory the presses add at their peak and keep after them:\n",
                rounds);
    std::printf("  %-38s %8s %8s %7s %8s %8s\n", "shape", "read ms", "press ms", "ratio", "peak MB",
                "kept MB");
    std::pair<double, double> largeValue;
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
        ExportFileRegistry registry(QStringLiteral("Velmora"));
        const long resident = residentNow();
        const double lookUp = millisecondsOf([&] { press(registry); }, rounds);
        const double peak = static_cast<double>(statusKilobytes("VmHWM") - resident) * 1024;
        const double kept = static_cast<double>(statusKilobytes("VmRSS") - resident) * 1024;
        std::printf("  %-38s %8.2f %8.2f %7.1f %8.1f %8.1f\n", shape.name, read, lookUp,
                    lookUp / read, megabytes(peak), megabytes(kept));
        if (std::string_view(shape.name) == oneLargeValue)
            largeValue = { megabytes(peak), megabytes(kept) };
    }
    std::printf("one 4 MiB value: +%.1f MB at the peak (at most +32 allowed), %.1f MB kept "
                "(none allowed)\n",
                largeValue.first, largeValue.second);
    return 0;
}
