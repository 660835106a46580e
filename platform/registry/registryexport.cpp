// The registry export format ("Windows Registry Editor Version 5.00"), read into a
// RegistryStore: the file's text in either of its encodings, its lines, and the values on them.

#include "registrystore.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

std::u16string_view trimmed(std::u16string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Whether text starts with prefix, a word of capital ASCII letters, in any case.
bool startsWithFolded(std::u16string_view text, std::u16string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char16_t p, char16_t c) {
        return p == (c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 0x20) : c);
    });
}

// ---- Text of the file ------------------------------------------------------------------------

void appendCodePoint(std::u16string &text, char32_t c)
{
    if (c < 0x10000) {
        text.push_back(static_cast<char16_t>(c));
    } else {
        c -= 0x10000;
        text.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
        text.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    }
}

// A byte that is not part of a well-formed sequence reads as the replacement character.
std::u16string fromUtf8(std::string_view bytes)
{
    constexpr char32_t replacement = 0xFFFD;
    std::u16string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        char32_t c = 0;
        char32_t smallest = 0;
        if (lead < 0x80) {
            length = 1;
            c = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            c = lead & 0x1Fu;
            smallest = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            c = lead & 0x0Fu;
            smallest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            c = lead & 0x07u;
            smallest = 0x10000;
        }
        bool wellFormed = length > 0 && i + static_cast<std::size_t>(length) <= bytes.size();
        for (int k = 1; wellFormed && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            wellFormed = (next & 0xC0u) == 0x80u;
            c = (c << 6) | (next & 0x3Fu);
        }
        wellFormed = wellFormed && c >= smallest && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        if (wellFormed) {
            appendCodePoint(text, c);
            i += static_cast<std::size_t>(length);
        } else {
            appendCodePoint(text, replacement);
            ++i;
        }
    }
    return text;
}

// A last byte without its partner, as in a file cut short, is left out.
std::u16string fromUtf16LE(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i])
                                             | (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    return text;
}

std::u16string decoded(std::string_view bytes)
{
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE")
        return fromUtf16LE(bytes.substr(2));
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return fromUtf8(bytes.substr(3));
    return fromUtf8(bytes);
}

// The file's lines, one at a time; lines end in CR LF, LF or CR.
class Lines
{
public:
    explicit Lines(std::u16string_view text)
        : m_text(text)
    {
    }

    bool atEnd() const { return m_next >= m_text.size(); }

    std::u16string_view peek() const { return m_text.substr(m_next, lineEnd() - m_next); }

    std::u16string_view take()
    {
        const std::size_t end = lineEnd();
        const std::u16string_view line = m_text.substr(m_next, end - m_next);
        m_next = end + 1;
        if (end + 1 < m_text.size() && m_text[end] == u'\r' && m_text[end + 1] == u'\n')
            ++m_next;
        return line;
    }

private:
    std::size_t lineEnd() const
    {
        return std::min(m_text.find_first_of(u"\r\n", m_next), m_text.size());
    }

    std::u16string_view m_text;
    std::size_t m_next = 0;
};

// ---- One value -------------------------------------------------------------------------------

// Reads a quoted text at the start of rest, in which only \\ and \" are escapes, and leaves rest
// after the closing quote. An unknown escape or a missing closing quote makes it unreadable.
std::optional<std::u16string> quoted(std::u16string_view &rest)
{
    if (rest.empty() || rest.front() != u'"')
        return std::nullopt;
    std::u16string text;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        const char16_t c = rest[i];
        if (c == u'"') {
            rest.remove_prefix(i + 1);
            return text;
        }
        if (c == u'\\') {
            if (i + 1 >= rest.size() || (rest[i + 1] != u'\\' && rest[i + 1] != u'"'))
                return std::nullopt;
            ++i;
        }
        text.push_back(rest[i]);
    }
    return std::nullopt;
}

std::optional<unsigned> hexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return static_cast<unsigned>(c - u'0');
    if (c >= u'a' && c <= u'f')
        return static_cast<unsigned>(c - u'a' + 10);
    if (c >= u'A' && c <= u'F')
        return static_cast<unsigned>(c - u'A' + 10);
    return std::nullopt;
}

// One to eight hexadecimal digits and nothing else.
std::optional<std::uint32_t> hexNumber(std::u16string_view digits)
{
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t number = 0;
    for (const char16_t c : digits) {
        const std::optional<unsigned> digit = hexDigit(c);
        if (!digit)
            return std::nullopt;
        number = (number << 4) | *digit;
    }
    return number;
}

// Bytes as the export writes them: two hexadecimal digits each, separated by commas.
std::optional<std::vector<unsigned char>> hexBytes(std::u16string_view list)
{
    std::vector<unsigned char> bytes;
    list = trimmed(list);
    if (list.empty())
        return bytes;
    while (true) {
        const std::size_t comma = std::min(list.find(u','), list.size());
        const std::u16string_view item = trimmed(list.substr(0, comma));
        if (item.size() != 2)
            return std::nullopt;
        const std::optional<std::uint32_t> byte = hexNumber(item);
        if (!byte)
            return std::nullopt;
        bytes.push_back(static_cast<unsigned char>(*byte));
        if (comma == list.size())
            return bytes;
        list.remove_prefix(comma + 1);
    }
}

bool isContinuation(std::u16string_view line)
{
    return std::all_of(line.begin(), line.end(), [](char16_t c) {
        return hexDigit(c) || c == u',' || c == u'\\' || isBlank(c);
    });
}

