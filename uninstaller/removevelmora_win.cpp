// remove-velmora.exe: removes Velmora from Windows. Sweepwright.cmd runs it from beside itself,
// in its console, once the user has confirmed in the wizard:
//
//     remove-velmora remove
//
// and so do Apps & features and the user's next log-on once a removal has begun and until it
// has ended (below). It removes what the installer laid down (installed-files.txt, compiled in),
// the Start-menu folder and the entry in Apps & features; the windows in which it says what it
// did not remove are removalreport_win.cpp's.
//
// Closing a console ends the programs attached to it; this one, made for the windows subsystem,
// is attached to none, so closing the script's console stops nothing here. Whenever it is
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
    const std::wstring advice = L"Then remove Velmora again from Apps & features.";
    const std::vector<std::wstring> running = programsInTheWay(removal.folder);
    if (!running.empty()) {
        reportNothingRemoved(L"Velmora has not been removed, because these of its programs are "
                             L"running:",
            running, L"Close them. " + advice);
        return false;
    }
    const std::vector<std::wstring> held = holdFiles(hold, removal);
    if (!held.empty()) {
        reportNothingRemoved(L"Velmora has not been removed, because another program keeps "
                             L"these of its files in "
                + removal.folder + L" open:",
            held, L"Close that program, or wait until it lets them go. " + advice);
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
            reportNothingRemoved(L"Velmora has not been removed, because a program runs from "
                                 L"these of its files in "
                    + removal.folder + L":",
                refused, L"Close it, then remove Velmora again from Apps & features.");
        else
            tell(
                L"Velmora has not been removed: its entry in Apps & features, or your RunOnce key, "
                L"could not be changed, and a removal stopped halfway could not finish.");
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
        left.push_back(L"The entry \"Velmora\" in Apps & features");
    return false;
}

// Step 5, once the user has seen what was kept: the window is this program's, which the last
// step waits for.
void cleanUpLast(const Removal &removal, bool folderToo)
{
    win32::LastCleanup cleanup;
    std::wstring refusal = win32::prepareLastCleanup(removal.folder, { programName, scriptName },
        folderToo, resumeValue, win32::systemFolder(), cleanup);
    if (refusal.empty()) {
        const unsigned long error = win32::startLastCleanup(cleanup);
        if (error == 0)
            return;
        refusal = L"The command interpreter " + cleanup.application + L" could not be started: "
            + win32::systemMessage(error);
    }
    removal.registry.stopResumingAtLogon();
    tell(L"Velmora has been removed, but for " + std::wstring(programName) + L" and " + scriptName
        + L" in " + removal.folder + L". Delete them yourself.\n\n" + refusal);
}

int removeVelmora(Removal &removal)
{
    // A copy of this program elsewhere would otherwise take the entry of the Velmora installed.
    const std::wstring installed = removal.registry.entryValue(L"InstallLocation");
    if (!installed.empty() && !win32::sameFolder(installed, removal.folder)) {
        tell(L"Velmora is installed in " + installed
            + L", and this program removes only the "
              L"Velmora of its own folder, "
            + removal.folder + L". Nothing has been removed.");
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
        tell(L"remove-velmora.exe removes Velmora only when Sweepwright.cmd starts it. Remove "
             L"Velmora from Apps & features instead.");
        return 2;
    }
    Removal removal;
    const std::wstring self = ownPath();
    removal.folder = self.substr(0, self.find_last_of(L'\\'));
    if (self.empty() || win32::systemFolder().empty()) {
        tell(L"Velmora has not been removed: this program could not find its own folder or the "
             L"system folder. Restart Windows, then remove Velmora again from Apps & features.");
        return 1;
    }
    removal.command = L"\"" + self + L"\" remove";
    removal.menu = removal.registry.entryValue(menuValue);
    if (removal.menu.empty())
        removal.menu = defaultMenu();
    removal.files.assign(std::begin(installedFiles), std::end(installedFiles));
    return removeVelmora(removal);
}
