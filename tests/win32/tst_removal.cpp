// The Windows removal's handling of files and of the registry, and its last step through the
// system's real cmd.exe: a file another program holds is named and nothing is deleted, files go
// all or none, and the last step removes what is left from a folder whose path holds "%" and
// cmd.exe's special characters, without running anything planted beside it.

#include "check.h"

#include "removal/lastcleanup_win.h"
#include "start/processstart_win.h"
#include "removal/removalfiles_win.h"
#include "removal/removalregistry_win.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::wstring>;

std::wstring ownPath()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length);
}

// A folder of its own under the temporary folder, new for each call, with the files named (a
// name ending in "\" is a folder).
std::wstring freshFolder(const std::wstring &name, const Names &files = {})
{
    static int made = 0;
    wchar_t temporary[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH, temporary);
    const std::wstring base = std::wstring(temporary, length) + L"velmora-removal-"
        + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(base.c_str(), nullptr);
    const std::wstring folder = base + L"\\" + std::to_wstring(++made) + L" " + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const std::wstring &file : files) {
        if (file.back() == L'\\')
            CreateDirectoryW((folder + L"\\" + file).c_str(), nullptr);
        else
            std::ofstream((folder + L"\\" + file).c_str(), std::ios::binary) << "ours";
    }
    return folder;
}

HANDLE openShared(const std::wstring &path, DWORD share)
{
    return CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
}

// Starts this test program again from folder, as name, to sleep there for seconds.
PROCESS_INFORMATION startSleeper(const std::wstring &folder, const std::wstring &name, int seconds)
{
    const std::wstring program = folder + L"\\" + name;
    CopyFileW(ownPath().c_str(), program.c_str(), FALSE);
    std::wstring commandLine = L"\"" + program + L"\" --sleep " + std::to_wstring(seconds);
    STARTUPINFOW startup {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process {};
    CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
        nullptr, &startup, &process);
    Sleep(1000); // until its image is mapped
    return process;
}

const std::wstring testEntry = L"Software\\VelmoraTest\\Uninstall\\Velmora";
const std::wstring testResume = L"Velmora removal test";

std::wstring runValue(const std::wstring &name)
{
    wchar_t value[1024] = {};
    DWORD bytes = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, win32::userRunOnceKey, name.c_str(), RRF_RT_REG_SZ, nullptr,
            value, &bytes)
        != ERROR_SUCCESS)
        return L"(none)";
    return value;
}

// Waits for the last step to finish, at most half a minute; true when it has.
bool waitFor(const std::function<bool()> &done)
{
    for (int i = 0; i < 300 && !done(); ++i)
        Sleep(100);
    return done();
}

} // namespace

TEST_CASE("a file held without letting others delete it is named, and nothing is held")
{
    struct Row
    {
        const char *name;
        DWORD share;
        bool refused;
    };
    const Row rows[] = {
        { "a scanner that lets others read and write", FILE_SHARE_READ | FILE_SHARE_WRITE, true },
        { "a reader that lets others read", FILE_SHARE_READ, true },
        { "a program that shares nothing", 0, true },
        { "a scanner that lets others delete",
            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, false },
    };
    for (const Row &row : rows) {
        std::printf("  row: %s\n", row.name);
        const Names files = { L"Velmora.exe", L"platforms\\", L"platforms\\qwindows.dll" };
        const std::wstring folder = freshFolder(L"held", files);
        const HANDLE scanner = openShared(folder + L"\\platforms\\qwindows.dll", row.share);
        CHECK(scanner != INVALID_HANDLE_VALUE);
        win32::DeletionHold hold;
        const Names refused
            = hold.take(folder, { L"Velmora.exe", L"platforms\\qwindows.dll", L"missing.dll" });
        CHECK_EQUAL(refused, row.refused ? Names { L"platforms\\qwindows.dll" } : Names {});
        // Held, nobody may open it unless they let it be deleted; let go, anybody may.
        const HANDLE other = openShared(folder + L"\\Velmora.exe", FILE_SHARE_READ);
        CHECK_EQUAL(other != INVALID_HANDLE_VALUE, row.refused);
        CloseHandle(other);
        if (!row.refused)
            CHECK(hold.deleteAll().empty());
        CloseHandle(scanner);
        CHECK_EQUAL(win32::exists(folder + L"\\Velmora.exe"), row.refused);
        CHECK_EQUAL(win32::exists(folder + L"\\platforms\\qwindows.dll"), row.refused);
    }
}

