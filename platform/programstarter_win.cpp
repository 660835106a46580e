#include "programstarter.h"

#include "win32/programstart.h"

#include <QDir>
#include <QProcess>

#include <windows.h>

namespace {

std::wstring toWide(const QString &text)
{
    return text.toStdWString();
}

// A command script runs only through the system's cmd.exe, with a command line written for it:
// QProcess quotes arguments only for programs that parse them the C runtime's way.
StartResult startScript(const QString &script, const QStringList &arguments, WindowStyle style)
{
    if (!arguments.isEmpty())
        return { false, QStringLiteral("A command script is started without arguments.") };
    win32::ProcessStart start;
    const std::wstring refusal = win32::prepareScriptStart(
        toWide(QDir::toNativeSeparators(script)), win32::systemFolder(), start);
    if (!refusal.empty())
        return { false, QString::fromStdWString(refusal) };
    const unsigned long error = win32::startDetached(start, static_cast<int>(style));
    if (error != 0)
        return { false, QString::fromStdWString(win32::systemMessage(error)) };
    return { true, {} };
}

} // namespace

StartResult SystemProgramStarter::start(const QString &program, const QStringList &arguments,
                                        WindowStyle style)
{
    if (program.isEmpty())
        return { false, QStringLiteral("No program was named.") };
    if (win32::isCommandScript(toWide(program)))
        return startScript(program, arguments, style);

    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setCreateProcessArgumentsModifier(
        [style](QProcess::CreateProcessArguments *args) {
            args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
            args->startupInfo->wShowWindow = win32::showStateFor(static_cast<int>(style));
            args->flags |= CREATE_NEW_CONSOLE;
        });
    qint64 pid = 0;
    if (process.startDetached(&pid))
        return { true, {} };
    QString reason = process.errorString();
    if (reason.isEmpty())
        reason = QStringLiteral("The program could not be started.");
    return { false, reason };
}
