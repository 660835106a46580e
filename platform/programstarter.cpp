#include "programstarter.h"

#include <QProcess>

#ifdef _WIN32
#include <QDir>
#include <QFileInfo>

#include <windows.h>

namespace {

bool isCommandScript(const QString &program)
{
    return program.endsWith(QLatin1String(".cmd"), Qt::CaseInsensitive)
        || program.endsWith(QLatin1String(".bat"), Qt::CaseInsensitive);
}

// The command interpreter of the system folder: not one found on the search path or in the
// working folder, where anyone could have put a program of that name.
QString commandInterpreter()
{
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return QString::fromWCharArray(folder, static_cast<qsizetype>(length))
        + QStringLiteral("\\cmd.exe");
}

// Prepares the start of a command script through the interpreter. cmd.exe parses its command
// line itself, and "&", "|", "(" or "^" in an unquoted path would be read as commands; QProcess
// quotes arguments only for programs that parse them the C runtime's way, so the command line
// is written here. "/d" keeps AutoRun commands from the registry out, "/v:off" keeps "!" in a
// path from being expanded, and the path goes in a second pair of quotes, which "/c" strips,
// leaving it quoted as one word. Inside quotes "%" still expands and cannot be escaped, so a
// path with one is refused rather than changed. Returns the reason when it cannot be started.
QString prepareScriptStart(QProcess &process, const QString &script, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return QStringLiteral("A command script is started without arguments.");
    const QString path = QDir::toNativeSeparators(script);
    if (path.contains(QLatin1Char('%')) || path.contains(QLatin1Char('"')))
        return QStringLiteral("The path of the command script contains \"%\" or a quote: %1")
            .arg(path);
    // The interpreter starts even when the script is missing, so its absence is found here.
    if (!QFileInfo(script).isFile())
        return QStringLiteral("The system cannot find the file specified: %1").arg(path);
    const QString interpreter = commandInterpreter();
    if (interpreter.isEmpty())
        return QStringLiteral("The command interpreter was not found.");
    process.setProgram(interpreter);
    process.setArguments({});
    process.setNativeArguments(QStringLiteral("/d /v:off /c \"\"") + path
                               + QStringLiteral("\"\""));
    return {};
}

} // namespace
#endif

StartResult SystemProgramStarter::start(const QString &program, const QStringList &arguments,
                                        WindowStyle style)
{
    if (program.isEmpty())
        return { false, QStringLiteral("No program was named.") };

    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
#ifdef _WIN32
    if (isCommandScript(program)) {
        const QString refusal = prepareScriptStart(process, program, arguments);
        if (!refusal.isEmpty())
            return { false, refusal };
    }
    process.setCreateProcessArgumentsModifier(
        [style](QProcess::CreateProcessArguments *args) {
            args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
            args->startupInfo->wShowWindow = static_cast<WORD>(
                style == WindowStyle::NormalFocus ? SW_SHOWNORMAL : SW_SHOWDEFAULT);
            args->flags |= CREATE_NEW_CONSOLE;
        });
#else
    // A window's placement and focus belong to the started program and the window manager.
    // A script is started directly: it must be executable and names its own interpreter.
    Q_UNUSED(style);
#endif
    qint64 pid = 0;
    if (process.startDetached(&pid))
        return { true, {} };
    QString reason = process.errorString();
    if (reason.isEmpty())
        reason = QStringLiteral("The program could not be started.");
    return { false, reason };
}
