#include "getkeyvalue.h"

#include "registry/ansitext.h"

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

// The value comes as the system's wide characters, and the buffer is counted in bytes of the
// ANSI code page, as RegQueryValueExA fills it: a byte of the code page stands for at most two
// wide characters (a pair of surrogates may become one "?"), so this holds every value that
// fits the design's buffer.
using WideBuffer = std::array<unsigned char, 4 * keyValueBufferSize>;

// The data as UTF-16 units; an odd byte at the end is a unit of its own, as the buffer's zeroes
// fill it.
std::u16string unitsOf(const WideBuffer &buffer, std::uint32_t size)
{
    std::u16string units((size + 1) / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(buffer[2 * i] | (buffer[2 * i + 1] << 8));
    return units;
}

// The value's length as RegQueryValueExA gives it: the string types in the ANSI code page,
// their terminating zero included, and the other types' bytes as they are.
std::size_t ansiLength(std::uint32_t type, const std::u16string &units, std::uint32_t size)
{
    if (type == RegistryType::string || type == RegistryType::expandString
        || type == RegistryType::multiString)
        return ansiSize(units);
    return size;
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
    WideBuffer buffer {};
    std::uint32_t size = buffer.size();

    // Step 3. Query the value; one longer than the design's buffer of 1024 bytes is not read.
    std::uint32_t type = 0;
    if (registry.queryValue(key.handle(), SubKeyRef, type, buffer.data(), size)
            != RegistryError::success
        || size > buffer.size()) {
        KeyVal.clear();
        return false;
    }
    std::u16string text = unitsOf(buffer, size);
    if (ansiLength(type, text, size) > keyValueBufferSize) {
        KeyVal.clear();
        return false;
    }

    // Step 4. Trim: the last character goes when it is the terminating zero. A string stored
    // without one keeps its last character. A value without data has no last character at all.
    if (size == 0)
        throw KeyValueError("The registry value holds no data.");
    if (text.back() == u'\0')
        text.pop_back();

    // Step 5. By the value's type; any other type is read but leaves KeyVal as it was.
    if (type == RegistryType::string) {
        KeyVal = std::move(text);
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
