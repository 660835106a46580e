#include "registry/exportvalue.h"

#include <QString>

#include <algorithm>

namespace {

bool isLineEnd(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

std::u16string_view beforeComment(std::u16string_view text)
{
    return text.substr(0, text.find(u';'));
}

// Whether nothing but blanks, and perhaps a comment, follow.
bool endsHere(std::u16string_view rest)
{
    return trimmed(beforeComment(rest)).empty();
}

char16_t escaped(char16_t c)
{
    switch (c) {
    case u'n':
        return u'\n';
    case u'r':
        return u'\r';
    default:
        return c;
    }
}

// Walks the quoted text at the start of rest, handing take each character it stands for, and
// leaves rest after the closing quote. A backslash at the end escapes nothing: the text then
// has no end.
template<typename Take>
bool walkQuoted(std::u16string_view &rest, Take take)
{
    if (rest.empty() || rest.front() != u'"')
        return false;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        char16_t c = rest[i];
        if (c == u'"') {
            rest.remove_prefix(i + 1);
            return true;
        }
        if (c == u'\\') {
            if (++i == rest.size())
                return false;
            c = escaped(rest[i]);
        }
        take(c);
    }
    return false;
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

void appendUnit(std::vector<unsigned char> &bytes, char16_t unit)
{
    bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
    bytes.push_back(static_cast<unsigned char>(unit >> 8));
}

// Bytes of one or two hexadecimal digits each, separated by commas; a comma may end the list.
// The export writes two digits; the editor reads one as well.
bool appendBytes(std::u16string_view list, std::vector<unsigned char> &bytes)
{
    list = trimmed(list);
    while (!list.empty()) {
        const std::size_t comma = std::min(list.find(u','), list.size());
        const std::u16string_view item = trimmed(list.substr(0, comma));
        const std::optional<std::uint32_t> byte
            = item.size() <= 2 ? hexNumber(item) : std::nullopt;
        if (!byte)
            return false;
        bytes.push_back(static_cast<unsigned char>(*byte));
        list = trimmed(list.substr(std::min(comma + 1, list.size())));
    }
    return true;
}

// One line of a hex value. The "\" that carries it on must stand where a byte would: after a
// comma, or alone.
bool appendLine(std::u16string_view line, std::vector<unsigned char> &bytes)
{
    std::u16string_view list = trimmed(beforeComment(line));
    if (!list.empty() && list.back() == u'\\') {
        list = trimmed(list.substr(0, list.size() - 1));
        if (!list.empty() && list.back() != u',')
            return false;
    }
    return appendBytes(list, bytes);
}

std::optional<std::vector<unsigned char>> hexBytes(std::u16string_view first,
                                                   std::u16string_view continuation)
{
    std::vector<unsigned char> bytes;
    // Two digits and a comma a byte, as the export writes them: the bytes are read into one
    // block, never into a joined copy of the lines.
    bytes.reserve((first.size() + continuation.size()) / 3 + 1);
    if (!appendLine(first, bytes))
        return std::nullopt;
    while (!continuation.empty()) {
        const std::size_t end = static_cast<std::size_t>(
            std::find_if(continuation.begin(), continuation.end(), isLineEnd)
            - continuation.begin());
        // A blank line or a comment has no bytes.
        if (!appendLine(continuation.substr(0, end), bytes))
            return std::nullopt;
        continuation.remove_prefix(std::min(end + 1, continuation.size()));
    }
    return bytes;
}

std::optional<ValueData> stringData(std::u16string_view data)
{
    std::u16string_view rest = data;
    if (!skipQuoted(rest) || !endsHere(rest))
        return std::nullopt;
    std::vector<unsigned char> bytes;
    // Two bytes a character written and the terminating zero; escapes only make it shorter.
    bytes.reserve(2 * (data.size() - rest.size()) + 2);
    walkQuoted(data, [&bytes](char16_t c) { appendUnit(bytes, c); });
    appendUnit(bytes, 0);
    return ValueData { false, { RegistryType::string, std::move(bytes) } };
}

std::optional<ValueData> dwordData(std::u16string_view digits)
{
    const std::optional<std::uint32_t> number = hexNumber(trimmed(beforeComment(digits)));
    if (!number)
        return std::nullopt;
    std::vector<unsigned char> bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<unsigned char>((*number >> shift) & 0xFF));
    return ValueData { false, { RegistryType::dword, std::move(bytes) } };
}

// The type of a hex value, written in lower case as the export writes it; data is left after
// its colon.
std::optional<std::uint32_t> hexType(std::u16string_view &data)
{
    if (data.starts_with(u"hex:")) {
        data.remove_prefix(4);
        return RegistryType::binary;
    }
    const std::size_t close = data.find(u"):");
    if (!data.starts_with(u"hex(") || close == std::u16string_view::npos)
        return std::nullopt;
    const std::optional<std::uint32_t> type = hexNumber(data.substr(4, close - 4));
    data.remove_prefix(close + 2);
    return type;
}

bool holdsText(std::uint32_t type)
{
    return type == RegistryType::string || type == RegistryType::expandString
        || type == RegistryType::multiString;
}

// 8-bit text as the registry holds it, in UTF-16LE. Off Windows the file's 8-bit text is UTF-8.
std::vector<unsigned char> widened(const std::vector<unsigned char> &text)
{
    const QString wide = QString::fromUtf8(
        QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    std::vector<unsigned char> bytes;
    bytes.reserve(2 * static_cast<std::size_t>(wide.size()));
    for (const QChar c : wide)
        appendUnit(bytes, c.unicode());
    return bytes;
}

} // namespace

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

bool skipQuoted(std::u16string_view &rest)
{
    return walkQuoted(rest, [](char16_t) {});
}

std::optional<std::u16string> unquoted(std::u16string_view quoted)
{
    std::u16string text;
    if (!walkQuoted(quoted, [&text](char16_t c) { text.push_back(c); }))
        return std::nullopt;
    return text;
}

bool goesOn(std::u16string_view line)
{
    const std::u16string_view list = trimmed(beforeComment(line));
    return !list.empty() && list.back() == u'\\';
}

std::optional<ValueData> valueData(std::u16string_view data, std::u16string_view continuation,
                                   StringBytes strings)
{
    if (data.starts_with(u'"'))
        return stringData(data);
    if (data.starts_with(u'-') && endsHere(data.substr(1)))
        return ValueData { true, {} };
    if (data.starts_with(u"dword:"))
        return dwordData(data.substr(6));
    const std::optional<std::uint32_t> type = hexType(data);
    if (!type)
        return std::nullopt;
    std::optional<std::vector<unsigned char>> bytes = hexBytes(data, continuation);
    if (!bytes)
        return std::nullopt;
    if (strings == StringBytes::EightBit && holdsText(*type))
        *bytes = widened(*bytes);
    return ValueData { false, { *type, std::move(*bytes) } };
}