TEST_CASE("a program running from the folder is named, and no file is deleted until it ends")
{
    const std::wstring folder
        = freshFolder(L"running", { L"Qt6Core.dll", L"Velmora removal report.txt" });
    const std::wstring elsewhere = freshFolder(L"elsewhere");
    PROCESS_INFORMATION velmora = startSleeper(folder, L"Velmora.exe", 20);

    CHECK_EQUAL(win32::programsRunningFrom(folder), Names { folder + L"\\Velmora.exe" });
    CHECK(win32::programsRunningFrom(elsewhere).empty());

    win32::DeletionHold hold;
    CHECK(hold.take(folder, { L"Qt6Core.dll", L"Velmora.exe" }).empty());
    CHECK_EQUAL(hold.deleteAll(), Names { L"Velmora.exe" });
    hold.release();
    CHECK(win32::exists(folder + L"\\Qt6Core.dll"));

    TerminateProcess(velmora.hProcess, 0);
    WaitForSingleObject(velmora.hProcess, 10000);
    CloseHandle(velmora.hProcess);
    CloseHandle(velmora.hThread);
    CHECK(win32::programsRunningFrom(folder).empty());
    CHECK(hold.take(folder, { L"Qt6Core.dll", L"Velmora.exe" }).empty());
    CHECK(hold.deleteAll().empty());
    CHECK_EQUAL(win32::filesBesides(folder, {}), Names { L"Velmora removal report.txt" });
}

TEST_CASE("what else lies in the folder: the user's files and empty folders, not ours")
{
    const std::wstring folder = freshFolder(L"besides",
        { L"Velmora.exe", L"my notes.txt", L"platforms\\", L"platforms\\QWINDOWS.DLL",
            L"platforms\\mine.dll", L"styles\\", L"photos\\", L"photos\\a\\",
            L"photos\\a\\b.jpg" });
    Names found = win32::filesBesides(folder, { L"velmora.exe", L"platforms\\qwindows.dll" });
    std::sort(found.begin(), found.end());
    CHECK_EQUAL(found,
        (Names { L"my notes.txt", L"photos\\a\\b.jpg", L"platforms\\mine.dll", L"styles\\" }));
    CHECK(win32::sameFolder(folder + L"\\PLATFORMS\\", folder + L"\\platforms"));
    CHECK(!win32::sameFolder(folder + L"\\platforms", folder + L"\\styles"));
    CHECK(!win32::sameFolder(folder + L"\\platforms", folder));
}

