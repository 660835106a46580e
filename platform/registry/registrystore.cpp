#include "registrystore.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace {

constexpr char16_t separator = u'\\';
// The character after the separator: every path below a key sorts between the key's path with
// the separator and the key's path with this.
constexpr char16_t afterSeparator = separator + 1;

struct Root
{
    RegistryKey handle;
    std::u16string_view name;
    std::u16string_view shortName;
};

constexpr std::array<Root, 5> roots { {
    { 0x80000000, u"HKEY_CLASSES_ROOT", u"HKCR" },
    { 0x80000001, u"HKEY_CURRENT_USER", u"HKCU" },
    { registryLocalMachine, u"HKEY_LOCAL_MACHINE", u"HKLM" },
    { 0x80000003, u"HKEY_USERS", u"HKU" },
    { 0x80000005, u"HKEY_CURRENT_CONFIG", u"HKCC" },
} };

// Key and value names compare without regard to case, as the system compares them. The
// letters folded are those of the Latin, Greek and Cyrillic alphabets most names are written in.
char16_t folded(char16_t c)
{
    if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        || (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) || (c >= 0x430 && c <= 0x44F))
        return static_cast<char16_t>(c - 0x20);
    if (c >= 0x450 && c <= 0x45F)
        return static_cast<char16_t>(c - 0x50);
    return c;
}

std::u16string folded(std::u16string_view text)
{
    std::u16string result(text);
    for (char16_t &c : result)
        c = folded(c);
    return result;
}

// Appends the path's parts, folded, each after a separator; empty parts are skipped.
void appendParts(std::u16string &path, std::u16string_view parts)
{
    path.reserve(path.size() + parts.size() + 1);
    while (!parts.empty()) {
        const std::size_t end = std::min(parts.find(separator), parts.size());
        if (end > 0) {
            path.push_back(separator);
            for (const char16_t c : parts.substr(0, end))
                path.push_back(folded(c));
        }
        parts.remove_prefix(std::min(end + 1, parts.size()));
    }
}

} // namespace

void RegistryStore::Values::set(std::u16string_view name, RegistryValue value)
{
    m_byName.insert_or_assign(folded(name), std::move(value));
}

void RegistryStore::Values::remove(std::u16string_view name)
{
    m_byName.erase(folded(name));
}

const RegistryValue *RegistryStore::Values::find(std::u16string_view name) const
{
    const auto value = m_byName.find(folded(name));
    return value == m_byName.end() ? nullptr : &value->second;
}

bool RegistryStore::keyPathFromText(std::u16string_view text, KeyPath &path)
{
    const std::size_t end = std::min(text.find(separator), text.size());
    const std::u16string rootName = folded(text.substr(0, end));
    for (const Root &root : roots) {
        if (rootName == root.name || rootName == root.shortName) {
            path = root.name;
            appendParts(path, text.substr(end));
            return true;
        }
    }
    return false;
}

RegistryStore::KeyPath RegistryStore::keyPathUnder(RegistryKey root, std::u16string_view path)
{
    for (const Root &predefined : roots) {
        if (predefined.handle == root) {
            KeyPath full(predefined.name);
            appendParts(full, path);
            return full;
        }
    }
    return {};
}

bool RegistryStore::hasKeysBelow(const KeyPath &path) const
{
    const KeyPath prefix = path + separator;
    const auto below = m_keys.lower_bound(prefix);
    return below != m_keys.end() && below->first.starts_with(prefix);
}

bool RegistryStore::exists(const KeyPath &path) const
{
    // A root is there even when the file names nothing under it.
    return m_keys.contains(path) || hasKeysBelow(path) || path.find(separator) == KeyPath::npos;
}

RegistryStore::Values *RegistryStore::addKey(std::u16string_view keyPath)
{
    KeyPath path;
    if (!keyPathFromText(keyPath, path))
        return nullptr;
    return &m_keys.try_emplace(std::move(path)).first->second;
}

bool RegistryStore::setValue(std::u16string_view keyPath, std::u16string_view name,
                             RegistryValue value)
{
    Values *values = addKey(keyPath);
    if (values == nullptr)
        return false;
    values->set(name, std::move(value));
    return true;
}

void RegistryStore::removeKey(std::u16string_view keyPath)
{
    KeyPath path;
    if (!keyPathFromText(keyPath, path) || path.find(separator) == KeyPath::npos
        || !exists(path))
        return;
    // The key above was there because of this one; it stays when this one goes.
    m_keys.try_emplace(path.substr(0, path.rfind(separator)));
    m_keys.erase(path);
    m_keys.erase(m_keys.lower_bound(path + separator), m_keys.lower_bound(path + afterSeparator));
}

RegistryResult RegistryStore::openKey(RegistryKey root, const std::u16string &path,
                                      RegistryKey &key)
{
    KeyPath full;
    if (const auto opened = m_openKeys.find(root); opened != m_openKeys.end()) {
        full = opened->second;
        appendParts(full, path);
    } else {
        full = keyPathUnder(root, path);
        if (full.empty())
            return RegistryError::invalidHandle;
    }
    if (!exists(full))
        return RegistryError::fileNotFound;
    key = m_nextHandle++;
    m_openKeys.emplace(key, std::move(full));
    return RegistryError::success;
}

RegistryResult RegistryStore::queryValue(RegistryKey key, const std::u16string &name,
                                         std::uint32_t &type, unsigned char *buffer,
                                         std::uint32_t &size)
{
    const auto opened = m_openKeys.find(key);
    if (opened == m_openKeys.end())
        return RegistryError::invalidHandle;
    const auto values = m_keys.find(opened->second);
    const RegistryValue *value = values == m_keys.end() ? nullptr : values->second.find(name);
    if (value == nullptr)
        return RegistryError::fileNotFound;

    const std::vector<unsigned char> &data = value->data;
    type = value->type;
    const std::uint32_t capacity = size;
    size = static_cast<std::uint32_t>(
        std::min<std::size_t>(data.size(), std::numeric_limits<std::uint32_t>::max()));
    if (buffer == nullptr)
        return RegistryError::success;
    if (data.size() > capacity)
        return RegistryError::moreData;
    std::copy(data.begin(), data.end(), buffer);
    return RegistryError::success;
}

RegistryResult RegistryStore::closeKey(RegistryKey key)
{
    return m_openKeys.erase(key) == 1 ? RegistryError::success : RegistryError::invalidHandle;
}
