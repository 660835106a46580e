#include "removal/removalfiles_win.h"

#include <windows.h>

#include <psapi.h>

namespace win32 {

namespace {

    // A path's long form, so that "C:\PROGRA~1" and "C:\Program Files" compare as one; the path
    // itself when the system cannot tell.
    std::wstring longForm(const std::wstring &path)
    {
        std::wstring result(MAX_PATH, L'\0');
        for (;;) {
            const DWORD length
                = GetLongPathNameW(path.c_str(), result.data(), static_cast<DWORD>(result.size()));
            if (length == 0)
                return path;
            if (length < result.size()) {
                result.resize(length);
                return result;
            }
            result.resize(length);
        }
    }

    std::wstring folderOf(const std::wstring &path)
    {
        const std::size_t end = path.find_last_of(L'\\');
        return end == std::wstring::npos ? std::wstring() : path.substr(0, end);
    }

    std::wstring imageOf(DWORD process)
    {
        const HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
        if (handle == nullptr)
            return {};
        std::wstring image(32768, L'\0');
        DWORD length = static_cast<DWORD>(image.size());
        const bool named = QueryFullProcessImageNameW(handle, 0, image.data(), &length);
        CloseHandle(handle);
        image.resize(named ? length : 0);
        return image;
    }

    // Marks a held file for deletion when its handle closes, or takes the mark back. Deleted the
    // POSIX way where the system can, so that its name goes at once even while a scanner that
    // lets others delete it still reads it, and the folder can go too.
    // Windows 10's class of the POSIX way; MinGW's headers name it for newer targets only.
    constexpr auto fileDispositionInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(21);

    bool markForDeletion(void *handle, bool deleted)
    {
        FILE_DISPOSITION_INFO_EX posix {};
        posix.Flags = deleted ? FILE_DISPOSITION_FLAG_DELETE | FILE_DISPOSITION_FLAG_POSIX_SEMANTICS
                              : FILE_DISPOSITION_FLAG_DO_NOT_DELETE;
        if (SetFileInformationByHandle(handle, fileDispositionInfoEx, &posix, sizeof(posix)))
            return true;
        const DWORD error = GetLastError();
        // Only a system or file system without that way falls back on the older one: any other
        // refusal, a program running from the file, stands.
        if (error != ERROR_INVALID_PARAMETER && error != ERROR_NOT_SUPPORTED
            && error != ERROR_INVALID_FUNCTION && error != ERROR_CALL_NOT_IMPLEMENTED)
            return false;
        FILE_DISPOSITION_INFO legacy {};
        legacy.DeleteFile = deleted;
        return SetFileInformationByHandle(handle, FileDispositionInfo, &legacy, sizeof(legacy));
    }

    void walk(const std::wstring &root, const std::wstring &relative,
        const std::vector<std::wstring> &ours, std::vector<std::wstring> &found)
    {
        WIN32_FIND_DATAW entry;
        const std::wstring folder = relative.empty() ? root : root + L"\\" + relative;
        const HANDLE search = FindFirstFileExW((unlimited(folder) + L"\\*").c_str(),
            FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0);
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

} // namespace

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

bool sameName(const std::wstring &one, const std::wstring &other)
{
    return CompareStringOrdinal(one.c_str(), static_cast<int>(one.size()), other.c_str(),
               static_cast<int>(other.size()), TRUE)
        == CSTR_EQUAL;
}

bool sameFolder(const std::wstring &one, const std::wstring &other)
{
    const auto trimmed = [](std::wstring path) {
        path = longForm(path);
        while (path.size() > 3 && path.back() == L'\\')
            path.pop_back();
        return path;
    };
    return sameName(trimmed(one), trimmed(other));
}

std::vector<std::wstring> programsRunningFrom(const std::wstring &folder)
{
    std::vector<DWORD> processes(4096);
    DWORD bytes = 0;
    for (;;) {
        const DWORD size = static_cast<DWORD>(processes.size() * sizeof(DWORD));
        if (!K32EnumProcesses(processes.data(), size, &bytes))
            return {};
        if (bytes < size)
            break;
        processes.resize(processes.size() * 2);
    }
    processes.resize(bytes / sizeof(DWORD));
    std::vector<std::wstring> running;
    for (const DWORD process : processes) {
        if (process == GetCurrentProcessId())
            continue;
        const std::wstring image = imageOf(process);
        if (!image.empty() && sameFolder(folderOf(image), folder))
            running.push_back(image);
    }
    return running;
}

DeletionHold::~DeletionHold()
{
    release();
}

void DeletionHold::release()
{
    for (const Held &held : m_held)
        CloseHandle(held.handle);
    m_held.clear();
}

std::vector<std::wstring> DeletionHold::take(
    const std::wstring &folder, const std::vector<std::wstring> &names)
{
    release();
    std::vector<std::wstring> refused;
    for (const std::wstring &name : names) {
        // Asking for no more than deletion and its attributes: a program opened for writing is
        // scanned again by many scanners when it is closed, which would hold it just then.
        const HANDLE handle = CreateFileW(unlimited(folder + L"\\" + name).c_str(),
            DELETE | FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            m_held.push_back({ name, handle });
            continue;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
            refused.push_back(name);
    }
    if (!refused.empty())
        release();
    return refused;
}

std::vector<std::wstring> DeletionHold::deleteAll()
{
    std::vector<std::wstring> refused;
    std::vector<Held> marked;
    for (const Held &held : m_held) {
        if (markForDeletion(held.handle, true))
            marked.push_back(held);
        else
            refused.push_back(held.name);
    }
    if (!refused.empty()) {
        for (const Held &held : marked)
            markForDeletion(held.handle, false);
        return refused;
    }
    // Closed in the order named, so that what is named last goes last.
    release();
    return {};
}

std::vector<std::wstring> filesBesides(
    const std::wstring &folder, const std::vector<std::wstring> &ours)
{
    std::vector<std::wstring> found;
    walk(folder, {}, ours, found);
    return found;
}

} // namespace win32
