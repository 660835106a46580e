#include "programstarter.h"

#include <QProcess>

#ifdef _WIN32
#include "win32/programstart.h"

#include <QDir>

namespace {

std::wstring toWide(const QString &text)
{
    return text.toStdWString();
}

// Every program starts through the one Qt-free start that the tests under Wine prove: a command
// script only through the system's cmd.exe, with a command line written for it (QProcess quotes
// arguments only for programs that parse them the C runtime's way), any other by its path.
StartResult startWithoutQt(const QString &program, const QStringList &arguments, WindowStyle style)
{
    if (!arguments.isEmpty())
        return { false, QStringLiteral("A program is started without arguments.") };
    win32::ProcessStart start;
    const std::wstring refusal = win32::prepareStart(
        toWide(QDir::toNativeSeparators(program)), win32::systemFolder(), start);
    if (!refusal.empty())
        return { false, QString::fromStdWString(refusal) };
    const unsigned long error = win32::startDetached(start, static_cast<int>(style));
    if (error != 0)
        return { false, QString::fromStdWString(win32::systemMessage(error)) };
    return { true, {} };
}

} // namespace
#else
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// The interpreter a script names on its first line, "#!" and blanks off; a carriage return of
// a Windows line end stays part of it, as it does for the system.
QByteArray namedInterpreter(const QByteArray &head)
{
    qsizetype start = 2;
    while (start < head.size() && (head[start] == ' ' || head[start] == '\t'))
        ++start;
    qsizetype end = start;
    while (end < head.size() && head[end] != ' ' && head[end] != '\t' && head[end] != '\n')
        ++end;
    return head.mid(start, end - start);
}

// Why a script that exists and may be run did not start, where the system's own words
// ("No such file or directory") would point at the script itself.
QString scriptProblem(const QString &program)
{
    QFile file(program);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(256);
    if (head.startsWith("\x7f"
                        "ELF"))
        return {}; // a program: the system's words are the best there are
    if (!head.startsWith("#!"))
        return QStringLiteral("%1 is neither a program nor a script: a script must name its "
                              "interpreter on its first line, after \"#!\".")
            .arg(program);
    QByteArray interpreter = namedInterpreter(head);
    if (interpreter.endsWith('\r')) {
        interpreter.chop(1);
        return QStringLiteral("%1 has Windows line ends (CR LF), so the system looks for an "
                              "interpreter named \"%2\" with a carriage return after it. Save it "
                              "with Unix line ends (LF) and try again.")
            .arg(program, QFile::decodeName(interpreter));
    }
    const QString shownInterpreter = QFile::decodeName(interpreter);
    if (interpreter.isEmpty() || access(interpreter.constData(), F_OK) != 0)
        return QStringLiteral("%1 names an interpreter that is not installed: %2")
            .arg(program, shownInterpreter);
    if (access(interpreter.constData(), X_OK) != 0)
        return QStringLiteral("%1 names an interpreter that cannot be run: %2")
            .arg(program, shownInterpreter);
    return {};
}

// What is wrong with a program that did not start, in words the user can act on; the empty
// text when nothing is found, and the system's reason stands.
QString startProblem(const QString &program)
{
    const QByteArray path = QFile::encodeName(program);
    struct stat info
    {
    };
    if (stat(path.constData(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR
            ? QStringLiteral("%1 does not exist.").arg(program)
            : QString();
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("%1 is a folder, not a script.").arg(program);
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("%1 is not a file that can be run.").arg(program);
    if (access(path.constData(), X_OK) != 0)
        return QStringLiteral("%1 is not marked as executable. Allow it to run (chmod +x) and "
                              "try again.")
            .arg(program);
    return scriptProblem(program);
}

} // namespace
#endif

StartResult SystemProgramStarter::start(
    const QString &program, const QStringList &arguments, WindowStyle style)
{
    if (program.isEmpty())
        return { false, QStringLiteral("No program was named.") };

#ifdef _WIN32
    return startWithoutQt(program, arguments, style);
#else
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    // A window's placement and focus belong to the started program and the window manager.
    // A script is started directly: it must be executable and names its own interpreter.
    Q_UNUSED(style);
    qint64 pid = 0;
    if (process.startDetached(&pid))
        return { true, {} };
    QString reason = process.errorString();
    if (const QString problem = startProblem(program); !problem.isEmpty())
        reason = problem;
    if (reason.isEmpty())
        reason = QStringLiteral("The program could not be started.");
    return { false, reason };
#endif
}
