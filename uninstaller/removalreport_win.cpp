// sweepwright-report.exe: shows what the removal script could not do, or what it kept. By then
// the script has removed Qt's libraries, so this window is the system's own message box, and
// the program is linked statically: it needs nothing of the folder it is in.
//
// Usage: sweepwright-report <file>
// The file holds the text, as cmd.exe writes it: in the console's code page, or in UTF-8.

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

const wchar_t title[] = L"Dovrik's Software Sweepwright";

std::wstring decoded(const std::string &bytes)
{
    if (bytes.empty())
        return {};
    const int size = static_cast<int>(bytes.size());
    for (const UINT codePage : { UINT(CP_UTF8), GetOEMCP() }) {
        const DWORD flags = codePage == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
        const int length = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
        if (length <= 0)
            continue;
        std::wstring text(static_cast<std::size_t>(length), L'\0');
        MultiByteToWideChar(codePage, flags, bytes.data(), size, text.data(), length);
        return text;
    }
    return {};
}

std::string contents(const wchar_t *path)
{
    const HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    // A report is a page of text; anything longer is cut rather than read without end.
    while (bytes.size() < 65536 && ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring text;
    if (arguments && count == 2)
        text = decoded(contents(arguments[1]));
    if (arguments)
        LocalFree(arguments);
    if (text.empty()) {
        text = L"Sweepwright.cmd could not say what it left behind: its report could not be "
               L"read. Look in the folder Velmora was installed in, and delete what is left.";
    }
    MessageBoxW(nullptr, text.c_str(), title, MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
    return 0;
}
