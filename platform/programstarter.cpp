#include "programstarter.h"

#include <QProcess>

#ifdef _WIN32
#include <windows.h>
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
    process.setCreateProcessArgumentsModifier(
        [style](QProcess::CreateProcessArguments *args) {
            args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
            args->startupInfo->wShowWindow
                = style == WindowStyle::NormalFocus ? SW_SHOWNORMAL : SW_SHOWDEFAULT;
            args->flags |= CREATE_NEW_CONSOLE;
        });
#else
    // A window's placement and focus belong to the started program and the window manager.
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