std::vector<unsigned char> stringData(std::u16string_view text)
{
    std::vector<unsigned char> data;
    data.reserve(2 * text.size() + 2);
    for (const char16_t c : text) {
        data.push_back(static_cast<unsigned char>(c & 0xFF));
        data.push_back(static_cast<unsigned char>(c >> 8));
    }
    data.push_back(0);
    data.push_back(0);
    return data;
}

// Reads the data after "name"=. A value given as "-" is removed. std::nullopt: unreadable.
struct Data
{
    bool remove = false;
    RegistryValue value;
};

std::optional<Data> typedData(std::u16string_view data)
{
    if (!data.empty() && data.front() == u'"') {
        const std::optional<std::u16string> text = quoted(data);
        if (!text || !trimmed(data).empty())
            return std::nullopt;
        return Data { false, { RegistryType::string, stringData(*text) } };
    }
    if (trimmed(data) == u"-")
        return Data { true, {} };
    if (startsWithFolded(data, u"DWORD:")) {
        const std::optional<std::uint32_t> number = hexNumber(trimmed(data.substr(6)));
        if (!number)
            return std::nullopt;
        std::vector<unsigned char> bytes;
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<unsigned char>((*number >> shift) & 0xFF));
        return Data { false, { RegistryType::dword, bytes } };
    }
    std::uint32_t type = RegistryType::binary;
    if (startsWithFolded(data, u"HEX:")) {
        data.remove_prefix(4);
    } else if (startsWithFolded(data, u"HEX(")) {
        const std::size_t close = data.find(u"):");
        if (close == std::u16string_view::npos)
            return std::nullopt;
        const std::optional<std::uint32_t> number = hexNumber(data.substr(4, close - 4));
        if (!number)
            return std::nullopt;
        type = *number;
        data.remove_prefix(close + 2);
    } else {
        return std::nullopt;
    }
    std::optional<std::vector<unsigned char>> bytes = hexBytes(data);
    if (!bytes)
        return std::nullopt;
    return Data { false, { type, std::move(*bytes) } };
}

bool isHexValue(std::u16string_view data)
{
    return startsWithFolded(data, u"HEX:") || startsWithFolded(data, u"HEX(");
}

// ---- The file --------------------------------------------------------------------------------

class ExportReader
{
public:
    ExportReader(RegistryStore &store, std::u16string_view text)
        : m_store(store)
        , m_lines(text)
    {
    }

    void read()
    {
        // Without its first line the file is not an export at all, and nothing in it is read.
        if (m_lines.atEnd() || trimmed(m_lines.take()) != u"Windows Registry Editor Version 5.00")
            return;
        while (!m_lines.atEnd()) {
            const std::u16string_view line = trimmed(m_lines.take());
            if (line.empty() || line.front() == u';')
                continue;
            if (line.front() == u'[')
                readKey(line);
            else
                readValue(line);
        }
    }

private:
    void readKey(std::u16string_view line)
    {
        // Until a key is read well, values belong to no key: they must not land in the last one.
        m_key = nullptr;
        const std::size_t close = line.rfind(u']');
        if (close == std::u16string_view::npos || !trimmed(line.substr(close + 1)).empty())
            return;
        const std::u16string_view path = line.substr(1, close - 1);
        if (!path.empty() && path.front() == u'-')
            m_store.removeKey(path.substr(1));
        else
            m_key = m_store.addKey(path);
    }

    void readValue(std::u16string_view line)
    {
        std::optional<std::u16string> name;
        std::u16string_view rest = line;
        if (rest.front() == u'@') {
            name = std::u16string();
            rest.remove_prefix(1);
        } else {
            name = quoted(rest);
        }
        rest = trimmed(rest);
        if (!name || rest.empty() || rest.front() != u'=')
            return;
        rest = trimmed(rest.substr(1));

        std::u16string joined;
        if (isHexValue(rest) && !rest.empty() && rest.back() == u'\\') {
            joined = continued(rest);
            rest = joined;
        }
        const std::optional<Data> data = typedData(rest);
        if (!data || m_key == nullptr)
            return;
        if (data->remove)
            m_key->remove(*name);
        else
            m_key->set(*name, data->value);
    }

    // A hex value goes on over the following lines while each ends in "\". A line that is not
    // hex digits and commas ends the value there, and is read as a line of its own.
    std::u16string continued(std::u16string_view first)
    {
        std::u16string joined(first.substr(0, first.size() - 1));
        while (!m_lines.atEnd()) {
            const std::u16string_view line = trimmed(m_lines.peek());
            if (line.empty() || !isContinuation(line))
                break;
            m_lines.take();
            if (line.back() != u'\\') {
                joined += line;
                return joined;
            }
            joined += line.substr(0, line.size() - 1);
        }
        // The value ended in "\" with nothing after it: it was cut short.
        joined += u",";
        return joined;
    }

    RegistryStore &m_store;
    Lines m_lines;
    // The key the values that follow belong to; a removal always comes on a line of its own,
    // after which no value belongs to any key until the next key line.
    RegistryStore::Values *m_key = nullptr;
};

} // namespace

RegistryStore RegistryStore::fromExport(std::string_view bytes)
{
    RegistryStore store;
    if (bytes.size() > maximumExportSize)
        return store;
    const std::u16string text = decoded(bytes);
    ExportReader(store, text).read();
    return store;
}
