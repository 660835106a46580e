#include "start/programstarter.h"

#include "start/processstart_win.h"

#include <QDir>

namespace {

std::wstring toWide(const QString &text)
{
    return text.toStdWString();
}

} // namespace

// Every program starts through the one Qt-free start that the tests under Wine prove: a command
// script only through the system's cmd.exe, with a command line written for it (QProcess quotes
// arguments only for programs that parse them the C runtime's way), any other by its path.
StartResult SystemProgramStarter::start(const QString &program)
{
    if (program.isEmpty())
        return { false, QStringLiteral("No program was named.") };
    win32::ProcessStart start;
    const std::wstring refusal = win32::prepareStart(
        toWide(QDir::toNativeSeparators(program)), win32::systemFolder(), start);
    if (!refusal.empty())
        return { false, QString::fromStdWString(refusal) };
    const unsigned long error = win32::startDetached(start);
    if (error != 0)
        return { false, QString::fromStdWString(win32::systemMessage(error)) };
    return { true, {} };
}
