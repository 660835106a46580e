// Starting programs on Windows: the command script goes through the system's real cmd.exe with
// the command line written for it, and a path that cmd.exe would misread is refused.

#include "check.h"

#include "start/processstart_win.h"

#include <windows.h>

#include <fstream>
#include <string>
#include <utility>

namespace {

std::wstring temporaryFolder()
{
    wchar_t folder[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder, length) + L"velmora-programstart";
}

bool exists(const std::wstring &path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void writeFile(const std::wstring &path, const std::string &content)
{
    std::ofstream(path.c_str(), std::ios::binary) << content;
}

std::string readFile(const std::wstring &path)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// The text a started program writes to the file at path: the file appears before its text, and
// on a busy machine well before, so this waits for the whole expected text, 30 s at most.
std::string textWritten(const std::wstring &path, const std::string &expected)
{
    std::string text = readFile(path);
    for (int i = 0; i < 300 && text != expected; ++i) {
        Sleep(100);
        text = readFile(path);
    }
    return text;
}

std::wstring ownPath()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length);
}

// Every character here means something to cmd.exe: outside quotes a second command after each
// "&", a group and an escape; a variable between the "!", and between the "%" even inside them.
const std::wstring hostileFolderName = L"Sweep wright & md injected & (x) ^ !OS! %OS% &";

} // namespace

