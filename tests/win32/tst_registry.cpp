// GetKeyValue against the system's own registry: values written here with RegSetValueExW under
// a throwaway key of the current user, read back through advapi32 the way the About box reads.

#include "check.h"

#include "registry/advapi32registry_win.h"
#include "getkeyvalue.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

const RegistryKey currentUser = reinterpret_cast<RegistryKey>(HKEY_CURRENT_USER);
const std::u16string testKey = u"Software\\Velmora tests\\GetKeyValue";

const wchar_t *wide(const std::u16string &text)
{
    return reinterpret_cast<const wchar_t *>(text.c_str());
}

std::vector<BYTE> bytesOf(const std::u16string &text, bool withTerminatingZero)
{
    std::vector<BYTE> bytes((text.size() + (withTerminatingZero ? 1 : 0)) * 2, 0);
    std::memcpy(bytes.data(), text.data(), text.size() * 2);
    return bytes;
}

// Writes one value, creating the key as needed; the key is the test's alone.
void writeValue(const std::u16string &key, const std::u16string &name, DWORD type,
                const std::vector<BYTE> &data)
{
    HKEY handle = nullptr;
    CHECK(RegCreateKeyExW(HKEY_CURRENT_USER, wide(key), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &handle, nullptr)
          == ERROR_SUCCESS);
    CHECK(RegSetValueExW(handle, wide(name), 0, type, data.data(),
                         static_cast<DWORD>(data.size()))
          == ERROR_SUCCESS);
    RegCloseKey(handle);
}

struct Read
{
    bool result;
    std::u16string text;
};

Read readBack(const std::u16string &key, const std::u16string &name)
{
    Advapi32Registry registry;
    Read read { false, u"what the variable held before" };
    read.result = GetKeyValue(registry, currentUser, key, name, read.text);
    return read;
}

struct Row
{
    const char *name;
    DWORD type;
    std::vector<BYTE> data;
    bool result;
    std::u16string text;
};

// Each row's value written under the test key, then read back as the About box reads it.
void checkRows(const std::vector<Row> &rows)
{
    for (const Row &row : rows) {
        const std::u16string name(row.name, row.name + std::strlen(row.name));
        writeValue(testKey, name, row.type, row.data);
        const Read read = readBack(testKey, name);
        std::printf("  row: %s\n", row.name);
        CHECK_EQUAL(read.result, row.result);
        CHECK_EQUAL(read.text, row.text);
    }
}

} // namespace

TEST_CASE("values of every kind are read back as the About box takes them")
{
    const std::u16string unchanged = u"what the variable held before";
    const std::u16string tools = u"C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
    // The buffer holds 1024 bytes of the ANSI code page: 1023 characters and the zero.
    const std::u16string atLimit(1023, u'x');
    const std::u16string pastLimit(1024, u'y');
    const std::vector<Row> rows = {
        { "string with its terminating zero", REG_SZ, bytesOf(tools, true), true, tools },
        { "string without a terminating zero keeps its last character", REG_SZ,
          bytesOf(u"C:\\Tools", false), true, u"C:\\Tools" },
        { "empty string", REG_SZ, bytesOf(u"", true), true, u"" },
        { "string that fills the buffer exactly", REG_SZ, bytesOf(atLimit, true), true,
          atLimit },
        { "string longer than the buffer is not read", REG_SZ, bytesOf(pastLimit, true), false,
          u"" },
        { "expandable string longer than the buffer is not read", REG_EXPAND_SZ,
          bytesOf(pastLimit, true), false, u"" },
        { "binary value that fills the buffer exactly", REG_BINARY,
          std::vector<BYTE>(1024, 0x41), true, unchanged },
        { "binary value longer than the buffer is not read", REG_BINARY,
          std::vector<BYTE>(1025, 0x41), false, u"" },
        { "DWORD as its decimal number", REG_DWORD, { 0x78, 0x56, 0x34, 0x12 }, true,
          u"305419896" },
        { "largest DWORD", REG_DWORD, { 0xFF, 0xFF, 0xFF, 0xFF }, true, u"4294967295" },
        { "binary leaves the text as it was", REG_BINARY, { 0x43, 0x00, 0x3A, 0x00 }, true,
          unchanged },
        { "one byte of binary is data, not an empty value", REG_BINARY, { 0x41 }, true,
          unchanged },
        { "expandable string leaves the text as it was", REG_EXPAND_SZ,
          bytesOf(u"%SystemRoot%\\system32", true), true, unchanged },
    };
    checkRows(rows);
}

