#include "getkeyvalue.h"

#include <array>
#include <cstddef>

namespace {

// Closes the key on every way out of GetKeyValue, the error included, and only if it was opened.
class OpenedKey
{
public:
    explicit OpenedKey(Registry &registry)
        : m_registry(registry)
    {
    }
    ~OpenedKey()
    {
        if (m_key != 0)
            m_registry.closeKey(m_key);
    }
    OpenedKey(const OpenedKey &) = delete;
    OpenedKey &operator=(const OpenedKey &) = delete;

    RegistryKey &handle() { return m_key; }

private:
    Registry &m_registry;
    RegistryKey m_key = 0;
};

char16_t unitAt(const std::array<unsigned char, keyValueBufferSize> &buffer, std::size_t index)
{
    return static_cast<char16_t>(buffer[2 * index] | (buffer[2 * index + 1] << 8));
}

} // namespace

bool GetKeyValue(Registry &registry, RegistryKey KeyRoot, const std::u16string &KeyName,
                 const std::u16string &SubKeyRef, std::u16string &KeyVal)
{
    // Step 1. Open the key, for reading only: write access is refused to a standard user, who
    // would then be told the tool is missing although it is installed.
    OpenedKey key(registry);
    if (registry.openKey(KeyRoot, KeyName, key.handle()) != RegistryError::success) {
        key.handle() = 0;
        KeyVal.clear();
        return false;
    }

    // Step 2. A zeroed buffer and its size.
    std::array<unsigned char, keyValueBufferSize> buffer {};
    std::uint32_t size = keyValueBufferSize;

    // Step 3. Query the value; one longer than the buffer is not read.
    std::uint32_t type = 0;
    if (registry.queryValue(key.handle(), SubKeyRef, type, buffer.data(), size)
            != RegistryError::success
        || size > keyValueBufferSize) {
        KeyVal.clear();
        return false;
    }

    // Step 4. Trim: the last character goes when it is the terminating zero. A string stored
    // without one keeps its last character. A value without data has no last character at all;
    // an odd byte at the end is a character of its own, as the buffer's zeroes fill it.
    if (size == 0)
        throw KeyValueError("The registry value holds no data.");
    const std::size_t characters = (size + 1) / 2;
    std::u16string text;
    const std::size_t kept = unitAt(buffer, characters - 1) == 0 ? characters - 1 : characters;
    text.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i)
        text.push_back(unitAt(buffer, i));

    // Step 5. By the value's type; any other type is read but leaves KeyVal as it was.
    if (type == RegistryType::string) {
        KeyVal = text;
    } else if (type == RegistryType::dword) {
        std::uint32_t number = 0;
        for (std::size_t i = 0; i < 4 && i < size; ++i)
            number |= static_cast<std::uint32_t>(buffer[i]) << (8 * i);
        const std::string digits = std::to_string(number);
        KeyVal.assign(digits.begin(), digits.end());
    }

    // Step 6. The key is closed as OpenedKey goes.
    return true;
}
