#pragma once

// What the Windows removal keeps in the user's registry, free of Qt so that the tests under Wine
// build it: the entry in Apps & features, and the command that resumes a removal cut short at
// the user's next log-on. Both lie under HKEY_CURRENT_USER, as a per-user install has them. The
// command is a RunOnce value, which Windows deletes before it runs it: every run of the removal
// sets it again, and one whose program is gone is not left behind.

#include <string>

namespace win32 {

class RemovalRegistry
{
public:
    // entry: the Apps & features key, relative to HKEY_CURRENT_USER; resumeValue: the name of
    // the value under the user's RunOnce key that resumes the removal.
    RemovalRegistry(std::wstring entry, std::wstring resumeValue);

    bool entryExists() const;
    // A string value of the entry; empty when the entry or the value is missing.
    std::wstring entryValue(const std::wstring &name) const;
    // Sets a string value of the entry, if the entry exists; never makes an entry.
    bool setEntryValue(const std::wstring &name, const std::wstring &value) const;
    // Deletes the entry. True once it is gone, also when it was; false when it stays (a key
    // under it, or no right to delete it).
    bool deleteEntry() const;

    // The command Windows runs at the user's next log-on, unless it is taken back first.
    bool resumeAtLogon(const std::wstring &command) const;
    bool resumesAtLogon() const;
    void stopResumingAtLogon() const;

private:
    std::wstring m_entry;
    std::wstring m_resumeValue;
};

// The key of the commands Windows runs once, at the user's next log-on, relative to
// HKEY_CURRENT_USER.
extern const wchar_t userRunOnceKey[];

} // namespace win32
