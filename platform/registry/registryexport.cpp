#include "registry/registryexport.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

bool isHexDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

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
    // Without one of its headers the file is not an export at all, and nothing in it is read.
    const std::size_t end = lineEnd(m_text, 0);
    const std::u16string_view header = trimmed(m_text.substr(0, end));
    m_next = nextLine(m_text, end);
    if (header == u"REGEDIT4")
        m_strings = StringBytes::EightBit;
    else if (header != u"Windows Registry Editor Version 5.00")
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
    if ((m_data.starts_with(u"hex:") || m_data.starts_with(u"hex(")) && goesOn(m_data))
        readContinuation();
    return true;
}

// A hex value goes on over the following lines while each ends in "\", and the end of the file
// ends it. Blank lines and comments among them are passed over, as the editor passes them over.
// A line that does not start with a hexadecimal digit cuts the value short: the value is not
// read, and the line is read as a line of its own (the editor passes over that line too, which
// would lose the key line that ends a value cut short).
void ExportLines::readContinuation()
{
    const std::size_t first = m_next;
    std::size_t last = first;
    while (m_next < m_text.size()) {
        const std::size_t end = lineEnd(m_text, m_next);
        const std::u16string_view line = trimmed(m_text.substr(m_next, end - m_next));
        if (!line.empty() && line.front() != u';' && !isHexDigit(line.front())) {
            m_cutShort = true;
            break;
        }
        m_next = nextLine(m_text, end);
        if (line.empty() || line.front() == u';')
            continue;
        last = end;
        if (!goesOn(line))
            break;
    }
    m_continuation = m_text.substr(first, last - first);
}

std::u16string ExportLines::name() const
{
    return unquoted(m_name).value_or(std::u16string());
}

std::optional<ExportLines::Data> ExportLines::data() const
{
    if (m_cutShort)
        return std::nullopt;
    return valueData(m_data, m_continuation, m_strings);
}
