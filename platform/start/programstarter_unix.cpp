#include "programstarter.h"

#include <QByteArrayList>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

namespace {

// The system reads this much of a script's first line, "#!" included, to find its interpreter.
constexpr qsizetype firstLineLimit = 256;
// How many interpreters the system follows in a row (a script naming a script naming ...).
constexpr int interpreterDepthLimit = 4;

// A look at a file on the way to its start. The kind comes first, from stat: a FIFO would keep
// open() waiting for a writer, and a device may do anything when opened. The file is then
// opened without waiting, and its kind checked again on the descriptor, so that one swapped in
// between the two looks cannot hold this program either.
class FileLook
{
public:
    enum Kind { Missing, Folder, NotAFile, File, Unknown };

    explicit FileLook(const QByteArray &path)
    {
        struct stat info {};
        if (stat(path.constData(), &info) != 0) {
            m_kind = errno == ENOENT || errno == ENOTDIR ? Missing : Unknown;
            return;
        }
        m_kind = S_ISDIR(info.st_mode) ? Folder : S_ISREG(info.st_mode) ? File : NotAFile;
        m_mode = info.st_mode;
        if (m_kind != File)
            return;
        const int descriptor = open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (descriptor < 0)
            return; // runnable perhaps, but not readable: nothing to look at
        if (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
            close(descriptor);
            m_kind = NotAFile;
            return;
        }
        m_mode = info.st_mode;
        if (!m_file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            close(descriptor);
            return;
        }
        m_head = m_file.read(firstLineLimit + 1);
    }
    FileLook(const FileLook &) = delete;
    FileLook &operator=(const FileLook &) = delete;

    Kind kind() const { return m_kind; }
    mode_t mode() const { return m_mode; }
    // The file's first bytes; empty when it could not be read.
    const QByteArray &head() const { return m_head; }

    QByteArray bytesAt(quint64 offset, qsizetype size) const
    {
        if (!m_file.isOpen() || offset > quint64(std::numeric_limits<qint64>::max())
            || !m_file.seek(qint64(offset)))
            return {};
        return m_file.read(size);
    }

private:
    Kind m_kind = Unknown;
    mode_t m_mode = 0;
    mutable QFile m_file; // on the descriptor opened; reading moves its position
    QByteArray m_head;
};

// The first line of a file's head, without its line end; complete tells whether the system
// reads all of it.
QByteArray firstLine(const QByteArray &head, bool *complete = nullptr)
{
    const qsizetype end = head.indexOf('\n');
    if (complete)
        *complete = end >= 0 || head.size() <= firstLineLimit;
    return end >= 0 ? head.left(end) : head;
}

// A "#!" line's interpreter and its one argument: the system passes everything after the
// interpreter's name, blanks at either end off, as a single word.
QByteArray namedInterpreter(const QByteArray &line, QByteArray *argument = nullptr)
{
    const QByteArray rest = line.mid(2).trimmed();
    qsizetype end = 0;
    while (end < rest.size() && rest[end] != ' ' && rest[end] != '\t')
        ++end;
    if (argument)
        *argument = rest.mid(end).trimmed();
    return rest.left(end);
}

// A path named inside a script or program is found as the system finds it when it starts the
// script: from the script's own folder, where the start puts it.
QByteArray resolved(const QByteArray &path, const QString &folder)
{
    return path.startsWith('/') ? path : QFile::encodeName(folder) + '/' + path;
}

bool isRunnableFile(const QByteArray &path)
{
    struct stat info {};
    return stat(path.constData(), &info) == 0 && S_ISREG(info.st_mode)
        && access(path.constData(), X_OK) == 0;
}

// A script saved with Windows line ends names its interpreter with a carriage return after it
// ("/bin/sh\r"), or hands it an argument that ends in one ("-e\r"): either way it fails once
// started, after the wizard has closed, so it is refused before.
QString windowsLineEnds(const QString &program, const QByteArray &line)
{
    if (!line.contains('\r'))
        return {};
    return QStringLiteral("%1 has Windows line ends (CR LF), which the system cannot run: its "
                          "first line names \"%2\" with a carriage return after it. Save it with "
                          "Unix line ends (LF) and try again.")
        .arg(program, QFile::decodeName(line.mid(2).trimmed()));
}

// "#!/usr/bin/env name" starts whatever env finds of that name on the search path, and env
// failing to find it fails only once started, after the wizard has closed: so the look-up is
// done first, the way env does it (execvp), from the folder the script will run in.
QString missingThroughEnv(
    const QString &program, const QByteArray &interpreter, const QByteArray &argument)
{
    if (QFileInfo(QFile::decodeName(interpreter)).fileName() != QLatin1String("env")
        || argument.isEmpty())
        return {};
    QByteArray name = argument;
    if (argument.startsWith("-S")) {
        // "-S" splits the rest into words; leading assignments set variables.
        const QByteArrayList words = argument.mid(2).simplified().split(' ');
        name.clear();
        for (const QByteArray &word : words) {
            if (!word.contains('=')) {
                name = word;
                break;
            }
        }
    }
    // Other options, only assignments, or words that env's own quoting and expansion would
    // change: what env starts is not known for sure, and nothing is refused on a guess.
    if (name.isEmpty() || name.startsWith('-') || name.contains('=') || name.contains('"')
        || name.contains('\'') || name.contains('\\') || name.contains('$'))
        return {};
    const QString folder = QFileInfo(program).absolutePath();
    if (name.contains('/')) {
        if (isRunnableFile(resolved(name, folder)))
            return {};
        return QStringLiteral("%1 names an interpreter that is not installed: %2")
            .arg(program, QFile::decodeName(name));
    }
    const QByteArray path
        = qEnvironmentVariableIsSet("PATH") ? qgetenv("PATH") : QByteArray("/bin:/usr/bin");
    for (const QByteArray &entry : path.split(':')) {
        if (isRunnableFile(
                resolved(entry.isEmpty() ? QByteArray(".") : entry, folder) + '/' + name))
            return {};
    }
    return QStringLiteral("%1 names an interpreter that is not installed: %2 (env looks for it "
                          "in the folders of the search path, PATH, and it is in none of them).")
        .arg(program, QFile::decodeName(name));
}

// What only shows once a script starts, found before it does.
QString refusedBeforeStart(const QString &program, const FileLook &look)
{
    const QByteArray line = firstLine(look.head());
    if (!line.startsWith("#!"))
        return {};
    if (const QString lineEnds = windowsLineEnds(program, line); !lineEnds.isEmpty())
        return lineEnds;
    QByteArray argument;
    const QByteArray interpreter = namedInterpreter(line, &argument);
    const QString folder = QFileInfo(program).absolutePath();
    if (FileLook(resolved(interpreter, folder)).kind() != FileLook::File)
        return {}; // the start fails, and the reason is found then
    return missingThroughEnv(program, interpreter, argument);
}

quint64 number(const QByteArray &bytes, qsizetype at, int size, bool bigEndian)
{
    quint64 value = 0;
    for (int i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(at + (bigEndian ? i : size - 1 - i)));
        value = (value << 8) | byte;
    }
    return value;
}

