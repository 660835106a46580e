#pragma once

// The words of the Windows removal (remove-velmora.exe), which runs when Qt and its catalogues
// are gone: a string table in its resources (removalwords.rc) with one block per language, from
// which Windows picks the user's display language, and English where none fits. The numbers
// below are the texts' identifiers in that table, which the resource compiler reads too.

#define IDS_PROGRAMS_RUNNING 100
#define IDS_CLOSE_PROGRAMS 101
#define IDS_FILES_HELD 102
#define IDS_LET_FILES_GO 103
#define IDS_FILES_IN_USE 104
#define IDS_CLOSE_PROGRAM 105
#define IDS_NO_WAY_BACK 106
#define IDS_ENTRY 107
#define IDS_INTERPRETER_NOT_STARTED 108
#define IDS_NO_REASON 109
#define IDS_LAST_FILES_LEFT 110
#define IDS_INSTALLED_ELSEWHERE 111
#define IDS_NOT_ASKED 112
#define IDS_NO_FOLDER 113
#define IDS_MORE 114
#define IDS_NOT_REMOVED_COMPLETELY 115
#define IDS_USER_FILES_KEPT 116
#define IDS_LIST_ALSO_IN 117
#define IDS_RETRIED_AT_SIGN_IN 118
#define IDS_TRY_AGAIN_NOW 119
#define IDS_NO_INTERPRETER 120
#define IDS_NETWORK_SHARE 121
#define IDS_DRIVE_ROOT 122
#define IDS_PERCENT_IN_NAME 123
#define IDS_PATH_TOO_LONG 124
#define IDS_CONSOLE_TITLE 125
#define IDS_CONSOLE_LINE 126
// One past the last, for the tests that walk every text.
#define IDS_END 127

#ifndef RC_INVOKED

#include <string>
#include <vector>

// The text of that identifier in the user's language.
std::wstring words(unsigned id);

// The same, with each %1 to %9 in it replaced by the insert of that number, wherever the
// language puts it, and %% by %. What an insert holds is never read for placeholders: a folder
// may be named "100%1".
std::wstring words(unsigned id, const std::vector<std::wstring> &inserts);

// The filling-in alone, of any pattern.
std::wstring fillIn(const std::wstring &pattern, const std::vector<std::wstring> &inserts);

#endif
