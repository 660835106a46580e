#pragma once

// The windows in which the Windows removal (remove-velmora.exe) says what it does and what it did
// not do. Qt's libraries are gone by then, or going: each is the system's message box, titled as
// the wizard, or the console Sweepwright.cmd runs in.

#include <string>
#include <vector>

// Nothing has been removed: the heading says why, names what is in the way, and the advice
// what to do.
void reportNothingRemoved(const std::wstring &heading, const std::vector<std::wstring> &names,
    const std::wstring &advice);

// What the removal left in folder: ours that could not be removed (full paths, or the entry in
// Apps & features in words), and the user's own files, kept. Shows them, as many as a screen
// holds, and lists them all in a file in the folder; with nothing left, deletes a list that an
// earlier removal wrote. retried: whether the removal runs again at the next log-on; entryLeft:
// whether it can be run again from Apps & features.
void reportWhatIsLeft(const std::wstring &folder, const std::vector<std::wstring> &left,
    const std::vector<std::wstring> &kept, bool retried, bool entryLeft);

// A sentence alone in a window.
void tell(const std::wstring &text);

// Titles the console window of Sweepwright.cmd, which started this program, and says in it that
// Velmora is being removed; nothing when no program with a console started it.
void announceInConsole();

// The name of the list reportWhatIsLeft writes, which the removal never counts as the user's.
extern const wchar_t reportListName[];
