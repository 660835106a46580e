// The windows of the Windows removal: what it did not remove and why, what of the user's it
// kept, and the list of both in a file beside those files, in the user's language. The removal
// itself is removevelmora_win.cpp's; this only words and shows.

#include "removalreport_win.h"

#include "removal/removalfiles_win.h"
#include "removalwords_win.h"
#include "wizardinfo.h"

#include <windows.h>

const wchar_t reportListName[] = L"Velmora removal report.txt";

namespace {

// The system's wide characters are UTF-16 units, as char16_t is.
static_assert(sizeof(wchar_t) == sizeof(char16_t));
const wchar_t *const title = reinterpret_cast<const wchar_t *>(WizardInfo::title);

// A message box grows with its text and is never cut by the system: it shows this many names at
// most, each shortened to fit one line, and counts the rest.
constexpr std::size_t shownNames = 10;
constexpr std::size_t shownLength = 72;

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
        window += L"    " + words(IDS_MORE, { std::to_wstring(names.size() - count) }) + L"\n";
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
    const HANDLE file = CreateFileW(win32::unlimited(path).c_str(), GENERIC_WRITE, 0, nullptr,
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

} // namespace

void tell(const std::wstring &text)
{
    MessageBoxW(nullptr, text.c_str(), title, MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
}

// Attached to the console for no longer than it takes to write there: a program attached to a
// console is ended when the user closes it, and the removal must go on. Wine, unlike Windows,
// hands a program of the windows subsystem the console of the program that starts it, in a state
// in which setting its title brings the program down: that one is let go first.
void announceInConsole()
{
    FreeConsole();
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    SetConsoleTitleW(words(IDS_CONSOLE_TITLE).c_str());
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (console != INVALID_HANDLE_VALUE) {
        const std::wstring line = words(IDS_CONSOLE_LINE) + L"\r\n";
        DWORD written = 0;
        WriteConsoleW(console, line.c_str(), static_cast<DWORD>(line.size()), &written, nullptr);
        CloseHandle(console);
    }
    FreeConsole();
}

void reportNothingRemoved(
    const std::wstring &heading, const std::vector<std::wstring> &names, const std::wstring &advice)
{
    std::wstring window;
    std::wstring list;
    std::size_t shown = 0;
    describe(heading, names, shown, window, list);
    tell(window + advice);
}

void reportWhatIsLeft(const std::wstring &folder, const std::vector<std::wstring> &left,
    const std::vector<std::wstring> &kept, bool retried, bool entryLeft)
{
    const std::wstring listPath = folder + L"\\" + reportListName;
    if (left.empty() && kept.empty()) {
        // A list from an earlier removal, with nothing else left, would keep the folder alone.
        DeleteFileW(win32::unlimited(listPath).c_str());
        return;
    }
    std::wstring window;
    std::wstring list;
    std::size_t shown = 0;
    describe(words(IDS_NOT_REMOVED_COMPLETELY), left, shown, window, list);
    describe(words(IDS_USER_FILES_KEPT, { folder }), kept, shown, window, list);
    if (write(listPath, list))
        window += words(IDS_LIST_ALSO_IN, { listPath });
    if (retried)
        window += L"\n\n" + words(IDS_RETRIED_AT_SIGN_IN);
    if (entryLeft)
        window += L" " + words(IDS_TRY_AGAIN_NOW);
    tell(window);
}
