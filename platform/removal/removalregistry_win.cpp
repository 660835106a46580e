#include "removal/removalregistry_win.h"

#include <windows.h>

#include <utility>

namespace win32 {

const wchar_t userRunOnceKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

namespace {

    bool setString(HKEY key, const std::wstring &name, const std::wstring &value)
    {
        const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
        return RegSetValueExW(key, name.c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE *>(value.c_str()), bytes)
            == ERROR_SUCCESS;
    }

} // namespace

RemovalRegistry::RemovalRegistry(std::wstring entry, std::wstring resumeValue)
    : m_entry(std::move(entry)), m_resumeValue(std::move(resumeValue))
{
}

bool RemovalRegistry::entryExists() const
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, m_entry.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::wstring RemovalRegistry::entryValue(const std::wstring &name) const
{
    DWORD bytes = 0;
    const DWORD flags = RRF_RT_REG_SZ | RRF_NOEXPAND;
    if (RegGetValueW(
            HKEY_CURRENT_USER, m_entry.c_str(), name.c_str(), flags, nullptr, nullptr, &bytes)
        != ERROR_SUCCESS)
        return {};
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegGetValueW(
            HKEY_CURRENT_USER, m_entry.c_str(), name.c_str(), flags, nullptr, value.data(), &bytes)
        != ERROR_SUCCESS)
        return {};
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
}

bool RemovalRegistry::setEntryValue(const std::wstring &name, const std::wstring &value) const
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, m_entry.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return false;
    const bool set = setString(key, name, value);
    RegCloseKey(key);
    return set;
}

bool RemovalRegistry::deleteEntry() const
{
    // Not the tree: a key someone else put under the entry is theirs, and keeps it.
    const LSTATUS status = RegDeleteKeyW(HKEY_CURRENT_USER, m_entry.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool RemovalRegistry::resumeAtLogon(const std::wstring &command) const
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(
            HKEY_CURRENT_USER, userRunOnceKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return false;
    const bool set = setString(key, m_resumeValue, command);
    RegCloseKey(key);
    return set;
}

bool RemovalRegistry::resumesAtLogon() const
{
    return RegGetValueW(HKEY_CURRENT_USER, userRunOnceKey, m_resumeValue.c_str(), RRF_RT_ANY,
               nullptr, nullptr, nullptr)
        == ERROR_SUCCESS;
}

void RemovalRegistry::stopResumingAtLogon() const
{
    RegDeleteKeyValueW(HKEY_CURRENT_USER, userRunOnceKey, m_resumeValue.c_str());
}

} // namespace win32