TEST_CASE("a script in a folder of cmd.exe's special characters runs, and nothing else does")
{
    const std::wstring base = temporaryFolder();
    const std::wstring folder = base + L"\\" + hostileFolderName;
    CreateDirectoryW(base.c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    SetCurrentDirectoryW(base.c_str());
    for (const std::wstring &left : { base + L"\\injected", folder + L"\\injected" })
        RemoveDirectoryW(left.c_str());
    DeleteFileW((folder + L"\\marker.txt").c_str());
    const std::wstring script = folder + L"\\Sweepwright.cmd";
    // "cd" tells the folder the script runs in; the test itself stands in another.
    writeFile(script, "@echo off\r\ncd> marker.txt\r\nexit\r\n");

    win32::ProcessStart start;
    CHECK_EQUAL(
        win32::prepareScriptStart(script, win32::systemFolder(), start), win32::StartRefusal::None);
    CHECK_EQUAL(win32::startDetached(start), 0UL);

    const std::string ranIn = std::string(folder.begin(), folder.end()) + "\r\n";
    CHECK_EQUAL(textWritten(folder + L"\\marker.txt", ranIn), ranIn);
    Sleep(500); // a command hidden in the path would have run by the time cmd.exe is done
    CHECK(!exists(base + L"\\injected"));
    CHECK(!exists(folder + L"\\injected"));
}

TEST_CASE("paths that cmd.exe would misread, and scripts that are not there, are refused")
{
    const std::wstring base = temporaryFolder();
    CreateDirectoryW(base.c_str(), nullptr);
    const std::wstring plainScript = base + L"\\Sweepwright.cmd";
    writeFile(plainScript, "@echo off\r\n");

    struct Row
    {
        const char *name;
        std::wstring script;
        std::wstring folder;
        win32::StartRefusal reason;
    };
    // A network share cannot be cmd.exe's working folder, so a script there goes by its path.
    using Refusal = win32::StartRefusal;
    const Row rows[] = {
        { "a percent sign on a share", L"\\\\server\\100% sure\\Sweepwright.cmd",
            win32::systemFolder(), Refusal::PercentOrQuoteInScriptPath },
        { "a percent sign in its name", base + L"\\100%OS%.cmd", win32::systemFolder(),
            Refusal::PercentOrQuoteInScriptPath },
        { "a quote", base + L"\\\"Sweepwright.cmd", win32::systemFolder(),
            Refusal::PercentOrQuoteInScriptPath },
        { "a missing script", base + L"\\missing\\Sweepwright.cmd", win32::systemFolder(),
            Refusal::ScriptMissing },
        { "no system folder", plainScript, L"", Refusal::NoInterpreter },
    };
    for (const Row &row : rows) {
        std::printf("  row: %s\n", row.name);
        win32::ProcessStart start { L"untouched", L"untouched", L"untouched" };
        CHECK_EQUAL(win32::prepareScriptStart(row.script, row.folder, start), row.reason);
        CHECK_EQUAL(start.application, std::wstring(L"untouched"));
        CHECK_EQUAL(start.commandLine, std::wstring(L"untouched"));
        CHECK_EQUAL(start.workingFolder, std::wstring(L"untouched"));
    }
}

TEST_CASE("a path the working folder would complete, or that holds a NUL, starts nothing")
{
    // Each would start a program of the working folder's, or one not named: the program in a
    // "tools" folder, or the one before the NUL.
    using Refusal = win32::StartRefusal;
    const std::pair<std::wstring, Refusal> paths[] = {
        { L"tools\\msinfo32.exe", Refusal::NotFullPath },
        { L"\\tools\\msinfo32.exe", Refusal::NotFullPath },
        { L"C:tools\\msinfo32.exe", Refusal::NotFullPath },
        { L"tools\\Sweepwright.cmd", Refusal::NotFullPath },
        { std::wstring(L"C:\\windows\\system32\\msinfo32.exe") + L'\0' + L"--junk",
            Refusal::NulInPath },
        { L"C:\\Tools\\\"msinfo32.exe", Refusal::QuoteInProgramPath },
    };
    for (const auto &[path, reason] : paths) {
        win32::ProcessStart start { L"untouched", L"untouched", L"untouched" };
        CHECK_EQUAL(win32::prepareStart(path, win32::systemFolder(), start), reason);
        CHECK_EQUAL(start.application, std::wstring(L"untouched"));
    }
    // A drive's path and a network share's are full paths.
    for (const std::wstring &path : { std::wstring(L"C:\\Tools\\MSINFO32.EXE"),
             std::wstring(L"c:/Tools/MSINFO32.EXE"),
             std::wstring(L"\\\\server\\tools\\msinfo32.exe") }) {
        win32::ProcessStart start;
        CHECK_EQUAL(win32::prepareStart(path, win32::systemFolder(), start), Refusal::None);
        CHECK_EQUAL(start.application, path);
    }
}

TEST_CASE("only the system folder's cmd.exe runs scripts, whatever their extension's case")
{
    const std::wstring script = temporaryFolder() + L"\\Sweepwright.cmd";
    writeFile(script, "@echo off\r\n");
    win32::ProcessStart start;
    CHECK_EQUAL(win32::prepareScriptStart(script, L"C:\\windows\\system32", start),
        win32::StartRefusal::None);
    CHECK_EQUAL(start.application, std::wstring(L"C:\\windows\\system32\\cmd.exe"));
    CHECK(win32::isCommandScript(L"C:\\Tools\\SWEEPWRIGHT.CMD"));
    CHECK(win32::isCommandScript(L"C:\\Tools\\setup.Bat"));
    CHECK(!win32::isCommandScript(L"C:\\Tools\\MSINFO32.EXE"));
    CHECK(!win32::isCommandScript(L"C:\\Tools\\cmd"));
}

TEST_CASE("a program in a folder of cmd.exe's special characters starts by its path alone")
{
    const std::wstring base = temporaryFolder();
    const std::wstring folder = base + L"\\" + hostileFolderName;
    CreateDirectoryW(base.c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring tool = folder + L"\\MSINFO32.EXE";
    const std::wstring report = folder + L"\\MSINFO32.txt";
    DeleteFileW(report.c_str());
    CHECK(CopyFileW(ownPath().c_str(), tool.c_str(), FALSE));

    win32::ProcessStart start;
    CHECK_EQUAL(win32::prepareStart(tool, win32::systemFolder(), start), win32::StartRefusal::None);
    CHECK_EQUAL(win32::startDetached(start), 0UL);

    CHECK_EQUAL(textWritten(report, "arguments 0"), std::string("arguments 0"));
}

TEST_CASE("a started program shows its window normal and focused")
{
    const std::wstring report = temporaryFolder() + L"\\startup.txt";
    DeleteFileW(report.c_str());
    const std::wstring self = ownPath();
    const win32::ProcessStart start { self,
        L"\"" + self + L"\" --report-startup \"" + report + L"\"", {} };
    CHECK_EQUAL(win32::startDetached(start), 0UL);
    // Flags that the show state is given, then SW_SHOWNORMAL.
    const std::string shown = "uses show window 1, show state 1";
    CHECK_EQUAL(textWritten(report, shown), shown);
}

TEST_CASE("a program that cannot be started gives the system's reason")
{
    const win32::ProcessStart start { L"C:\\no such folder\\MSINFO32.EXE",
        L"\"C:\\no such folder\\MSINFO32.EXE\"", {} };
    const unsigned long error = win32::startDetached(start);
    CHECK(error != 0);
    CHECK(!win32::systemMessage(error).empty());
}

int main(int argc, char **argv)
{
    // The child of the show-state test: tells how it was asked to show its window.
    if (argc == 3 && std::string(argv[1]) == "--report-startup") {
        STARTUPINFOW startup {};
        startup.cb = sizeof(startup);
        GetStartupInfoW(&startup);
        std::ofstream(argv[2], std::ios::binary)
            << "uses show window " << ((startup.dwFlags & STARTF_USESHOWWINDOW) ? 1 : 0)
            << ", show state " << startup.wShowWindow;
        return 0;
    }
    // The started tool of the test above: tells how many arguments it was given.
    if (std::wstring self = ownPath();
        self.size() > 12 && self.substr(self.size() - 12) == L"MSINFO32.EXE") {
        std::ofstream(self.replace(self.size() - 3, 3, L"txt").c_str(), std::ios::binary)
            << "arguments " << argc - 1;
        return 0;
    }
    return check::runAll(argc > 1 ? argv[1] : nullptr);
}
