#pragma once

// The last step of the Windows removal, free of Qt so that the tests under Wine build it: the
// files that cannot go while the removal runs (its own program, and the script whose console
// may keep it open to its end) and then the folder, removed by the system's cmd.exe once they
// are released, after the removal program has ended; and last the command that would resume the
// removal at the next log-on, which stays while any of them does.

#include <string>
#include <vector>

namespace win32 {

struct LastCleanup
{
    std::wstring application; // the system folder's cmd.exe
    std::wstring commandLine;
    std::wstring workingFolder; // the folder the install folder lies in
};

// Why the last step cannot be taken; the caller words it, with the folder it gave.
enum class CleanupRefusal {
    None, // ready
    NoInterpreter, // the system folder, where cmd.exe lies, is not known
    NetworkShare, // cmd.exe cannot work in a folder on a network share
    DriveRoot, // the folder is a drive's root, which has no folder above to stand in
    PercentInName, // cmd.exe would read a "%" in the folder's own name as part of a variable
    PathTooLong, // not even one try fits cmd.exe's command line
};

// Prepares the removal of names (files directly in folder) and, if folderToo, of the folder
// once it is empty, through the cmd.exe of the system folder system; the resume command is the
// value resumeValue of the user's RunOnce key. Returns why that cannot be done, and leaves
// cleanup as it was; CleanupRefusal::None when cleanup is ready.
CleanupRefusal prepareLastCleanup(const std::wstring &folder,
    const std::vector<std::wstring> &names, bool folderToo, const std::wstring &resumeValue,
    const std::wstring &system, LastCleanup &cleanup);

// Starts it without a window, and without waiting. Returns 0, or the system's error code.
unsigned long startLastCleanup(const LastCleanup &cleanup);

} // namespace win32
