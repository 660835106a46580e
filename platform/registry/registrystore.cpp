#include "registry/registrystore.h"

#include "registry/registryexport.h"

#include <QChar>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <utility>

namespace {

using KeyPath = std::u16string; // in capitals, "ROOT\PART\PART", without empty parts

constexpr char16_t separator = u'\\';

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

// Key and value names compare without regard to case, as the system compares them: each UTF-16
// unit in capitals, by Unicode's simple mapping. Not QString::toUpper, whose full mapping makes
// "straße" and "STRASSE" one name, and not case folding, which keeps the dotless "ı" apart from
// "I": the system's comparison does neither.
char16_t folded(char16_t c)
{
    return QChar(c).toUpper().unicode();
}

void appendFolded(std::u16string &text, std::u16string_view part)
{
    for (const char16_t c : part)
        text.push_back(folded(c));
}

std::u16string folded(std::u16string_view text)
{
    std::u16string result;
    result.reserve(text.size());
    appendFolded(result, text);
    return result;
}

// Appends the path's parts, folded, each after a separator; empty parts are skipped.
void appendParts(KeyPath &path, std::u16string_view parts)
{
    while (!parts.empty()) {
        const std::size_t end = std::min(parts.find(separator), parts.size());
        if (end > 0) {
            path.push_back(separator);
            appendFolded(path, parts.substr(0, end));
        }
        parts.remove_prefix(std::min(end + 1, parts.size()));
    }
}

bool isRoot(const KeyPath &path)
{
    return path.find(separator) == KeyPath::npos;
}

// Where a key line's key stands to the key path: the same key, a key below it, a key above it,
// or none of these (an unknown root included).
enum class Relation { Apart, Same, Below, Above };

// Compares the key as the line writes it with the key path as it goes, and stops as soon as the
// two part: a line tells in a few characters whether it concerns the key, however long it is.
Relation relation(std::u16string_view text, const KeyPath &path)
{
    const std::size_t rootEnd = std::min(text.find(separator), text.size());
    const std::u16string_view rootName = text.substr(0, rootEnd);
    const auto sameName = [](char16_t written, char16_t capital) {
        return folded(written) == capital;
    };
    const auto root = std::find_if(roots.begin(), roots.end(), [&](const Root &r) {
        return std::ranges::equal(rootName, r.name, sameName)
            || std::ranges::equal(rootName, r.shortName, sameName);
    });
    if (root == roots.end() || !path.starts_with(root->name))
        return Relation::Apart;

    std::size_t at = root->name.size(); // in path
    for (std::size_t i = rootEnd; i < text.size(); ++i) {
        if (text[i] == separator) {
            if (i + 1 < text.size() && text[i + 1] != separator) {
                // A part begins: the key path must go on with one too.
                if (at == path.size())
                    return Relation::Below;
                if (path[at] != separator)
                    return Relation::Apart;
                ++at;
            }
        } else if (at == path.size() || folded(text[i]) != path[at]) {
            return Relation::Apart;
        } else {
            ++at;
        }
    }
    if (at == path.size())
        return Relation::Same;
    return path[at] == separator ? Relation::Above : Relation::Apart;
}

// Whether a key line names a root alone, without a part below it.
bool namesRoot(std::u16string_view text)
{
    const std::size_t rootEnd = std::min(text.find(separator), text.size());
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(rootEnd), text.end(),
                       [](char16_t c) { return c == separator; });
}

// Whether a removal line takes the key: a root is never removed.
bool removes(std::u16string_view text, const KeyPath &path)
{
    const Relation taken = relation(text, path);
    return (taken == Relation::Same || taken == Relation::Above) && !namesRoot(text);
}

std::u16string_view viewOf(const QString &text)
{
    return { QStringView(text).utf16(), static_cast<std::size_t>(text.size()) };
}

// A key exists when the file names it or a key below it, and no later removal takes it; a root
// is there even when the file names nothing under it. A removal takes only keys that exist, and
// the key above the one removed stays: it was there because of it.
bool exists(std::u16string_view text, const KeyPath &path)
{
    if (isRoot(path))
        return true;
    bool exists = false;
    ExportLines lines(text);
    while (lines.next()) {
        if (lines.kind() == ExportLines::Kind::Key) {
            const Relation named = relation(lines.key(), path);
            if (named == Relation::Same || named == Relation::Below)
                exists = true;
        } else if (lines.kind() == ExportLines::Kind::RemovedKey) {
            if (removes(lines.key(), path))
                exists = false;
        }
    }
    return exists;
}

// The value the file leaves under the key: the last that the key's lines set, unless a later
// line removed it or the key.
std::optional<RegistryValue> value(std::u16string_view text, const KeyPath &path,
                                   const std::u16string &name)
{
    std::optional<RegistryValue> value;
    bool inKey = false; // the lines that follow are the key's
    ExportLines lines(text);
    while (lines.next()) {
        switch (lines.kind()) {
        case ExportLines::Kind::Key:
            inKey = relation(lines.key(), path) == Relation::Same;
            break;
        case ExportLines::Kind::RemovedKey:
            inKey = false;
            if (removes(lines.key(), path))
                value.reset();
            break;
        case ExportLines::Kind::BrokenKey:
            inKey = false;
            break;
        case ExportLines::Kind::Value:
            if (inKey && folded(lines.name()) == name) {
                if (std::optional<ExportLines::Data> data = lines.data()) {
                    if (data->remove)
                        value.reset();
                    else
                        value = std::move(data->value);
                }
            }
            break;
        }
    }
    return value;
}

} // namespace

RegistryStore::RegistryStore(QByteArrayView exportFile)
{
    if (static_cast<std::size_t>(exportFile.size()) <= maximumExportSize)
        m_text = exportText(exportFile);
}

RegistryResult RegistryStore::openKey(RegistryKey root, const std::u16string &path,
                                      RegistryKey &key)
{
    KeyPath full;
    if (const auto opened = m_openKeys.find(root); opened != m_openKeys.end()) {
        full = opened->second;
    } else {
        const auto predefined = std::find_if(roots.begin(), roots.end(),
                                             [root](const Root &r) { return r.handle == root; });
        if (predefined == roots.end())
            return RegistryError::invalidHandle;
        full = predefined->name;
    }
    appendParts(full, path);
    if (!exists(viewOf(m_text), full))
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
    const std::optional<RegistryValue> found = value(viewOf(m_text), opened->second, folded(name));
    if (!found)
        return RegistryError::fileNotFound;

    const std::vector<unsigned char> &data = found->data;
    type = found->type;
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
