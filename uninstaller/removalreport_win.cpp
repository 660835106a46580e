// sweepwright-report.exe: the part of the removal that closing its console must not stop, and the
// window that says what the removal left. Sweepwright.cmd runs it from beside itself once the
// wizard has ended:
//
//     sweepwright-report <Start-menu folder> <file>...
//
// each <file> one that the installer laid down in this program's folder, named relative to it.
//
// Closing a console ends the programs attached to it. This one, made for the windows subsystem, is
// not attached to any, nor are the consoles without a window in which it runs the script's last
// steps; so from here the removal goes on to its end, and stopping it earlier leaves Velmora
// installed, its entry in Apps & features able to start the removal again:
//  1. Nothing is removed while a program still uses one of the files (a Velmora left open, a second
//     wizard): the window names them, and the user tries again once they are closed.
//  2. "Sweepwright.cmd finish" removes the files, the wizard's last, then the Start-menu folder and
//     the entry in Apps & features.
//  3. Whatever is left is listed in a file in the folder, which is kept then, and shown, as much of
//     it as a screen holds.
//  4. A last command removes this program and the script once they are released, then the
//     folder, unless something was left in it.
// Names are walked, compared and written as the system's UTF-16, never through a code page.
//
// By the time anything is shown, Qt's libraries may be gone: the window is the system's message
// box, and the program is linked statically, needing nothing of the folder it is in.

#include "processstart_win.h"
#include "wizardinfo.h"

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

// The system's wide characters are UTF-16 units, as char16_t is.
static_assert(sizeof(wchar_t) == sizeof(char16_t));
const wchar_t *const title = reinterpret_cast<const wchar_t *>(WizardInfo::title);
const wchar_t uninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velmora";
const wchar_t scriptName[] = L"Sweepwright.cmd";
const wchar_t programName[] = L"sweepwright-report.exe";
// Beside what the removal kept, where the user finds it, and never removed by it.
const wchar_t listName[] = L"Velmora removal report.txt";

// A message box grows with its text and is never cut by the system: it shows this many names at
// most, each shortened to fit one line, and counts the rest.
constexpr std::size_t shownNames = 10;
constexpr std::size_t shownLength = 72;

bool sameName(const std::wstring &one, const std::wstring &other)
{
    return CompareStringOrdinal(one.c_str(), static_cast<int>(one.size()), other.c_str(),
               static_cast<int>(other.size()), TRUE)
        == CSTR_EQUAL;
}

std::wstring folderOfThisProgram()
{
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length
            = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            const std::wstring file(path.data(), length);
            return file.substr(0, file.find_last_of(L'\\'));
        }
        path.resize(path.size() * 2);
    }
}

// The form of a path that is not cut at MAX_PATH characters: a user's files may lie deeper.
std::wstring unlimited(const std::wstring &path)
{
    if (path.rfind(L"\\\\?\\", 0) == 0)
        return path;
    if (path.rfind(L"\\\\", 0) == 0)
        return L"\\\\?\\UNC\\" + path.substr(2);
    return L"\\\\?\\" + path;
}

