// Why a program cannot be started: a look at the program and at the interpreters and program
// loader it names, read as the system reads them, turned into words a user can act on.

#include "start/startdiagnosis.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>
#include <utility>

namespace {

// The system reads this much of a script's first line, "#!" included, to find its interpreter.
constexpr qsizetype firstLineLimit = 256;
// How many scripts the system runs in a row, each the interpreter of the one before.
constexpr int scriptChainLimit = 5;

// A look at a file on the way to its start. The kind comes first, from stat: a FIFO would keep
// open() waiting for a writer, and a device may do anything when opened. The file is then
// opened without waiting, and its kind checked again on the descriptor, so that one swapped in
// between the two looks cannot hold this program either.
class FileLook
{
public:
    enum Kind { Missing, Folder, NotAFile, File, Unknown };

    explicit FileLook(QByteArray path) : m_path(std::move(path))
    {
        struct stat info {};
        if (stat(m_path.constData(), &info) != 0) {
            m_error = errno;
            m_kind = m_error == ENOENT || m_error == ENOTDIR ? Missing : Unknown;
            return;
        }
        m_kind = S_ISDIR(info.st_mode) ? Folder : S_ISREG(info.st_mode) ? File : NotAFile;
        m_mode = info.st_mode;
        if (m_kind != File)
            return;
        const int descriptor
            = open(m_path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
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

    const QByteArray &path() const { return m_path; }
    Kind kind() const { return m_kind; }
    int error() const { return m_error; } // why stat failed, when it did
    mode_t mode() const { return m_mode; }
    bool wasRead() const { return m_file.isOpen(); }
    // The file's first bytes; empty when it is empty or could not be read.
    const QByteArray &head() const { return m_head; }

    QByteArray bytesAt(quint64 offset, qsizetype size) const
    {
        if (!m_file.isOpen() || offset > quint64(std::numeric_limits<qint64>::max())
            || !m_file.seek(qint64(offset)))
            return {};
        return m_file.read(size);
    }

private:
    QByteArray m_path;
    Kind m_kind = Unknown;
    int m_error = 0;
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

// A "#!" line's interpreter: the system passes everything after its name as a single argument.
QByteArray namedInterpreter(const QByteArray &line)
{
    const QByteArray rest = line.mid(2).trimmed();
    qsizetype end = 0;
    while (end < rest.size() && rest[end] != ' ' && rest[end] != '\t')
        ++end;
    return rest.left(end);
}

// A path named inside a script or program is found as the system finds it at the start: from
// the folder the started program runs in, its own.
QByteArray resolved(const QByteArray &path, const QByteArray &folder)
{
    return path.startsWith('/') ? path : folder + '/' + path;
}

// A script saved with Windows line ends names its interpreter with a carriage return after it
// ("/bin/sh\r"), or hands it an argument that ends in one ("-e\r").
QString windowsLineEnds(const QString &script, const QByteArray &line)
{
    return StartDiagnosis::tr("%1 has Windows line ends (CR LF), which the system cannot run: "
                              "its first line names \"%2\" with a carriage return after it. Save "
                              "it with Unix line ends (LF) and try again.")
        .arg(script, QFile::decodeName(line.mid(2).trimmed()));
}

template<typename T>
T field(const QByteArray &bytes, qsizetype at, bool bigEndian)
{
    if (at < 0 || at > bytes.size() - qsizetype(sizeof(T)))
        return 0;
    const void *source = bytes.constData() + at;
    return bigEndian ? qFromBigEndian<T>(source) : qFromLittleEndian<T>(source);
}

// An ELF program's header: the processor it is made for, and the program loader the system
// must start it with (empty for a program that needs none).
struct ElfProgram
{
    bool valid = false;
    quint16 machine = 0;
    QByteArray loader;
};

ElfProgram elfProgram(const FileLook &look)
{
    const QByteArray &head = look.head();
    if (head.size() < 64 || !head.startsWith("\x7f" "ELF"))
        return {};
    const bool wide = head[4] == 2;
    const bool big = head[5] == 2;
    ElfProgram program { true, field<quint16>(head, 18, big), {} };
    const quint64 tableAt = wide ? field<quint64>(head, 32, big) : field<quint32>(head, 28, big);
    const qsizetype entrySize = field<quint16>(head, wide ? 54 : 42, big);
    const qsizetype entries = field<quint16>(head, wide ? 56 : 44, big);
    if (entrySize < (wide ? 56 : 32) || entrySize > 256 || entries > 256)
        return program;
    const QByteArray table = look.bytesAt(tableAt, entrySize * entries);
    constexpr quint32 loaderEntry = 3; // PT_INTERP
    for (qsizetype at = 0; at + entrySize <= table.size(); at += entrySize) {
        if (field<quint32>(table, at, big) != loaderEntry)
            continue;
        const quint64 offset
            = wide ? field<quint64>(table, at + 8, big) : field<quint32>(table, at + 4, big);
        const quint64 size
            = wide ? field<quint64>(table, at + 32, big) : field<quint32>(table, at + 16, big);
        if (size <= 4096) {
            const QByteArray name = look.bytesAt(offset, qsizetype(size));
            program.loader = name.left(name.indexOf('\0'));
        }
        break;
    }
    return program;
}

quint16 ownMachine()
{
    static const quint16 machine = elfProgram(FileLook("/proc/self/exe")).machine;
    return machine;
}

// Why a program made for this system cannot start; the empty text when nothing is found.
QString elfFault(const QString &program, const ElfProgram &elf, const QByteArray &folder)
{
    if (elf.machine != ownMachine())
        return StartDiagnosis::tr("%1 is a program for another kind of processor, which this "
                                  "computer cannot run.")
            .arg(program);
    if (!elf.loader.isEmpty() && FileLook(resolved(elf.loader, folder)).kind() != FileLook::File)
        return StartDiagnosis::tr("%1 needs the program loader %2, which is not installed on "
                                  "this computer. Install what provides it, or a version of the "
                                  "program made for this system.")
            .arg(program, QFile::decodeName(elf.loader));
    return {};
}

// What is wrong with the file a script names as its interpreter, as far as its kind tells.
QString interpreterFault(const QString &script, const QByteArray &named, const FileLook &look)
{
    const QString shown = QFile::decodeName(named);
    switch (look.kind()) {
    case FileLook::Missing:
        return StartDiagnosis::tr("%1 names an interpreter that is not installed: %2")
            .arg(script, shown);
    case FileLook::Folder:
        return StartDiagnosis::tr("%1 names a folder as its interpreter, not a program: %2")
            .arg(script, shown);
    case FileLook::NotAFile:
        return StartDiagnosis::tr("%1 names as its interpreter something that is not a file "
                                  "that can be run: %2")
            .arg(script, shown);
    case FileLook::Unknown:
        if (look.error() != ELOOP)
            return {};
        return StartDiagnosis::tr("%1 names as its interpreter a link that leads, through other "
                                  "links, back to itself: %2")
            .arg(script, shown);
    case FileLook::File:
        break;
    }
    if (access(look.path().constData(), X_OK) != 0)
        return StartDiagnosis::tr("%1 names an interpreter that cannot be run: %2")
            .arg(script, shown);
    return {};
}

// A file that is neither a program nor a script with a "#!" line: the program started, or the
// interpreter that the script namedBy names.
QString notAProgram(const QString &file, const QString &namedBy, const FileLook &look)
{
    if (!look.wasRead())
        return {};
    if (!namedBy.isEmpty())
        return StartDiagnosis::tr("%1 names as its interpreter a file of text or data, not a "
                                  "program: %2. A script's first line must name a program, such "
                                  "as #!/bin/sh.")
            .arg(namedBy, file);
    if (look.head().isEmpty())
        return StartDiagnosis::tr("%1 is empty: it holds neither a program nor a script.")
            .arg(file);
    return StartDiagnosis::tr("%1 is neither a program nor a script: a script must name its "
                              "interpreter on its first line, after \"#!\".")
        .arg(file);
}

// Why the system cannot run file (seen in look): the program started when namedBy is empty,
// otherwise the interpreter that the script namedBy names, depth scripts down the chain.
QString runFault(const QString &file, const QString &namedBy, const FileLook &look,
                 const QByteArray &folder, int depth)
{
    if (const ElfProgram elf = elfProgram(look); elf.valid) {
        const QString fault = elfFault(file, elf, folder);
        if (fault.isEmpty() || namedBy.isEmpty())
            return fault;
        return StartDiagnosis::tr("%1 names an interpreter that cannot run here: %2")
            .arg(namedBy, fault);
    }
    bool complete = true;
    const QByteArray line = firstLine(look.head(), &complete);
    if (!line.startsWith("#!"))
        return notAProgram(file, namedBy, look);
    if (!complete)
        return StartDiagnosis::tr("%1 has a first line longer than the %2 characters the system "
                                  "reads to find the script's interpreter. Shorten the line that "
                                  "starts with \"#!\".")
            .arg(file, QString::number(firstLineLimit - 1));
    if (line.contains('\r'))
        return windowsLineEnds(file, line);
    const QByteArray interpreter = namedInterpreter(line);
    if (interpreter.isEmpty())
        return StartDiagnosis::tr("%1 names no interpreter after \"#!\" on its first line.")
            .arg(file);
    const FileLook next(resolved(interpreter, folder));
    if (const QString fault = interpreterFault(file, interpreter, next); !fault.isEmpty())
        return fault;
    if (depth + 1 >= scriptChainLimit)
        return {};
    return runFault(QFile::decodeName(next.path()), file, next, folder, depth + 1);
}

// Why the system does not let the user run program, or enter the folder it runs in.
QString permissionFault(const QString &program, const FileLook &look, const QByteArray &folder)
{
    if (access(folder.constData(), X_OK) != 0)
        return StartDiagnosis::tr("%1 lies in a folder that you may not open: %2. Its "
                                  "permissions, or those of a folder above it, have changed. Ask "
                                  "an administrator to restore them, and try again.")
            .arg(program, QFile::decodeName(folder));
    if (access(look.path().constData(), X_OK) == 0)
        return {};
    struct statvfs fileSystem {};
    if ((look.mode() & (S_IXUSR | S_IXGRP | S_IXOTH)) == 0)
        return StartDiagnosis::tr("%1 is not marked as executable. Allow it to run (chmod +x) "
                                  "and try again.")
            .arg(program);
    if (statvfs(look.path().constData(), &fileSystem) == 0 && (fileSystem.f_flag & ST_NOEXEC) != 0)
        return StartDiagnosis::tr("%1 lies on a file system that does not let programs run (it "
                                  "is mounted \"noexec\"). Mount it without \"noexec\", or "
                                  "install the program on another file system, and try again.")
            .arg(program);
    return StartDiagnosis::tr("%1 may not be run by you: it is executable only for its owner or "
                              "group. Ask an administrator to allow it.")
        .arg(program);
}

// The plainest words the system's error alone gives, when the files tell nothing more.
QString errorWords(const QString &program, int error)
{
    switch (error) {
    case ELOOP:
        return StartDiagnosis::tr("%1 names as its interpreter a script that names another, and "
                                  "so on: a longer chain than the system follows, which is %2 "
                                  "scripts. Let one of them name a program, such as #!/bin/sh.")
            .arg(program, QString::number(scriptChainLimit));
    case ENOENT:
    case ENOTDIR:
        return StartDiagnosis::tr("%1, or a file it needs to start, does not exist.").arg(program);
    case EACCES:
    case EPERM:
        return StartDiagnosis::tr("You are not allowed to run %1.").arg(program);
    case ENOEXEC:
        return StartDiagnosis::tr("%1 is in a form that this system cannot run.").arg(program);
    case ETXTBSY:
        return StartDiagnosis::tr("%1 is being written by another program. Try again once it has "
                                  "finished.")
            .arg(program);
    default:
        return StartDiagnosis::tr("The system could not start %1.").arg(program);
    }
}

} // namespace

QString StartDiagnosis::refusal(const QString &program)
{
    const FileLook look(QFile::encodeName(program));
    switch (look.kind()) {
    case FileLook::Missing:
        return tr("%1 does not exist.").arg(program);
    case FileLook::Folder:
        return tr("%1 is a folder, not a script.").arg(program);
    case FileLook::NotAFile:
        return tr("%1 is not a file that can be run.").arg(program);
    case FileLook::File:
    case FileLook::Unknown:
        break;
    }
    // Through env the script would start, and only then fail, with words that hide the cause.
    const QByteArray line = firstLine(look.head());
    if (line.startsWith("#!") && line.contains('\r'))
        return windowsLineEnds(program, line);
    return {};
}

QString StartDiagnosis::failure(const QString &program, int error)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(program).absolutePath());
    const FileLook look(QFile::encodeName(program));
    QString words;
    if (look.kind() == FileLook::Missing)
        words = tr("%1 does not exist.").arg(program); // gone since the look before the start
    else if (look.kind() == FileLook::Unknown && look.error() == ELOOP)
        words = tr("%1 is a link that leads, through other links, back to itself, never to a "
                   "file.")
                    .arg(program);
    if (words.isEmpty() && (error == EACCES || error == EPERM))
        words = permissionFault(program, look, folder);
    if (words.isEmpty() && look.kind() == FileLook::File)
        words = runFault(program, {}, look, folder, 0);
    if (words.isEmpty())
        words = errorWords(program, error);
    return tr("%1\n\nThe system said: %2")
        .arg(words, QString::fromLocal8Bit(std::strerror(error)));
}
