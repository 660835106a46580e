// The version resource a program's executable carries, read back the way Explorer's Details
// tab reads it, and its manifest, as Windows applies it when it starts the program.
// Usage: tst_versionresource <Velmora|Sweepwright|remove-velmora> <executable>

#include "check.h"

#include <windows.h>

#include <cstring>
#include <map>
#include <vector>

namespace {

using Strings = std::map<std::wstring, std::wstring>;

const std::map<std::string, Strings> expectedStrings = {
    { "Velmora",
      {
          { L"Comments", L"Compiled 6:12pm April 3, 2012" },
          { L"CompanyName", L"Dovrik's Software" },
          { L"FileDescription", L"Velmora for Windows" },
          { L"ProductName", L"Velmora" },
          { L"FileVersion", L"1.00" },
          { L"ProductVersion", L"1.00" },
          { L"InternalName", L"Velmora" },
          { L"OriginalFilename", L"Velmora.exe" },
      } },
    { "Sweepwright",
      {
          { L"Comments", L"Dovrik's Software Sweepwright" },
          { L"CompanyName", L"Corvale" },
          { L"FileDescription", L"Dovrik's Software Sweepwright" },
          { L"ProductName", L"Uninstaller" },
          { L"FileVersion", L"1.00" },
          { L"ProductVersion", L"1.00" },
          { L"InternalName", L"Sweepwright" },
          { L"OriginalFilename", L"Sweepwright.exe" },
      } },
    { "remove-velmora",
      {
          { L"CompanyName", L"Dovrik's Software" },
          { L"FileDescription", L"Removes Velmora for Dovrik's Software Sweepwright" },
          { L"ProductName", L"Velmora" },
          { L"FileVersion", L"1.00" },
          { L"ProductVersion", L"1.00" },
          { L"InternalName", L"remove-velmora" },
          { L"OriginalFilename", L"remove-velmora.exe" },
      } },
};

// The names a version resource may carry in its string table.
const wchar_t *const knownNames[] = {
    L"Comments",       L"CompanyName",    L"FileDescription",  L"FileVersion",
    L"InternalName",   L"LegalCopyright", L"LegalTrademarks",  L"OriginalFilename",
    L"PrivateBuild",   L"ProductName",    L"ProductVersion",   L"SpecialBuild",
};

std::string program;
std::wstring executable;
std::vector<BYTE> block;

void *query(const std::wstring &path, UINT &length)
{
    void *value = nullptr;
    length = 0;
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &length))
        return nullptr;
    return value;
}

} // namespace

TEST_CASE("fixed part: version 1.0.0.0, a 32-bit Windows application")
{
    UINT length = 0;
    const auto *fixed = static_cast<const VS_FIXEDFILEINFO *>(query(L"\\", length));
    CHECK(fixed != nullptr);
    if (!fixed)
        return;
    CHECK_EQUAL(fixed->dwSignature, 0xFEEF04BDUL);
    CHECK_EQUAL(fixed->dwFileVersionMS, 0x00010000UL);
    CHECK_EQUAL(fixed->dwFileVersionLS, 0x00000000UL);
    CHECK_EQUAL(fixed->dwProductVersionMS, 0x00010000UL);
    CHECK_EQUAL(fixed->dwProductVersionLS, 0x00000000UL);
    CHECK_EQUAL(fixed->dwFileOS, 0x00000004UL); // VOS__WINDOWS32
    CHECK_EQUAL(fixed->dwFileType, 0x00000001UL); // VFT_APP
}

TEST_CASE("one string table, US English in Unicode")
{
    UINT length = 0;
    const auto *translation = static_cast<const WORD *>(query(L"\\VarFileInfo\\Translation", length));
    CHECK_EQUAL(length, 4U);
    if (!translation || length < 4)
        return;
    CHECK_EQUAL(translation[0], WORD(0x0409));
    CHECK_EQUAL(translation[1], WORD(0x04B0));
}