bool exists(const std::wstring &path)
{
    return GetFileAttributesW(unlimited(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Windows lets nobody write to a program or library while it runs, so a file that cannot be
// opened for writing, without writing, is in use.
bool inUse(const std::wstring &path)
{
    const HANDLE file = CreateFileW(unlimited(path).c_str(), GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Starts the command line given through the system's cmd.exe, in a console without a window,
// from the system folder, so that neither the console nor its working folder holds the install
// folder. The command names that folder as %SWEEPWRIGHT_FOLDER%, inside quotes: expanded once
// there, no character of its name is read as a command, whatever cmd.exe expands first.
HANDLE startHidden(const std::wstring &system, const std::wstring &command, DWORD &error)
{
    const std::wstring interpreter = system + L"\\cmd.exe";
    std::wstring commandLine = L"\"" + interpreter + L"\" /d /v:off /c \"" + command + L"\"";
    STARTUPINFOW startup {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process {};
    if (!CreateProcessW(interpreter.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
            CREATE_NO_WINDOW, nullptr, system.c_str(), &startup, &process)) {
        error = GetLastError();
        return nullptr;
    }
    CloseHandle(process.hThread);
    return process.hProcess;
}

// Removes this program and the script once they are released, then the folder, which fails
// harmlessly while anything is left in it. Nothing of it lies in the folder: Wine's cmd.exe keeps
// the script it runs open to its end, and while the console the script started in lasts, Windows
// may keep the folder it started in. Both end a moment after this program; three tries, a second,
// three and nine seconds on, wait for them.
std::wstring cleanupCommand(const std::wstring &system)
{
    const std::wstring folder = L"%SWEEPWRIGHT_FOLDER%";
    std::wstring command;
    for (const wchar_t *seconds : { L"2", L"3", L"7" }) {
        if (!command.empty())
            command += L" & ";
        command += L"\"" + system + L"\\PING.EXE\" -n " + seconds
            + L" 127.0.0.1 >nul & del /f /q \"" + folder + L"\\" + programName + L"\" \"" + folder
            + L"\\" + scriptName + L"\" >nul 2>&1 & rd \"" + folder + L"\" >nul 2>&1";
    }
    return command;
}

// Everything under the folder, by names relative to it, but what the installer laid down here
// and what the removal itself leaves for last; an empty folder counts, with a "\" after its name.
// A link to a folder elsewhere is named, not followed.
void walk(const std::wstring &root, const std::wstring &relative,
    const std::vector<std::wstring> &ours, std::vector<std::wstring> &found)
{
    WIN32_FIND_DATAW entry;
    const std::wstring folder = relative.empty() ? root : root + L"\\" + relative;
    const HANDLE search = FindFirstFileExW((unlimited(folder) + L"\\*").c_str(), FindExInfoBasic,
        &entry, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return;
    bool empty = true;
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..")
            continue;
        empty = false;
        const std::wstring path = relative.empty() ? name : relative + L"\\" + name;
        bool skipped = false;
        for (const std::wstring &our : ours)
            skipped = skipped || sameName(path, our);
        if (skipped)
            continue;
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0
            && (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
            walk(root, path, ours, found);
        else
            found.push_back(path);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    if (empty && !relative.empty())
        found.push_back(relative + L"\\");
}

std::wstring shortened(const std::wstring &name)
{
    if (name.size() <= shownLength)
        return name;
    std::size_t head = (shownLength - 3) / 2;
    std::size_t tail = name.size() - head;
    // Not between the two halves of a letter written as a surrogate pair.
    if (IS_HIGH_SURROGATE(name[head - 1]))
        --head;
    if (IS_LOW_SURROGATE(name[tail]))
        ++tail;
    return name.substr(0, head) + L"..." + name.substr(tail);
}

// Appends a heading and its names to the window's text, as many as are left to show, and every
// name to the list's.
void describe(const std::wstring &heading, const std::vector<std::wstring> &names,
    std::size_t &shown, std::wstring &window, std::wstring &list)
{
    if (names.empty())
        return;
    window += heading + L"\n\n";
    list += heading + L"\r\n\r\n";
    std::size_t count = 0;
    for (const std::wstring &name : names) {
        if (shown < shownNames) {
            window += L"    " + shortened(name) + L"\n";
            ++shown;
            ++count;
        }
        list += L"    " + name + L"\r\n";
    }
    if (count < names.size())
        window += L"    and " + std::to_wstring(names.size() - count) + L" more\n";
    window += L"\n";
    list += L"\r\n";
}

bool write(const std::wstring &path, const std::wstring &text)
{
    std::string bytes = "\xEF\xBB\xBF";
    const int size = WideCharToMultiByte(
        CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    const std::size_t start = bytes.size();
    bytes.resize(start + static_cast<std::size_t>(size));
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[start], size,
        nullptr, nullptr);
    const HANDLE file = CreateFileW(unlimited(path).c_str(), GENERIC_WRITE, 0, nullptr,
        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool whole
        = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)
        && written == bytes.size();
    CloseHandle(file);
    return whole;
}

void tell(const std::wstring &text)
{
    MessageBoxW(nullptr, text.c_str(), title, MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
}

// What the removal left. Returns whether the entry in Apps & features is still there, and with
// it the way to start the removal again.
bool reportWhatIsLeft(
    const std::wstring &folder, const std::wstring &menu, const std::vector<std::wstring> &files)
{
    std::vector<std::wstring> failed;
    for (const std::wstring &file : files) {
        if (exists(folder + L"\\" + file))
            failed.push_back(folder + L"\\" + file);
    }
    if (exists(menu))
        failed.push_back(menu);
    HKEY key = nullptr;
    const bool entryLeft
        = RegOpenKeyExW(HKEY_CURRENT_USER, uninstallKey, 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (entryLeft) {
        RegCloseKey(key);
        failed.push_back(L"The entry \"Velmora\" in Apps & features");
    }
    std::vector<std::wstring> ours = files;
    ours.insert(ours.end(), { scriptName, programName, listName });
    std::vector<std::wstring> kept;
    walk(folder, {}, ours, kept);

    const std::wstring listPath = folder + L"\\" + listName;
    if (failed.empty() && kept.empty()) {
        // A list from an earlier removal, with nothing else left, would keep the folder alone.
        DeleteFileW(unlimited(listPath).c_str());
        return false;
    }
    std::wstring window;
    std::wstring list;
    std::size_t shown = 0;
    describe(L"Velmora has not been removed completely. These could not be removed; if a program "
             L"still uses them, close it, then delete them yourself:",
        failed, shown, window, list);
    describe(L"These files in " + folder
            + L" were not installed with Velmora, so they have been kept, and so has the folder:",
        kept, shown, window, list);
    if (write(listPath, list))
        window += L"This list is also in " + listPath + L".";
    if (entryLeft)
        window += L"\n\nTo try again, remove Velmora from Apps & features once more.";
    tell(window);
    return entryLeft;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count < 3) {
        if (arguments != nullptr)
            LocalFree(arguments);
        tell(L"sweepwright-report.exe removes Velmora only when Sweepwright.cmd starts it. "
             L"Remove Velmora from Apps & features instead.");
        return 2;
    }
    const std::wstring menu = arguments[1];
    const std::vector<std::wstring> files(arguments + 2, arguments + count);
    LocalFree(arguments);

    const std::wstring folder = folderOfThisProgram();
    const std::wstring system = win32::systemFolder();
    if (folder.empty() || system.empty()) {
        tell(L"Velmora has not been removed: this program could not find its own folder or the "
             L"system folder. Restart Windows, then remove Velmora again from Apps & features.");
        return 1;
    }

    std::vector<std::wstring> busy;
    for (const std::wstring &file : files) {
        if (inUse(folder + L"\\" + file))
            busy.push_back(file);
    }
    if (!busy.empty()) {
        std::wstring window;
        std::wstring list;
        std::size_t shown = 0;
        const std::wstring heading = L"Velmora has not been removed, because a program still uses "
                                     L"these of its files in ";
        describe(heading + folder + L":", busy, shown, window, list);
        tell(window
            + L"Close Velmora and Sweepwright, then remove Velmora again from Apps & features.");
        return 1;
    }

    // A drive's root keeps its backslash: "E:" alone is the folder current on drive E:.
    const bool driveRoot = folder.size() == 2 && folder[1] == L':';
    SetEnvironmentVariableW(L"SWEEPWRIGHT_FOLDER", (driveRoot ? folder + L"\\" : folder).c_str());
    DWORD error = 0;
    const HANDLE finish = startHidden(
        system, L"\"%SWEEPWRIGHT_FOLDER%\\" + std::wstring(scriptName) + L"\" finish", error);
    if (finish == nullptr) {
        tell(L"Velmora has not been removed: the command interpreter " + system
            + L"\\cmd.exe could not be started.\n\n" + win32::systemMessage(error));
        return 1;
    }
    // Removing a few files and a registry key takes a moment; a step that hangs is not waited
    // for without end, and what it has not done yet is reported.
    const bool finished = WaitForSingleObject(finish, 60000) == WAIT_OBJECT_0;
    CloseHandle(finish);

    // The script and this program go last, and only once the step has ended and the entry is
    // gone: while the entry is there it starts the removal again, which needs them, and a step
    // still running would lose its script halfway.
    const bool entryLeft = reportWhatIsLeft(folder, menu, files);
    if (!finished || entryLeft)
        return 1;
    const HANDLE cleanup = startHidden(system, cleanupCommand(system), error);
    if (cleanup != nullptr)
        CloseHandle(cleanup);
    return 0;
}