// An ELF program's header: the processor it is made for, and the program loader the system
// must start it with (empty for a program that needs none).
struct ElfProgram
{
    bool valid = false;
    unsigned machine = 0;
    QByteArray loader;
};

ElfProgram elfProgram(const FileLook &look)
{
    const QByteArray &head = look.head();
    if (head.size() < 64 || !head.startsWith("\x7f" "ELF"))
        return {};
    const bool wide = head[4] == 2;
    const bool bigEndian = head[5] == 2;
    ElfProgram program { true, unsigned(number(head, 18, 2, bigEndian)), {} };
    const quint64 tableAt = number(head, wide ? 32 : 28, wide ? 8 : 4, bigEndian);
    const auto entrySize = qsizetype(number(head, wide ? 54 : 42, 2, bigEndian));
    const auto entries = qsizetype(number(head, wide ? 56 : 44, 2, bigEndian));
    if (entrySize < (wide ? 56 : 32) || entrySize > 256 || entries > 256)
        return program;
    const QByteArray table = look.bytesAt(tableAt, entrySize * entries);
    constexpr quint64 loaderEntry = 3; // PT_INTERP
    for (qsizetype at = 0; at + entrySize <= table.size(); at += entrySize) {
        if (number(table, at, 4, bigEndian) != loaderEntry)
            continue;
        const quint64 offset = number(table, at + (wide ? 8 : 4), wide ? 8 : 4, bigEndian);
        const quint64 size = number(table, at + (wide ? 32 : 16), wide ? 8 : 4, bigEndian);
        if (size <= 4096) {
            const QByteArray name = look.bytesAt(offset, qsizetype(size));
            program.loader = name.left(name.indexOf('\0'));
        }
        break;
    }
    return program;
}

unsigned ownMachine()
{
    static const unsigned machine = elfProgram(FileLook("/proc/self/exe")).machine;
    return machine;
}

// Why a program made for this system cannot start; the empty text when nothing is found.
QString elfProblem(const QString &program, const ElfProgram &elf, const QString &folder)
{
    if (elf.machine != ownMachine())
        return QStringLiteral("%1 is a program for another kind of processor, which this "
                              "computer cannot run.")
            .arg(program);
    if (!elf.loader.isEmpty() && FileLook(resolved(elf.loader, folder)).kind() != FileLook::File)
        return QStringLiteral("%1 needs the program loader %2, which is not installed on this "
                              "computer. Install what provides it, or a version of the program "
                              "made for this system.")
            .arg(program, QFile::decodeName(elf.loader));
    return {};
}

QString scriptProblem(const QString &program, const FileLook &look, int depth);