TEST_CASE("every string exactly, and no other")
{
    const Strings &expected = expectedStrings.at(program);
    for (const wchar_t *name : knownNames) {
        UINT length = 0;
        const auto *value = static_cast<const wchar_t *>(
            query(std::wstring(L"\\StringFileInfo\\040904B0\\") + name, length));
        const auto wanted = expected.find(name);
        if (wanted == expected.end()) {
            if (value && length > 1)
                check::fail(__FILE__, __LINE__,
                            check::printable(std::wstring(name)) + " is there but not expected");
            continue;
        }
        CHECK(value != nullptr);
        if (!value)
            continue;
        // The length counts the terminating zero, when the compiler wrote one.
        std::wstring text(value, length);
        if (!text.empty() && text.back() == L'\0')
            text.pop_back();
        CHECK_EQUAL(text, wanted->second);
    }
}

// The manifest as the system reads it when it starts the program: the activation context made
// from the executable's manifest resource, which fails for a manifest the system cannot read.
TEST_CASE("manifest: as invoker, for Windows 10 and 11, per-monitor v2, common controls 6")
{
    ACTCTXW request = {};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = executable.c_str();
    request.lpResourceName = MAKEINTRESOURCEW(1); // CREATEPROCESS_MANIFEST_RESOURCE_ID
    const HANDLE context = CreateActCtxW(&request);
    CHECK(context != INVALID_HANDLE_VALUE);
    if (context == INVALID_HANDLE_VALUE)
        return;

    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION level = {};
    SIZE_T size = 0;
    CHECK(QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &level,
                       sizeof level, &size));
    CHECK_EQUAL(int(level.RunLevel), int(ACTCTX_RUN_LEVEL_AS_INVOKER));
    CHECK_EQUAL(level.UiAccess, 0UL);

    // The layout of each entry differs between versions of Windows; the identifier of Windows
    // 10 and 11 is looked for among them as it lies in memory.
    std::vector<BYTE> compatibility(4096);
    CHECK(QueryActCtxW(0, context, nullptr, CompatibilityInformationInActivationContext,
                       compatibility.data(), compatibility.size(), &size));
    const GUID windows10 = { 0x8e0f7a12, 0xbfb3, 0x4fe8, { 0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a } };
    bool found = false;
    for (std::size_t at = sizeof(DWORD); at + sizeof windows10 <= size && !found; ++at)
        found = std::memcmp(compatibility.data() + at, &windows10, sizeof windows10) == 0;
    CHECK(found);

    wchar_t value[64] = {};
    CHECK(QueryActCtxSettingsW(0, context, L"http://schemas.microsoft.com/SMI/2016/WindowsSettings",
                               L"dpiAwareness", value, 64, &size));
    CHECK_EQUAL(std::wstring(value), std::wstring(L"PerMonitorV2, PerMonitor"));
    CHECK(QueryActCtxSettingsW(0, context, nullptr, L"dpiAware", value, 64, &size));
    CHECK_EQUAL(std::wstring(value), std::wstring(L"true/pm"));

    // Common controls 6: within the context, comctl32.dll is the side-by-side assembly's.
    ULONG_PTR cookie = 0;
    CHECK(ActivateActCtx(context, &cookie));
    ACTCTX_SECTION_KEYED_DATA redirection = {};
    redirection.cbSize = sizeof redirection;
    CHECK(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                   L"comctl32.dll", &redirection));
    DeactivateActCtx(0, cookie);
    ReleaseActCtx(context);
}

int main(int argc, char **argv)
{
    if (argc != 3 || !expectedStrings.count(argv[1])) {
        std::printf("usage: tst_versionresource <Velmora|Sweepwright|remove-velmora> <executable>\n");
        return 2;
    }
    program = argv[1];
    executable.assign(argv[2], argv[2] + std::strlen(argv[2]));
    const std::wstring &path = executable;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) {
        std::printf("%s holds no version resource (error %lu)\n", argv[2], GetLastError());
        return 1;
    }
    block.resize(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) {
        std::printf("%s: the version resource cannot be read (error %lu)\n", argv[2],
                    GetLastError());
        return 1;
    }
    return check::runAll(nullptr);
}
