#pragma once

// A small test harness for the Windows-only units, which are built without Qt: each CHECK that
// fails prints where and what, and main prints how many test cases passed and failed.

#include <cstdio>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace check {

struct TestCase
{
    const char *name;
    std::function<void()> run;
};

inline std::vector<TestCase> &testCases()
{
    static std::vector<TestCase> cases;
    return cases;
}

inline int &failuresInCase()
{
    static int failures = 0;
    return failures;
}

struct Registration
{
    Registration(const char *name, std::function<void()> run)
    {
        testCases().push_back({ name, std::move(run) });
    }
};

inline std::string printable(const std::string &text)
{
    return '"' + text + '"';
}

// UTF-16 text as UTF-8, so that a failure shows Greek or Japanese as written.
inline std::string printable(const std::u16string &text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size())
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out + '"';
}

inline std::string printable(const std::wstring &text)
{
    return printable(std::u16string(text.begin(), text.end()));
}

inline std::string printable(const std::vector<std::wstring> &names)
{
    std::string out = "{";
    for (const std::wstring &name : names)
        out += (out.size() > 1 ? ", " : "") + printable(name);
    return out + "}";
}

template<typename T>
std::string printable(const T &value)
{
    if constexpr (std::is_enum_v<T>)
        return std::to_string(static_cast<std::underlying_type_t<T>>(value));
    else
        return std::to_string(value);
}

inline void fail(const char *file, int line, const std::string &what)
{
    std::printf("  FAIL %s:%d: %s\n", file, line, what.c_str());
    ++failuresInCase();
}

// Runs every test case, or those whose name contains filter, and returns the exit code.
inline int runAll(const char *filter)
{
    int passed = 0;
    int failed = 0;
    for (const TestCase &test : testCases()) {
        if (filter && std::string(test.name).find(filter) == std::string::npos)
            continue;
        failuresInCase() = 0;
        test.run();
        std::printf("%s %s\n", failuresInCase() == 0 ? "PASS" : "FAIL", test.name);
        (failuresInCase() == 0 ? passed : failed) += 1;
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed == 0 && passed > 0 ? 0 : 1;
}

} // namespace check

#define CHECK_CONCAT2(a, b) a##b
#define CHECK_CONCAT(a, b) CHECK_CONCAT2(a, b)

// TEST_CASE("name") { ... } defines and registers one test case.
#define TEST_CASE(name)                                                                           \
    static void CHECK_CONCAT(testBody, __LINE__)();                                               \
    static const check::Registration CHECK_CONCAT(testRegistration, __LINE__)(                    \
        name, CHECK_CONCAT(testBody, __LINE__));                                                  \
    static void CHECK_CONCAT(testBody, __LINE__)()

#define CHECK(condition)                                                                          \
    do {                                                                                          \
        if (!(condition))                                                                         \
            check::fail(__FILE__, __LINE__, #condition);                                          \
    } while (false)

#define CHECK_EQUAL(actual, expected)                                                             \
    do {                                                                                          \
        const auto &checkActual = (actual);                                                       \
        const auto &checkExpected = (expected);                                                   \
        if (!(checkActual == checkExpected))                                                      \
            check::fail(__FILE__, __LINE__,                                                       \
                        std::string(#actual) + " is " + check::printable(checkActual)             \
                            + ", expected " + check::printable(checkExpected));                   \
    } while (false)
