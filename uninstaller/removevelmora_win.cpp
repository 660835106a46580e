// remove-velmora.exe: removes Velmora from Windows. Sweepwright.cmd runs it from beside itself,
// in its console, once the user has confirmed in the wizard:
//
//     remove-velmora remove
//
// and so do Apps & features and the user's next log-on once a removal has begun and until it
// has ended (below). It removes what the installer laid down (installed-files.txt, compiled in),
// the Start-menu folder and the entry in Apps & features; the windows in which it says what it
// did not remove are removalreport_win.cpp's, and its words, in the user's language, the string
// table of removalwords.rc.
//
// Closing a console ends the programs attached to it; this one, made for the windows subsystem,
// is attached to none but for the moment it writes its line in the script's console, before it
// changes anything, so closing that console stops nothing here. Whenever it is
// stopped all the same (the machine switched off), what is left can still remove itself:
//  1. Nothing is changed while a program runs from the folder (the wizard is waited for) or
//     another program keeps a file of it open without letting others delete it: the window names
//     them, and the user tries again later.
//  2. Every file is held for deletion, then the entry in Apps & features is pointed at this
//     program, and the user's RunOnce key made to start it at the next log-on; each run of it
//     sets that again, as Windows deletes it before it runs it.
//  3. The files go all at once, or none does; then the Start-menu folder.
//  4. The entry goes only once nothing else of ours is left; what is left is named.
//  5. The last step (lastcleanup_win.cpp) removes this program, the script and the folder once
//     they are released, and then the Run value.
// Names are walked, compared and written as the system's UTF-16, never through a code page. By
// the time anything is shown, Qt's libraries may be gone: the program is linked statically and
// needs nothing of the folder it is in.

#include "installedfiles.h"
#include "removal/lastcleanup_win.h"
#include "start/processstart_win.h"
#include "removal/removalfiles_win.h"
#include "removal/removalregistry_win.h"
#include "removalreport_win.h"
#include "removalwords_win.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace {

const wchar_t entryKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velmora";
const wchar_t resumeValue[] = L"Velmora removal";
const wchar_t scriptName[] = L"Sweepwright.cmd";
const wchar_t programName[] = L"remove-velmora.exe";
const wchar_t wizardName[] = L"Sweepwright.exe";
// The entry names the Start-menu folder the installer made, where a policy may have put it.
const wchar_t menuValue[] = L"StartMenuFolder";

struct Removal
{
    std::wstring folder;
    std::wstring command; // this program's, as the entry and the log-on start it
    std::wstring menu;
    std::vector<std::wstring> files;
    win32::RemovalRegistry registry { entryKey, resumeValue };
};

std::wstring ownPath()
{
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length
            = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
}

std::wstring defaultMenu()
{
    wchar_t *programs = nullptr;
    std::wstring menu;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Programs, 0, nullptr, &programs)))
        menu = std::wstring(programs) + L"\\Velmora";
    CoTaskMemFree(programs);
    return menu;
}

bool endsWith(const std::wstring &path, const std::wstring &name)
{
    return path.size() > name.size()
        && win32::sameName(path.substr(path.size() - name.size() - 1), L"\\" + name);
}

// The programs that keep Velmora from being removed. The wizard ends a moment after it starts
// the script, and is waited for, half a minute at most; any other program is named at once.
std::vector<std::wstring> programsInTheWay(const std::wstring &folder)
{
    for (int tries = 0;; ++tries) {
        const std::vector<std::wstring> running = win32::programsRunningFrom(folder);
        bool wizardsOnly = true;
        for (const std::wstring &program : running)
            wizardsOnly = wizardsOnly && endsWith(program, wizardName);
        if (running.empty() || !wizardsOnly || tries == 60)
            return running;
        Sleep(500);
    }
}

// Holds every file for deletion. A scanner that has just opened one lets it go in a moment:
// fifteen seconds are waited for.
std::vector<std::wstring> holdFiles(win32::DeletionHold &hold, const Removal &removal)
{
    for (int tries = 0;; ++tries) {
        const std::vector<std::wstring> held = hold.take(removal.folder, removal.files);
        if (held.empty() || tries == 30)
            return held;
        Sleep(500);
    }
}

bool nothingInTheWay(win32::DeletionHold &hold, const Removal &removal)
{
    const std::vector<std::wstring> running = programsInTheWay(removal.folder);
    if (!running.empty()) {
        reportNothingRemoved(words(IDS_PROGRAMS_RUNNING), running, words(IDS_CLOSE_PROGRAMS));
        return false;
    }
    const std::vector<std::wstring> held = holdFiles(hold, removal);
    if (!held.empty()) {
        reportNothingRemoved(
            words(IDS_FILES_HELD, { removal.folder }), held, words(IDS_LET_FILES_GO));
        return false;
    }
    return true;
}

