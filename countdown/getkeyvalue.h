#pragma once

// How the About box reads one registry value as text. Free of Qt, so that the same steps are
// tested against the system's own registry on Windows.

#include "registry/registry.h"

#include <stdexcept>
#include <string>

// A value that the steps cannot turn into text (one without data). The About box's error
// handler takes it like any failure on the way to the tool.
class KeyValueError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The buffer the value is read into, in bytes of the ANSI code page as RegQueryValueExA counts
// them: a string of up to 1023 characters and its terminating zero. A longer value is not read.
constexpr std::uint32_t keyValueBufferSize = 1024;

// Reads the value SubKeyRef of KeyRoot\KeyName into KeyVal and tells whether it was read. A
// string becomes its text and a DWORD its decimal number; a value of another type is read but
// leaves KeyVal as it was. When the key or value cannot be read, KeyVal becomes empty. The key
// is opened for reading only, and closed exactly when it was opened. Throws KeyValueError for a
// value without data.
bool GetKeyValue(Registry &registry, RegistryKey KeyRoot, const std::u16string &KeyName,
                 const std::u16string &SubKeyRef, std::u16string &KeyVal);
