// The Windows removal's words: a text of its string table, in the language Windows picks for
// the user, with the removal's names and numbers filled in where that language puts them.

#include "removalwords_win.h"

#include <windows.h>

std::wstring words(unsigned id)
{
    // With no buffer, the system hands out the resource's own text, which needs no copy to fit.
    const wchar_t *text = nullptr;
    const int length
        = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t *>(&text), 0);
    if (length <= 0 || text == nullptr)
        return {};
    return std::wstring(text, static_cast<std::size_t>(length));
}

std::wstring words(unsigned id, const std::vector<std::wstring> &inserts)
{
    return fillIn(words(id), inserts);
}

std::wstring fillIn(const std::wstring &pattern, const std::vector<std::wstring> &inserts)
{
    std::wstring text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const wchar_t next = i + 1 < pattern.size() ? pattern[i + 1] : L'\0';
        if (pattern[i] != L'%' || !(next == L'%' || (next >= L'1' && next <= L'9'))) {
            text += pattern[i];
            continue;
        }
        ++i;
        if (next == L'%') {
            text += L'%';
            continue;
        }
        const std::size_t number = static_cast<std::size_t>(next - L'1');
        if (number < inserts.size())
            text += inserts[number];
    }
    return text;
}
