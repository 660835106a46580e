// The Windows removal's words (uninstaller/removalwords.rc): every language's block holds every
// text, with the English text's placeholders, and Windows hands out the block of the user's
// language, or the English one where there is none. Run as tst_removalwords <locale> under Wine,
// which takes the user's language from LANG, as CTest sets it for each locale.

#include "check.h"

#include "removalwords_win.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string userLocale;

// The text of id in one language's block, read from the resources without the system's choice of
// a language. A block holds the texts from (block - 1) * 16 on, each after its length.
std::wstring textOf(unsigned id, LANGID language)
{
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), language);
    if (found == nullptr)
        return {};
    const auto *entry = static_cast<const wchar_t *>(LockResource(LoadResource(module, found)));
    for (unsigned skipped = 0; skipped < id % 16; ++skipped)
        entry += 1 + static_cast<std::size_t>(*entry);
    return std::wstring(entry + 1, static_cast<std::size_t>(*entry));
}

// The placeholders of a text, %1 to %9 and %%, in order of their numbers.
std::vector<std::wstring> placeholders(const std::wstring &text)
{
    std::vector<std::wstring> found;
    for (std::size_t at = text.find(L'%'); at != std::wstring::npos && at + 1 < text.size();
         at = text.find(L'%', at + 2))
        found.push_back(text.substr(at, 2));
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace

TEST_CASE("every language's block holds every text, with the English text's placeholders")
{
    const LANGID english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    const std::pair<const wchar_t *, LANGID> languages[] = {
        { L"German", MAKELANGID(LANG_GERMAN, SUBLANG_NEUTRAL) },
        { L"French", MAKELANGID(LANG_FRENCH, SUBLANG_NEUTRAL) },
        { L"Spanish", MAKELANGID(LANG_SPANISH, SUBLANG_NEUTRAL) },
    };
    std::vector<std::wstring> faults;
    for (unsigned id = IDS_PROGRAMS_RUNNING; id < IDS_END; ++id) {
        const std::wstring written = textOf(id, english);
        if (written.empty())
            faults.push_back(L"English " + std::to_wstring(id) + L": missing");
        for (const auto &[name, language] : languages) {
            const std::wstring text = textOf(id, language);
            const std::wstring which = name + (L" " + std::to_wstring(id));
            if (text.empty() || text == written)
                faults.push_back(which + L": untranslated");
            else if (placeholders(text) != placeholders(written))
                faults.push_back(which + L": other placeholders than the English text's");
        }
    }
    CHECK_EQUAL(faults, std::vector<std::wstring>());
}

TEST_CASE("the user's language chooses the words, and English stands in for any other")
{
    std::printf("  locale: %s\n", userLocale.c_str());
    std::wstring expected = L"remove-velmora.exe removes Velmora only when Sweepwright.cmd "
                            L"starts it. Remove Velmora from Apps & features instead.";
    std::wstring more = L"and 12 more";
    if (userLocale.rfind("de_", 0) == 0) {
        expected = L"remove-velmora.exe entfernt Velmora nur, wenn Sweepwright.cmd es startet. "
                   L"Entferne Velmora stattdessen über „Apps & Features“.";
        more = L"und 12 weitere";
    } else if (userLocale.rfind("fr_", 0) == 0) {
        expected = L"remove-velmora.exe ne supprime Velmora que lorsque Sweepwright.cmd le lance. "
                   L"Supprime plutôt Velmora depuis «\u00a0Applications et fonctionnalités\u00a0».";
        more = L"et 12 de plus";
    } else if (userLocale.rfind("es_", 0) == 0) {
        expected = L"remove-velmora.exe solo elimina Velmora cuando lo inicia Sweepwright.cmd. En "
                   L"su lugar, elimina Velmora desde «Aplicaciones y características».";
        more = L"y 12 más";
    }
    CHECK_EQUAL(words(IDS_NOT_ASKED), expected);
    CHECK_EQUAL(words(IDS_MORE, { L"12" }), more);
}

TEST_CASE("placeholders are filled in where the language puts them, and inserts are not read")
{
    struct Row
    {
        const char *name;
        std::wstring pattern;
        std::vector<std::wstring> inserts;
        std::wstring expected;
    };
    const Row rows[] = {
        { "the second before the first", L"%2 in %1.", { L"C:\\Velmora", L"Qt6Core.dll" },
            L"Qt6Core.dll in C:\\Velmora." },
        { "an insert that looks like a placeholder", L"%1: %2", { L"C:\\50%2 off", L"%%" },
            L"C:\\50%2 off: %%" },
        { "a percent sign written twice", L"\"%%\" in %1", { L"100%OS%" }, L"\"%\" in 100%OS%" },
        { "a percent sign alone, and one at the end", L"5% off %", {}, L"5% off %" },
    };
    for (const Row &row : rows) {
        std::printf("  row: %s\n", row.name);
        CHECK_EQUAL(fillIn(row.pattern, row.inserts), row.expected);
    }
}

int main(int argc, char **argv)
{
    userLocale = argc > 1 ? argv[1] : "";
    return check::runAll(nullptr);
}
