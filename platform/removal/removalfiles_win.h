#pragma once

// The files of an installation as the Windows removal treats them, free of Qt so that the tests
// under Wine build them: the programs running from its folder, the files held so that nobody
// takes them while they are removed, removed all or none, and whatever else lies in the folder.
//
// Names are the system's UTF-16, relative to the folder, with "\" between folders.

#include <string>
#include <vector>

namespace win32 {

// The form of a path that is not cut at MAX_PATH characters: a user's files may lie deeper.
std::wstring unlimited(const std::wstring &path);

bool exists(const std::wstring &path);

// Whether two names are one for the file system, which ignores case.
bool sameName(const std::wstring &one, const std::wstring &other);

// Whether two paths name one folder, whatever their case, short names or a "\" at the end.
bool sameFolder(const std::wstring &one, const std::wstring &other);

// The full paths of the programs running from folder itself, this process left out.
std::vector<std::wstring> programsRunningFrom(const std::wstring &folder);

// Files opened for deletion and kept open until they are deleted or let go: meanwhile nobody
// else can open one unless they let others delete it, so a check and the removal that follows
// see the same.
class DeletionHold
{
public:
    DeletionHold() = default;
    DeletionHold(const DeletionHold &) = delete;
    DeletionHold &operator=(const DeletionHold &) = delete;
    // Lets go of whatever is still held, deleting nothing.
    ~DeletionHold();

    // Holds each of names that exists in folder. A file another program keeps open without
    // letting others delete it (a scanner, an indexer, a backup) cannot be held: returns those
    // names, and then holds nothing.
    std::vector<std::wstring> take(
        const std::wstring &folder, const std::vector<std::wstring> &names);

    // Deletes every held file, in the order they were named, or none of them: returns the names
    // that cannot be deleted (a program or library that a program runs from), and then still
    // holds them all.
    std::vector<std::wstring> deleteAll();

    void release();

private:
    struct Held
    {
        std::wstring name;
        void *handle;
    };
    std::vector<Held> m_held;
};

// Everything in folder and below it but the names given (compared as the file system does), by
// names relative to it; an empty folder counts, with a "\" after its name. A link to a folder
// elsewhere is named, not followed.
std::vector<std::wstring> filesBesides(
    const std::wstring &folder, const std::vector<std::wstring> &ours);

} // namespace win32
