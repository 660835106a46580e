#include "programstarter.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

namespace {

// The system reads this much of a script's first line, "#!" included, to find its interpreter.
constexpr qsizetype firstLineLimit = 256;

// The first line of a file, without its line end; empty when the file cannot be read.
QByteArray firstLine(const QString &program, bool *complete = nullptr)
{
    QFile file(program);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(firstLineLimit + 1);
    const qsizetype end = head.indexOf('\n');
    if (complete)
        *complete = end >= 0 || head.size() <= firstLineLimit;
    return end >= 0 ? head.left(end) : head;
}

// A script saved with Windows line ends names its interpreter with a carriage return after it
// ("/bin/sh\r"), or hands it an argument that ends in one ("-e\r"): either way it fails once
// started, after the wizard has closed, so it is refused before.
QString windowsLineEnds(const QString &program)
{
    const QByteArray line = firstLine(program);
    if (!line.startsWith("#!") || !line.contains('\r'))
        return {};
    return QStringLiteral("%1 has Windows line ends (CR LF), which the system cannot run: its "
                          "first line names \"%2\" with a carriage return after it. Save it with "
                          "Unix line ends (LF) and try again.")
        .arg(program, QFile::decodeName(line.mid(2).trimmed()));
}

// The interpreter a script names on its first line, "#!" and blanks off.
QByteArray namedInterpreter(const QByteArray &line)
{
    const QByteArray rest = line.mid(2).trimmed();
    qsizetype end = 0;
    while (end < rest.size() && rest[end] != ' ' && rest[end] != '\t')
        ++end;
    return rest.left(end);
}

// The processor an ELF program is made for, from its header; 0 when it is no ELF program.
unsigned elfMachine(const QString &program)
{
    QFile file(program);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray head = file.read(20);
    if (head.size() < 20 || !head.startsWith("\x7f" "ELF"))
        return 0;
    // e_machine, in the byte order the header's sixth byte gives.
    const auto low = static_cast<unsigned char>(head[18]);
    const auto high = static_cast<unsigned char>(head[19]);
    return head[5] == 2 ? (low << 8) | high : (high << 8) | low;
}

QString scriptProblem(const QString &program)
{
    bool complete = true;
    const QByteArray line = firstLine(program, &complete);
    if (!line.startsWith("#!"))
        return QStringLiteral("%1 is neither a program nor a script: a script must name its "
                              "interpreter on its first line, after \"#!\".")
            .arg(program);
    if (!complete)
        return QStringLiteral("%1 has a first line longer than the %2 characters the system "
                              "reads to find the script's interpreter. Shorten the line that "
                              "starts with \"#!\".")
            .arg(program)
            .arg(firstLineLimit - 1);
    if (const QString lineEnds = windowsLineEnds(program); !lineEnds.isEmpty())
        return lineEnds;
    const QByteArray interpreter = namedInterpreter(line);
    const QString shown = QFile::decodeName(interpreter);
    struct stat info {};
    if (interpreter.isEmpty() || stat(interpreter.constData(), &info) != 0)
        return QStringLiteral("%1 names an interpreter that is not installed: %2")
            .arg(program, shown);
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("%1 names a folder as its interpreter, not a program: %2")
            .arg(program, shown);
    if (access(interpreter.constData(), X_OK) != 0)
        return QStringLiteral("%1 names an interpreter that cannot be run: %2")
            .arg(program, shown);
    return {};
}

// What is wrong with a program that did not start, in words the user can act on; the empty
// text when nothing is found, and the system's reason stands.
QString startProblem(const QString &program)
{
    const QByteArray path = QFile::encodeName(program);
    struct stat info {};
    if (stat(path.constData(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR
            ? QStringLiteral("%1 does not exist.").arg(program)
            : QString();
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("%1 is a folder, not a script.").arg(program);
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("%1 is not a file that can be run.").arg(program);
    if (access(path.constData(), X_OK) != 0) {
        struct statvfs fileSystem {};
        if ((info.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) == 0)
            return QStringLiteral("%1 is not marked as executable. Allow it to run (chmod +x) "
                                  "and try again.")
                .arg(program);
        if (statvfs(path.constData(), &fileSystem) == 0 && (fileSystem.f_flag & ST_NOEXEC) != 0)
            return QStringLiteral("%1 lies on a file system that does not let programs run "
                                  "(it is mounted \"noexec\"). Mount it without \"noexec\", or "
                                  "install the program on another file system, and try again.")
                .arg(program);
        return QStringLiteral("%1 may not be run by you: it is executable only for its owner "
                              "or group. Ask an administrator to allow it.")
            .arg(program);
    }
    if (const unsigned machine = elfMachine(program); machine != 0) {
        if (machine != elfMachine(QStringLiteral("/proc/self/exe")))
            return QStringLiteral("%1 is a program for another kind of processor, which this "
                                  "computer cannot run.")
                .arg(program);
        return {}; // a program of ours: the system's words are the best there are
    }
    return scriptProblem(program);
}

} // namespace

StartResult SystemProgramStarter::start(const QString &program)
{
    // A window's placement and focus belong to the started program and the window manager.
    // A script is started directly: it must be executable and names its own interpreter.
    if (program.isEmpty())
        return { false, QStringLiteral("No program was named.") };
    if (const QString refusal = windowsLineEnds(program); !refusal.isEmpty())
        return { false, refusal };

    QProcess process;
    process.setProgram(program);
    // Whatever the program names by a relative path, its own "#!" interpreter included, is
    // looked for beside it, never wherever the user happened to start this program.
    if (QFileInfo(program).isAbsolute())
        process.setWorkingDirectory(QFileInfo(program).absolutePath());
    qint64 pid = 0;
    if (process.startDetached(&pid))
        return { true, {} };
    QString reason = startProblem(program);
    if (reason.isEmpty())
        reason = process.errorString();
    if (reason.isEmpty())
        reason = QStringLiteral("The program could not be started.");
    return { false, reason };
}