// Why the interpreter a script names cannot run it.
QString interpreterProblem(const QString &program, const QByteArray &interpreter, int depth)
{
    const QString shown = QFile::decodeName(interpreter);
    const QString folder = QFileInfo(program).absolutePath();
    const QByteArray path = resolved(interpreter, folder);
    const FileLook look(path);
    switch (look.kind()) {
    case FileLook::Missing:
        return QStringLiteral("%1 names an interpreter that is not installed: %2")
            .arg(program, shown);
    case FileLook::Folder:
        return QStringLiteral("%1 names a folder as its interpreter, not a program: %2")
            .arg(program, shown);
    case FileLook::NotAFile:
        return QStringLiteral("%1 names as its interpreter something that is not a file that can "
                              "be run: %2")
            .arg(program, shown);
    case FileLook::Unknown:
    case FileLook::File:
        break;
    }
    if (access(path.constData(), X_OK) != 0)
        return QStringLiteral("%1 names an interpreter that cannot be run: %2")
            .arg(program, shown);
    if (const ElfProgram elf = elfProgram(look); elf.valid) {
        const QString problem = elfProblem(shown, elf, folder);
        return problem.isEmpty() ? QString()
                                 : QStringLiteral("%1 names an interpreter that cannot run "
                                                  "here: %2")
                                       .arg(program, problem);
    }
    if (look.head().startsWith("#!") && depth < interpreterDepthLimit)
        return scriptProblem(QFile::decodeName(path), look, depth + 1);
    if (look.head().isEmpty())
        return {};
    return QStringLiteral("%1 names as its interpreter a file of text or data, not a program: "
                          "%2. A script's first line must name a program, such as #!/bin/sh.")
        .arg(program, shown);
}

QString scriptProblem(const QString &program, const FileLook &look, int depth)
{
    bool complete = true;
    const QByteArray line = firstLine(look.head(), &complete);
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
    const QByteArray interpreter = namedInterpreter(line);
    if (interpreter.isEmpty())
        return QStringLiteral("%1 names no interpreter after \"#!\" on its first line.")
            .arg(program);
    return interpreterProblem(program, interpreter, depth);
}

// What is wrong with a program that did not start, in words the user can act on; the empty
// text when nothing is found, and the system's reason stands.
QString startProblem(const QString &program, const FileLook &look)
{
    if (look.kind() != FileLook::File)
        return {};
    const QByteArray path = QFile::encodeName(program);
    if (access(path.constData(), X_OK) != 0) {
        struct statvfs fileSystem {};
        if ((look.mode() & (S_IXUSR | S_IXGRP | S_IXOTH)) == 0)
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
    if (look.head().isEmpty())
        return {};
    if (const ElfProgram elf = elfProgram(look); elf.valid)
        return elfProblem(program, elf, QFileInfo(program).absolutePath());
    return scriptProblem(program, look, 0);
}

} // namespace

StartResult SystemProgramStarter::start(const QString &program)
{
    // A window's placement and focus belong to the started program and the window manager.
    // A script is started directly: it must be executable and names its own interpreter.
    if (program.isEmpty())
        return { false, QStringLiteral("No program was named.") };
    // A path from outside (the registry) may hold a NUL, where the system's call would end it:
    // the program started would be another than the one named.
    if (program.contains(QChar(u'\0')))
        return { false,
                 QStringLiteral("The program's path holds a NUL character, which no path can "
                                "hold, so it names no program that could be started.") };
    // Whatever a relative path named would be found from the folder this program happened to
    // be started in, which is nobody's choice.
    if (!program.startsWith(u'/'))
        return { false,
                 QStringLiteral("%1 is not a full path: a program is started only by its full "
                                "path, which begins with \"/\".")
                     .arg(program) };

    const FileLook look(QFile::encodeName(program));
    switch (look.kind()) {
    case FileLook::Missing:
        return { false, QStringLiteral("%1 does not exist.").arg(program) };
    case FileLook::Folder:
        return { false, QStringLiteral("%1 is a folder, not a script.").arg(program) };
    case FileLook::NotAFile:
        return { false, QStringLiteral("%1 is not a file that can be run.").arg(program) };
    case FileLook::File:
    case FileLook::Unknown:
        break;
    }
    if (const QString refusal = refusedBeforeStart(program, look); !refusal.isEmpty())
        return { false, refusal };

    QProcess process;
    process.setProgram(program);
    // Whatever the program names by a relative path, its own "#!" interpreter included, is
    // looked for beside it, never wherever the user happened to start this program.
    process.setWorkingDirectory(QFileInfo(program).absolutePath());
    qint64 pid = 0;
    if (process.startDetached(&pid))
        return { true, {} };
    QString reason = startProblem(program, look);
    if (reason.isEmpty())
        reason = process.errorString();
    if (reason.isEmpty())
        reason = QStringLiteral("The program could not be started.");
    return { false, reason };
}
