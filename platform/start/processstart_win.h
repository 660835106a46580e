#pragma once

// How a program is started on Windows, free of Qt so that the Windows toolchain alone builds and
// tests it: the command line that runs a command script through the system's cmd.exe, and the
// start itself.

#include <string>

namespace win32 {

// What CreateProcessW is given: the program to run and its whole command line.
struct ProcessStart
{
    std::wstring application;
    std::wstring commandLine;
    std::wstring workingFolder; // empty: the starting program's own
};

// Why a start is refused. The caller words the reason in the user's language, with the path it
// gave: these units are free of the catalogues and of the resources that hold the words.
enum class StartRefusal {
    None, // ready to start
    NulInPath, // the path holds a NUL, where the system would end it
    NotFullPath, // neither a drive letter with its separator nor a network share
    QuoteInProgramPath, // a quote, which would end the program's word early
    PercentOrQuoteInScriptPath, // in the script's name, or in its path on a network share
    ScriptMissing, // cmd.exe would start, and only then find no script
    NoInterpreter, // the system folder, where cmd.exe lies, is not known
};

// Whether a program is a command script, which only cmd.exe can run.
bool isCommandScript(const std::wstring &program);

// The system folder, where the system's own cmd.exe lies; empty when the system does not say.
std::wstring systemFolder();

// Prepares the start of the command script at the full path script through the cmd.exe of
// systemFolder. Returns why the script must not or cannot be started, and then leaves start as
// it was; returns StartRefusal::None when start is ready.
StartRefusal prepareScriptStart(
    const std::wstring &script, const std::wstring &folder, ProcessStart &start);

// Prepares the start of the program at the full path program, without arguments: a command
// script through prepareScriptStart, any other program directly, by that path alone and never
// looked for on the search path. A path that is not a full one, or holds a NUL, is refused.
// Returns a refusal as prepareScriptStart does.
StartRefusal prepareStart(
    const std::wstring &program, const std::wstring &folder, ProcessStart &start);

// Starts the program in its own console, its first window normal and focused, without waiting
// for it. Returns 0 when it started, otherwise the system's error code.
unsigned long startDetached(const ProcessStart &start);

// The system's words for an error code, in the user's language; empty when it has none.
std::wstring systemMessage(unsigned long error);

} // namespace win32
