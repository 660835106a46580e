// The start of a program on Windows: the Qt-free start that the tests under Wine prove, with its
// refusals and failures put in the user's words.

#include "start/programstarter.h"

#include "start/processstart_win.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The reasons share their context with the start's reasons on other systems, so that a
// sentence both say is translated once.
QString refusalText(win32::StartRefusal refusal, const QString &program)
{
    using Refusal = win32::StartRefusal;
    switch (refusal) {
    case Refusal::None:
        break;
    case Refusal::NulInPath:
        return QCoreApplication::translate("StartDiagnosis",
            "The program's path holds a NUL character, which no path can hold, so it names no "
            "program that could be started.");
    case Refusal::NotFullPath:
        return QCoreApplication::translate("StartDiagnosis",
            "%1 is not a full path: a program is started only by its full path, which begins "
            "with a drive letter and \"\\\" or names a network share.")
            .arg(program);
    case Refusal::QuoteInProgramPath:
        return QCoreApplication::translate(
            "StartDiagnosis", "The path of the program contains a quote: %1")
            .arg(program);
    case Refusal::PercentOrQuoteInScriptPath:
        return QCoreApplication::translate(
            "StartDiagnosis", "The path of the command script contains \"%\" or a quote: %1")
            .arg(program);
    case Refusal::ScriptMissing:
        return QCoreApplication::translate(
            "StartDiagnosis", "The system cannot find the file specified: %1")
            .arg(program);
    case Refusal::NoInterpreter:
        return QCoreApplication::translate(
            "StartDiagnosis", "The command interpreter was not found.");
    }
    return {};
}

} // namespace

// Every program starts through the one Qt-free start that the tests under Wine prove: a command
// script only through the system's cmd.exe, with a command line written for it (QProcess quotes
// arguments only for programs that parse them the C runtime's way), any other by its path.
StartResult SystemProgramStarter::start(const QString &program)
{
    if (program.isEmpty())
        return { false, QCoreApplication::translate("StartDiagnosis", "No program was named.") };
    const QString path = QDir::toNativeSeparators(program);
    win32::ProcessStart start;
    const win32::StartRefusal refusal
        = win32::prepareStart(path.toStdWString(), win32::systemFolder(), start);
    if (refusal != win32::StartRefusal::None)
        return { false, refusalText(refusal, path) };
    const unsigned long error = win32::startDetached(start);
    if (error == 0)
        return { true, {} };
    // The system's own words are in the user's language already.
    const QString said = QString::fromStdWString(win32::systemMessage(error));
    if (!said.isEmpty())
        return { false, said };
    return { false,
        QCoreApplication::translate(
            "StartDiagnosis", "The program could not be started (error %1).")
            .arg(error) };
}
