#include "registryexport.h"

#include <QStringDecoder>

#include <algorithm>
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

using Data = ExportLines::Data;

// Reads the data after "name"=. A value given as "-" is removed. std::nullopt: unreadable.
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

// ---- Lines ---------------------------------------------------------------------------------

bool isLineEnd(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

// Where the line that starts at from ends: at its CR, LF or CR LF, or at the end of the text.
std::size_t lineEnd(std::u16string_view text, std::size_t from)
{
    while (from < text.size() && !isLineEnd(text[from]))
        ++from;
    return from;
}

// Where the line after the one ending at end starts.
std::size_t nextLine(std::u16string_view text, std::size_t end)
{
    if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n')
        return end + 2;
    return std::min(end + 1, text.size());
}

// Passes over a quoted text at the start of rest, as quoted() reads it, without copying it.
bool skipQuoted(std::u16string_view &rest)
{
    if (rest.empty() || rest.front() != u'"')
        return false;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        if (rest[i] == u'"') {
            rest.remove_prefix(i + 1);
            return true;
        }
        if (rest[i] == u'\\') {
            if (i + 1 >= rest.size() || (rest[i + 1] != u'\\' && rest[i + 1] != u'"'))
                return false;
            ++i;
        }
    }
    return false;
}

} // namespace

QString exportText(QByteArrayView file)
{
    // Stateless: a character cut short at the end of the file reads as the replacement
    // character rather than as nothing.
    const bool utf16 = file.size() >= 2 && file[0] == '\xFF' && file[1] == '\xFE';
    QStringDecoder decoder(utf16 ? QStringDecoder::Utf16LE : QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless);
    return decoder.decode(file);
}

ExportLines::ExportLines(std::u16string_view text)
    : m_text(text)
{
    // Without its first line the file is not an export at all, and nothing in it is read.
    const std::size_t end = lineEnd(m_text, 0);
    if (trimmed(m_text.substr(0, end)) == u"Windows Registry Editor Version 5.00")
        m_next = nextLine(m_text, end);
    else
        m_next = m_text.size();
}

bool ExportLines::next()
{
    while (m_next < m_text.size()) {
        const std::size_t end = lineEnd(m_text, m_next);
        const std::u16string_view line = trimmed(m_text.substr(m_next, end - m_next));
        m_next = nextLine(m_text, end);
        if (line.empty() || line.front() == u';')
            continue;
        if (line.front() == u'[') {
            // The key's name ends at the line's last "]", and what follows it is passed over,
            // as regedit reads it.
            const std::size_t close = line.rfind(u']');
            if (close == std::u16string_view::npos) {
                m_kind = Kind::BrokenKey;
                return true;
            }
            m_key = line.substr(1, close - 1);
            m_kind = Kind::Key;
            if (!m_key.empty() && m_key.front() == u'-') {
                m_key.remove_prefix(1);
                m_kind = Kind::RemovedKey;
            }
            return true;
        }
        if (readValueLine(line)) {
            m_kind = Kind::Value;
            return true;
        }
    }
    return false;
}

bool ExportLines::readValueLine(std::u16string_view line)
{
    std::u16string_view rest = line;
    if (rest.front() == u'@') {
        m_name = {};
        rest.remove_prefix(1);
    } else {
        if (!skipQuoted(rest))
            return false;
        m_name = line.substr(0, line.size() - rest.size());
    }
    rest = trimmed(rest);
    if (rest.empty() || rest.front() != u'=')
        return false;
    m_data = trimmed(rest.substr(1));
    m_continuation = {};
    m_cutShort = false;
    if (!isHexValue(m_data) || m_data.back() != u'\\')
        return true;

    // A hex value goes on over the following lines while each ends in "\". A line that is not
    // hex digits and commas ends the value there, and is read as a line of its own: the value
    // then ended in "\" with nothing after it, and was cut short.
    m_data.remove_suffix(1);
    m_cutShort = true;
    const std::size_t first = m_next;
    std::size_t last = first;
    while (m_next < m_text.size()) {
        const std::size_t end = lineEnd(m_text, m_next);
        const std::u16string_view next = trimmed(m_text.substr(m_next, end - m_next));
        if (next.empty() || !isContinuation(next))
            break;
        last = end;
        m_next = nextLine(m_text, end);
        if (next.back() != u'\\') {
            m_cutShort = false;
            break;
        }
    }
    m_continuation = m_text.substr(first, last - first);
    return true;
}

std::u16string ExportLines::name() const
{
    std::u16string_view quotedName = m_name;
    return quoted(quotedName).value_or(std::u16string());
}

std::u16string ExportLines::joinedData() const
{
    std::u16string joined(m_data);
    std::size_t from = 0;
    while (from < m_continuation.size()) {
        const std::size_t end = lineEnd(m_continuation, from);
        std::u16string_view line = trimmed(m_continuation.substr(from, end - from));
        if (!line.empty() && line.back() == u'\\')
            line.remove_suffix(1);
        joined += line;
        from = nextLine(m_continuation, end);
    }
    if (m_cutShort)
        joined += u',';
    return joined;
}

std::optional<ExportLines::Data> ExportLines::data() const
{
    if (m_continuation.empty() && !m_cutShort)
        return typedData(m_data);
    return typedData(joinedData());
}