// Steps 2 and 3. Returns false, with nothing removed and the way back as it was, when a file
// cannot be deleted.
bool removeFiles(win32::DeletionHold &hold, const Removal &removal)
{
    const std::wstring before = removal.registry.entryValue(L"UninstallString");
    const bool resumed = removal.registry.resumesAtLogon();
    const bool wayBack = removal.registry.resumeAtLogon(removal.command)
        && (before.empty() || removal.registry.setEntryValue(L"UninstallString", removal.command));
    const std::vector<std::wstring> refused
        = wayBack ? hold.deleteAll() : std::vector<std::wstring>();
    if (!wayBack || !refused.empty()) {
        if (!before.empty())
            removal.registry.setEntryValue(L"UninstallString", before);
        if (!resumed)
            removal.registry.stopResumingAtLogon();
        if (wayBack)
            reportNothingRemoved(
                words(IDS_FILES_IN_USE, { removal.folder }), refused, words(IDS_CLOSE_PROGRAM));
        else
            tell(words(IDS_NO_WAY_BACK));
        return false;
    }
    for (const std::wstring &file : removal.files) {
        const std::size_t end = file.find_last_of(L'\\');
        if (end != std::wstring::npos)
            RemoveDirectoryW(
                win32::unlimited(removal.folder + L"\\" + file.substr(0, end)).c_str());
    }
    if (!removal.menu.empty()) {
        for (const wchar_t *shortcut : { L"\\Velmora.lnk", L"\\Sweepwright.lnk" })
            DeleteFileW(win32::unlimited(removal.menu + shortcut).c_str());
        RemoveDirectoryW(win32::unlimited(removal.menu).c_str());
    }
    return true;
}

// Step 4: what of ours is left, the entry last. Returns whether all is gone but this program,
// the script and the folder.
bool removeEntry(const Removal &removal, std::vector<std::wstring> &left)
{
    for (const std::wstring &file : removal.files) {
        if (win32::exists(removal.folder + L"\\" + file))
            left.push_back(removal.folder + L"\\" + file);
    }
    if (!removal.menu.empty() && win32::exists(removal.menu))
        left.push_back(removal.menu);
    if (left.empty() && removal.registry.deleteEntry())
        return true;
    if (removal.registry.entryExists())
        left.push_back(words(IDS_ENTRY));
    return false;
}

// Why the last step cannot be taken, in the user's words.
std::wstring refusalText(win32::CleanupRefusal refusal, const std::wstring &folder)
{
    using Refusal = win32::CleanupRefusal;
    switch (refusal) {
    case Refusal::None:
        break;
    case Refusal::NoInterpreter:
        return words(IDS_NO_INTERPRETER);
    case Refusal::NetworkShare:
        return words(IDS_NETWORK_SHARE, { folder });
    case Refusal::DriveRoot:
        return words(IDS_DRIVE_ROOT, { folder });
    case Refusal::PercentInName:
        return words(IDS_PERCENT_IN_NAME, { folder });
    case Refusal::PathTooLong:
        return words(IDS_PATH_TOO_LONG, { folder });
    }
    return {};
}

// Step 5, once the user has seen what was kept: the window is this program's, which the last
// step waits for.
void cleanUpLast(const Removal &removal, bool folderToo)
{
    win32::LastCleanup cleanup;
    const win32::CleanupRefusal refusal = win32::prepareLastCleanup(removal.folder,
        { programName, scriptName }, folderToo, resumeValue, win32::systemFolder(), cleanup);
    std::wstring reason;
    if (refusal == win32::CleanupRefusal::None) {
        const unsigned long error = win32::startLastCleanup(cleanup);
        if (error == 0)
            return;
        std::wstring said = win32::systemMessage(error);
        if (said.empty())
            said = words(IDS_NO_REASON, { std::to_wstring(error) });
        reason = words(IDS_INTERPRETER_NOT_STARTED, { cleanup.application, said });
    } else {
        reason = refusalText(refusal, removal.folder);
    }
    removal.registry.stopResumingAtLogon();
    tell(words(IDS_LAST_FILES_LEFT, { removal.folder, reason }));
}

int removeVelmora(Removal &removal)
{
    // A copy of this program elsewhere would otherwise take the entry of the Velmora installed.
    const std::wstring installed = removal.registry.entryValue(L"InstallLocation");
    if (!installed.empty() && !win32::sameFolder(installed, removal.folder)) {
        tell(words(IDS_INSTALLED_ELSEWHERE, { installed, removal.folder }));
        return 1;
    }
    win32::DeletionHold hold;
    if (!nothingInTheWay(hold, removal) || !removeFiles(hold, removal))
        return 1;
    std::vector<std::wstring> left;
    const bool done = removeEntry(removal, left);
    std::vector<std::wstring> ours = removal.files;
    ours.insert(ours.end(), { scriptName, programName, reportListName });
    const std::vector<std::wstring> kept = win32::filesBesides(removal.folder, ours);
    reportWhatIsLeft(removal.folder, left, kept, !done, removal.registry.entryExists());
    if (!done)
        return 1;
    cleanUpLast(removal, kept.empty());
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const bool asked
        = arguments != nullptr && count == 2 && std::wstring(arguments[1]) == L"remove";
    LocalFree(arguments);
    if (!asked) {
        tell(words(IDS_NOT_ASKED));
        return 2;
    }
    announceInConsole();
    Removal removal;
    const std::wstring self = ownPath();
    removal.folder = self.substr(0, self.find_last_of(L'\\'));
    if (self.empty() || win32::systemFolder().empty()) {
        tell(words(IDS_NO_FOLDER));
        return 1;
    }
    removal.command = L"\"" + self + L"\" remove";
    removal.menu = removal.registry.entryValue(menuValue);
    if (removal.menu.empty())
        removal.menu = defaultMenu();
    removal.files.assign(std::begin(installedFiles), std::end(installedFiles));
    return removeVelmora(removal);
}
