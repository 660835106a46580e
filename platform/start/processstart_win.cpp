#include "start/processstart_win.h"

#include <windows.h>

#include <vector>

namespace win32 {

namespace {

    bool endsWithNoCase(const std::wstring &text, const std::wstring &ending)
    {
        if (text.size() < ending.size())
            return false;
        const std::wstring tail = text.substr(text.size() - ending.size());
        return CompareStringOrdinal(tail.c_str(), static_cast<int>(tail.size()), ending.c_str(),
                   static_cast<int>(ending.size()), TRUE)
            == CSTR_EQUAL;
    }

    bool isFile(const std::wstring &path)
    {
        const DWORD attributes = GetFileAttributesW(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES
            && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }

    bool isSeparator(wchar_t character)
    {
        return character == L'\\' || character == L'/';
    }

    // A drive letter with its separator, or a network path. "\tools\x.exe" lies on the current
    // drive and "C:tools\x.exe" in drive C:'s current folder, both the working folder's choice.
    bool isFullPath(const std::wstring &path)
    {
        const bool driveLetter = path.size() >= 3
            && ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z'))
            && path[1] == L':' && isSeparator(path[2]);
        const bool network = path.size() >= 3 && isSeparator(path[0]) && isSeparator(path[1])
            && !isSeparator(path[2]);
        return driveLetter || network;
    }

    // A started program runs in its own folder, so that whatever it names by a relative path is its
    // own. A folder at a drive's root keeps its backslash: "E:" alone is that drive's current
    // folder, which may be anybody's.
    std::wstring folderOf(const std::wstring &path)
    {
        const std::size_t end = path.find_last_of(L"\\/");
        if (end == std::wstring::npos)
            return {};
        return path.substr(0, end == 2 && path[1] == L':' ? end + 1 : end);
    }

} // namespace

bool isCommandScript(const std::wstring &program)
{
    return endsWithNoCase(program, L".cmd") || endsWithNoCase(program, L".bat");
}

std::wstring systemFolder()
{
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::wstring(folder, length);
}

// cmd.exe parses its command line itself, and "&", "|", "(" or "^" in an unquoted path would be
// read as commands. "/d" keeps AutoRun commands from the registry out, "/v:off" keeps "!" in a
// path from being expanded, and the path goes in a second pair of quotes, which "/c" strips,
// leaving it quoted as one word. Inside quotes "%" still expands and cannot be escaped (Wine's
// cmd.exe even expands it again in what a variable expands to), so the script is named
// relative to its folder, which it runs in: its folder's path, "%" and all, never passes
// through cmd.exe. A network share cannot be cmd.exe's working folder, so a script there is
// named by its full path, and refused if that holds a "%". The interpreter is the system
// folder's, not one found on the search path or in the working folder, where anyone could have
// put a program of that name.
StartRefusal prepareScriptStart(
    const std::wstring &script, const std::wstring &folder, ProcessStart &start)
{
    const std::wstring scriptFolder = folderOf(script);
    const std::wstring name = script.substr(script.find_last_of(L"\\/") + 1);
    const bool network = !script.empty() && isSeparator(script[0]);
    if ((network ? script : name).find_first_of(L"%\"") != std::wstring::npos)
        return StartRefusal::PercentOrQuoteInScriptPath;
    // The interpreter starts even when the script is missing, so its absence is found here.
    if (!isFile(script))
        return StartRefusal::ScriptMissing;
    if (folder.empty())
        return StartRefusal::NoInterpreter;
    start.application = folder + L"\\cmd.exe";
    const std::wstring named = network ? script : L".\\" + name;
    start.commandLine = L"\"" + start.application + L"\" /d /v:off /c \"\"" + named + L"\"\"";
    start.workingFolder = scriptFolder;
    return StartRefusal::None;
}

StartRefusal prepareStart(
    const std::wstring &program, const std::wstring &folder, ProcessStart &start)
{
    // The system would end the path at a NUL, and start a program other than the one named.
    if (program.find(L'\0') != std::wstring::npos)
        return StartRefusal::NulInPath;
    if (!isFullPath(program))
        return StartRefusal::NotFullPath;
    if (isCommandScript(program))
        return prepareScriptStart(program, folder, start);
    // A quote cannot be part of a file name; one here would end the program's word early.
    if (program.find(L'"') != std::wstring::npos)
        return StartRefusal::QuoteInProgramPath;
    start.application = program;
    start.commandLine = L"\"" + program + L"\"";
    start.workingFolder = folderOf(program);
    return StartRefusal::None;
}

unsigned long startDetached(const ProcessStart &start)
{
    STARTUPINFOW startup {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process {};
    // CreateProcessW may write into the command line, so it gets a copy of its own.
    std::vector<wchar_t> commandLine(start.commandLine.begin(), start.commandLine.end());
    commandLine.push_back(L'\0');
    if (!CreateProcessW(start.application.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
            CREATE_NEW_CONSOLE | CREATE_UNICODE_ENVIRONMENT, nullptr,
            start.workingFolder.empty() ? nullptr : start.workingFolder.c_str(), &startup,
            &process))
        return GetLastError();
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

std::wstring systemMessage(unsigned long error)
{
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    std::wstring message = length != 0 ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r'))
        message.pop_back();
    return message;
}

} // namespace win32
