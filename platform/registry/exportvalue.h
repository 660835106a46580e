#pragma once

// The data of one value line of a registry export file ("name"=data), as the registry editor's
// import reads it: a quoted text, "-", dword:, hex: or hex(N): bytes, each of which a comment
// (";" and what follows) may end.

#include "registry/registry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct RegistryValue
{
    std::uint32_t type = RegistryType::binary;
    std::vector<unsigned char> data;
};

struct ValueData
{
    bool remove = false; // "name"=-
    RegistryValue value;
};

// The blanks the format allows around its parts.
bool isBlank(char16_t c);
std::u16string_view trimmed(std::u16string_view text);

// Passes over the quoted text at the start of rest and leaves rest after its closing quote;
// false when rest starts with no quoted text that ends on the line.
bool skipQuoted(std::u16string_view &rest);

// The text a quoted text (quotes included) stands for, without its escapes: \\ and \" as
// written, \n and \r line ends as the editor writes them, and a backslash before any other
// character is dropped ("\t" is "t"), as the editor takes it. Nothing when it is no quoted text.
std::optional<std::u16string> unquoted(std::u16string_view quoted);

// Whether a line of a hex value goes on over the next line: it ends in "\", before any comment.
bool goesOn(std::u16string_view line);

// How the bytes of hex(1), hex(2) and hex(7) values are written: as the values' own UTF-16LE
// bytes ("Windows Registry Editor Version 5.00"), or as 8-bit text (REGEDIT4), which the import
// turns into UTF-16 as the registry holds strings.
enum class StringBytes { Utf16, EightBit };

// The data after "name"=: data is the rest of the value line, continuation the lines a hex value
// goes on over (blank and comment lines among them are passed over). Nothing when it cannot be
// read.
std::optional<ValueData> valueData(std::u16string_view data, std::u16string_view continuation,
                                   StringBytes strings);