TEST_CASE("the buffer is counted in bytes of the ANSI code page, as the A function counts it")
{
    // Typed for the code page Wine gives an English system, Windows-1252, in which "é" is one
    // byte and "Ж", outside it, becomes one "?".
    if (GetACP() != 1252) {
        std::printf("  skipped: the ANSI code page is %u, not 1252\n", GetACP());
        return;
    }
    const std::u16string accented(1023, u'\u00E9');
    const std::u16string cyrillic(1023, u'\u0416');
    const std::vector<Row> rows = {
        { "1023 characters of the code page and the zero", REG_SZ, bytesOf(accented, true), true,
          accented },
        { "1024 characters of the code page and the zero", REG_SZ,
          bytesOf(accented + u"\u00E9", true), false, u"" },
        { "1023 characters outside the code page and the zero", REG_SZ, bytesOf(cyrillic, true),
          true, cyrillic },
    };
    checkRows(rows);
}

TEST_CASE("a path outside the ANSI code page comes through, in key, value name and data")
{
    const std::u16string key = testKey + u"\\Ωμέγα 東京";
    const std::u16string path = u"D:\\Εργαλεία\\東京の道具\\MSINFO32.EXE";
    writeValue(key, u"ΠΑΘ", REG_SZ, bytesOf(path, true));
    const Read read = readBack(key, u"ΠΑΘ");
    CHECK_EQUAL(read.result, true);
    CHECK_EQUAL(read.text, path);
}

TEST_CASE("a missing key or value reads as not found, with the text emptied")
{
    writeValue(testKey, u"present", REG_SZ, bytesOf(u"here", true));
    const Read missingKey = readBack(testKey + u"\\no such key", u"present");
    CHECK_EQUAL(missingKey.result, false);
    CHECK_EQUAL(missingKey.text, std::u16string());
    const Read missingValue = readBack(testKey, u"no such value");
    CHECK_EQUAL(missingValue.result, false);
    CHECK_EQUAL(missingValue.text, std::u16string());
}

TEST_CASE("a value without data ends in the About box's error path")
{
    writeValue(testKey, u"no data", REG_SZ, {});
    bool thrown = false;
    try {
        readBack(testKey, u"no data");
    } catch (const KeyValueError &) {
        thrown = true;
    }
    CHECK(thrown);
}

TEST_CASE("a value longer than the buffer gives its length and leaves the buffer alone")
{
    writeValue(testKey, u"long", REG_SZ, bytesOf(std::u16string(600, u'z'), true));
    Advapi32Registry registry;
    RegistryKey key = 0;
    CHECK_EQUAL(registry.openKey(currentUser, testKey, key), RegistryError::success);
    std::vector<unsigned char> buffer(1024, 0xAB);
    std::uint32_t type = 0;
    std::uint32_t size = 1024;
    CHECK_EQUAL(registry.queryValue(key, u"long", type, buffer.data(), size),
                RegistryError::moreData);
    CHECK_EQUAL(size, 1202U);
    CHECK(std::all_of(buffer.begin(), buffer.end(), [](unsigned char b) { return b == 0xAB; }));
    registry.closeKey(key);
}

TEST_CASE("the About box's root, 0x80000002, is the system's HKEY_LOCAL_MACHINE")
{
    CHECK(systemKeyHandle(0x80000002) == reinterpret_cast<RegistryKey>(HKEY_LOCAL_MACHINE));
    Advapi32Registry registry;
    RegistryKey key = 0;
    CHECK_EQUAL(registry.openKey(registryLocalMachine, u"SOFTWARE\\Microsoft", key),
                RegistryError::success);
    CHECK_EQUAL(registry.closeKey(key), RegistryError::success);
}

TEST_CASE("the key is opened for reading only")
{
    writeValue(testKey, u"present", REG_SZ, bytesOf(u"here", true));
    Advapi32Registry registry;
    RegistryKey key = 0;
    CHECK_EQUAL(registry.openKey(currentUser, testKey, key), RegistryError::success);
    const BYTE data[] = { 0, 0 };
    CHECK_EQUAL(RegSetValueExW(reinterpret_cast<HKEY>(key), L"written", 0, REG_SZ, data, 2),
                static_cast<LSTATUS>(ERROR_ACCESS_DENIED));
    CHECK_EQUAL(registry.closeKey(key), RegistryError::success);
}

int main(int argc, char **argv)
{
    RegDeleteTreeW(HKEY_CURRENT_USER, wide(testKey));
    const int result = check::runAll(argc > 1 ? argv[1] : nullptr);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Velmora tests");
    return result;
}