TEST_CASE("the entry and the command of the next log-on: made, taken back, kept by a key below")
{
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VelmoraTest");
    const win32::RemovalRegistry registry(testEntry, testResume);
    CHECK(!registry.entryExists());
    CHECK(!registry.setEntryValue(L"UninstallString", L"x")); // never makes an entry
    CHECK(!registry.entryExists());
    CHECK(registry.deleteEntry()); // gone already

    HKEY key = nullptr;
    RegCreateKeyExW(
        HKEY_CURRENT_USER, testEntry.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    RegCloseKey(key);
    CHECK(registry.setEntryValue(L"UninstallString", L"\"C:\\50%OS%\\remove-velmora.exe\" remove"));
    CHECK_EQUAL(registry.entryValue(L"UninstallString"),
        std::wstring(L"\"C:\\50%OS%\\remove-velmora.exe\" remove"));
    CHECK_EQUAL(registry.entryValue(L"Missing"), std::wstring());

    CHECK(registry.resumeAtLogon(L"\"C:\\x\\remove-velmora.exe\" remove"));
    CHECK(registry.resumesAtLogon());
    CHECK_EQUAL(runValue(testResume), std::wstring(L"\"C:\\x\\remove-velmora.exe\" remove"));
    registry.stopResumingAtLogon();
    CHECK(!registry.resumesAtLogon());

    // A key someone put below the entry keeps it.
    RegCreateKeyExW(HKEY_CURRENT_USER, (testEntry + L"\\Theirs").c_str(), 0, nullptr, 0, KEY_WRITE,
        nullptr, &key, nullptr);
    RegCloseKey(key);
    CHECK(!registry.deleteEntry());
    CHECK(registry.entryExists());
    RegDeleteKeyW(HKEY_CURRENT_USER, (testEntry + L"\\Theirs").c_str());
    CHECK(registry.deleteEntry());
    CHECK(!registry.entryExists());
}

TEST_CASE("the last step removes what is left once released, and runs nothing planted")
{
    struct Row
    {
        const char *name;
        bool folderToo;
        Names files;
        Names left;
    };
    const Row rows[] = {
        { "the folder with them", true, { L"remove-velmora.exe", L"Sweepwright.cmd" }, {} },
        { "the user's files kept", false,
            { L"remove-velmora.exe", L"Sweepwright.cmd", L"my notes.txt" }, { L"my notes.txt" } },
    };
    const win32::RemovalRegistry registry(testEntry, testResume);
    for (const Row &row : rows) {
        std::printf("  row: %s\n", row.name);
        // "%OS%" names a variable cmd.exe would expand, "%i" a loop's; a bare "ping" or "reg"
        // would run what is planted beside the folder, where the step stands.
        const std::wstring parent = freshFolder(L"50%OS% %i");
        for (const wchar_t *planted : { L"\\ping.bat", L"\\reg.bat" })
            std::ofstream((parent + planted).c_str(), std::ios::binary)
                << "@echo ran> planted.txt\r\n";
        const std::wstring folder = parent + L"\\\x03A9\x03BC\x03AD\x03B3\x03B1 odd & (x) ^ !";
        CreateDirectoryW(folder.c_str(), nullptr);
        for (const std::wstring &file : row.files)
            std::ofstream((folder + L"\\" + file).c_str(), std::ios::binary) << "ours";
        registry.resumeAtLogon(L"resume");
        // The program held for two seconds, as the removal holds its own; the folder two more,
        // as the console the script ran in holds its working folder a moment longer.
        const HANDLE running = openShared(folder + L"\\remove-velmora.exe", FILE_SHARE_READ);
        const HANDLE console
            = CreateFileW(folder.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);

        win32::LastCleanup cleanup;
        CHECK_EQUAL(win32::prepareLastCleanup(folder, { L"remove-velmora.exe", L"Sweepwright.cmd" },
                        row.folderToo, testResume, win32::systemFolder(), cleanup),
            win32::CleanupRefusal::None);
        CHECK_EQUAL(win32::startLastCleanup(cleanup), 0UL);
        Sleep(2000);
        CHECK(registry.resumesAtLogon());
        CloseHandle(running);
        Sleep(2000);
        CloseHandle(console);

        CHECK(waitFor([&] { return !registry.resumesAtLogon(); }));
        CHECK_EQUAL(win32::exists(folder), !row.folderToo);
        if (!row.folderToo)
            CHECK_EQUAL(win32::filesBesides(folder, {}), row.left);
        CHECK(!win32::exists(parent + L"\\planted.txt"));
    }
}

TEST_CASE("a last step cmd.exe cannot take is refused, and changes nothing")
{
    struct Row
    {
        const char *name;
        std::wstring folder;
        std::wstring system;
        win32::CleanupRefusal reason;
    };
    using Refusal = win32::CleanupRefusal;
    const Row rows[] = {
        { "a \"%\" in the folder's own name", L"C:\\Programs\\100%OS%", L"C:\\windows\\system32",
            Refusal::PercentInName },
        { "a network share", L"\\\\server\\share\\Velmora", L"C:\\windows\\system32",
            Refusal::NetworkShare },
        { "a drive's root", L"C:\\", L"C:\\windows\\system32", Refusal::DriveRoot },
        { "no system folder", L"C:\\Programs\\Velmora", L"", Refusal::NoInterpreter },
        { "a name too long for cmd.exe", L"C:\\Programs\\" + std::wstring(4000, L'x'),
            L"C:\\windows\\system32", Refusal::PathTooLong },
    };
    for (const Row &row : rows) {
        std::printf("  row: %s\n", row.name);
        win32::LastCleanup cleanup { L"untouched", L"untouched", L"untouched" };
        CHECK_EQUAL(win32::prepareLastCleanup(row.folder, { L"remove-velmora.exe" }, true,
                        testResume, row.system, cleanup),
            row.reason);
        CHECK_EQUAL(cleanup.commandLine, std::wstring(L"untouched"));
    }
    // A "%" above the folder is the working folder's, which cmd.exe never reads.
    win32::LastCleanup cleanup;
    CHECK_EQUAL(win32::prepareLastCleanup(L"C:\\50%OS%\\Velmora", { L"remove-velmora.exe" }, true,
                    testResume, L"C:\\windows\\system32", cleanup),
        Refusal::None);
    CHECK_EQUAL(cleanup.workingFolder, std::wstring(L"C:\\50%OS%"));
    CHECK(cleanup.commandLine.find(L"%OS%") == std::wstring::npos);
    CHECK_EQUAL(cleanup.application, std::wstring(L"C:\\windows\\system32\\cmd.exe"));
    CHECK_EQUAL(win32::prepareLastCleanup(L"C:\\Velmora", { L"remove-velmora.exe" }, true,
                    testResume, L"C:\\windows\\system32", cleanup),
        Refusal::None);
    CHECK_EQUAL(cleanup.workingFolder, std::wstring(L"C:\\"));
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VelmoraTest");
}

int main(int argc, char **argv)
{
    // The program running from a folder of the test above.
    if (argc == 3 && std::string(argv[1]) == "--sleep") {
        Sleep(static_cast<DWORD>(std::stoi(argv[2])) * 1000);
        return 0;
    }
    return check::runAll(argc > 1 ? argv[1] : nullptr);
}
