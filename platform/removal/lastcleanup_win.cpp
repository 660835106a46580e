#include "removal/lastcleanup_win.h"

#include "removal/removalregistry_win.h"

#include <windows.h>

namespace win32 {

namespace {

    // cmd.exe's longest command, less a margin.
    constexpr std::size_t longestCommand = 8000;
    // Seconds to wait before each try: the program and the console end a moment after the
    // cleanup starts, on a busy machine much later; past the last, the next log-on resumes.
    constexpr int waits[] = { 1, 1, 1, 2, 2, 3, 5, 8, 13, 20, 30, 45, 60, 90 };

    std::wstring inFolder(const std::wstring &leaf, const std::wstring &name)
    {
        return L"\"" + leaf + L"\\" + name + L"\"";
    }

    // "if" clauses, true while something the cleanup removes is still there: the folder, or
    // when it stays for the user's files, one of the names.
    std::vector<std::wstring> whileLeft(
        const std::wstring &leaf, const std::vector<std::wstring> &names, bool folderToo)
    {
        if (folderToo)
            return { L"if exist " + inFolder(leaf, L"") };
        std::vector<std::wstring> clauses;
        std::wstring before;
        for (const std::wstring &name : names) {
            clauses.push_back(before + L"if exist " + inFolder(leaf, name));
            before += L"if not exist " + inFolder(leaf, name) + L" ";
        }
        return clauses;
    }

    std::wstring whenGone(
        const std::wstring &leaf, const std::vector<std::wstring> &names, bool folderToo)
    {
        if (folderToo)
            return L"if not exist " + inFolder(leaf, L"");
        std::wstring clause;
        for (const std::wstring &name : names)
            clause += (clause.empty() ? L"" : L" ") + (L"if not exist " + inFolder(leaf, name));
        return clause;
    }

    // One try: waits while anything is left, removes what it can, and once nothing is left
    // takes the resume command back and ends. Each part is a group of its own, and the commands
    // of an "if" one too: Windows' cmd.exe gives an "if" every command after it, Wine's only the
    // first, and Wine's ends a "for" body at "&", so the tries are written out, not looped. Every
    // program is named by its path in the system folder: a bare name is looked for in the working
    // folder and on PATH first.
    std::wstring oneTry(const std::wstring &leaf, const std::vector<std::wstring> &names,
        bool folderToo, const std::wstring &system, const std::wstring &takeBack, int seconds)
    {
        std::wstring command;
        for (const std::wstring &clause : whileLeft(leaf, names, folderToo))
            command += L"(" + clause + L" \"" + system + L"\\PING.EXE\" -n "
                + std::to_wstring(seconds + 1) + L" 127.0.0.1 >nul) & ";
        command += L"(del /f /q";
        for (const std::wstring &name : names)
            command += L" " + inFolder(leaf, name);
        command += L" >nul 2>&1) & ";
        if (folderToo)
            command += L"(rd \"" + leaf + L"\" >nul 2>&1) & ";
        return command + L"(" + whenGone(leaf, names, folderToo) + L" (" + takeBack + L" & exit))";
    }

} // namespace

CleanupRefusal prepareLastCleanup(const std::wstring &folder,
    const std::vector<std::wstring> &names, bool folderToo, const std::wstring &resumeValue,
    const std::wstring &system, LastCleanup &cleanup)
{
    // The command names the folder by its own name, from the folder it lies in: cmd.exe
    // expands "%" in a command line, and Wine's also in what a variable expands to, so a path
    // with one could reach it by no other way. Its own name must hold none.
    const std::size_t end = folder.find_last_of(L'\\');
    if (system.empty())
        return CleanupRefusal::NoInterpreter;
    if (folder.rfind(L"\\\\", 0) == 0)
        return CleanupRefusal::NetworkShare;
    if (end == std::wstring::npos || end + 1 == folder.size() || end < 2)
        return CleanupRefusal::DriveRoot;
    const std::wstring leaf = folder.substr(end + 1);
    if (leaf.find(L'%') != std::wstring::npos)
        return CleanupRefusal::PercentInName;
    const std::wstring takeBack = L"\"" + system + L"\\reg.exe\" delete \"HKCU\\" + userRunOnceKey
        + L"\" /v \"" + resumeValue + L"\" /f >nul 2>&1";
    std::wstring body;
    for (const int seconds : waits) {
        const std::wstring next = oneTry(leaf, names, folderToo, system, takeBack, seconds);
        if (body.size() + next.size() + 3 > longestCommand)
            break;
        body += (body.empty() ? L"" : L" & ") + next;
    }
    if (body.empty())
        return CleanupRefusal::PathTooLong;
    cleanup.application = system + L"\\cmd.exe";
    cleanup.commandLine = L"\"" + cleanup.application + L"\" /d /v:off /c \"" + body + L"\"";
    // A drive's root keeps its backslash: "E:" alone is the folder current on drive E:.
    cleanup.workingFolder = folder.substr(0, end == 2 ? end + 1 : end);
    return CleanupRefusal::None;
}

unsigned long startLastCleanup(const LastCleanup &cleanup)
{
    std::wstring commandLine = cleanup.commandLine;
    STARTUPINFOW startup {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process {};
    if (!CreateProcessW(cleanup.application.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
            CREATE_NO_WINDOW, nullptr, cleanup.workingFolder.c_str(), &startup, &process))
        return GetLastError();
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

} // namespace win32
