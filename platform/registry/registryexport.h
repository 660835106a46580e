#pragma once

// The registry export format: the file's text in either of its encodings, and what each of its
// lines means to the registry, in the file's order. Both headers the registry editor imports are
// read: "Windows Registry Editor Version 5.00" and the older "REGEDIT4".

#include "registry/exportvalue.h"

#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The file's text: UTF-8, or UTF-16LE after its byte order mark, as regedit exports it. A byte
// that is not part of a well-formed character, an overlong form or a character cut short at the
// end included, reads as the replacement character, which no name or keyword holds.
QString exportText(QByteArrayView file);

// The lines of an export file's text that mean something to the registry, one at a time. A line
// that cannot be read is passed over: a value line whose name is not a quoted text followed by
// "=", a comment, a blank line. Without one of the headers as its first line, the file has no
// such line.
class ExportLines
{
public:
    enum class Kind {
        Key,        // [path]: the values that follow are this key's
        RemovedKey, // [-path]: the key and every key below it go, and no key takes values
        BrokenKey,  // "[" without "]": no key takes values until the next key line
        Value,      // "name"=data or @=data, for the last key line's key
    };

    explicit ExportLines(std::u16string_view text);

    // Moves to the next such line; false at the end of the text. A hex value continued over
    // several lines is one line.
    bool next();

    Kind kind() const { return m_kind; }
    // Key, RemovedKey: the key's path as written, from its root's name on.
    std::u16string_view key() const { return m_key; }
    // Value: the value's name, without its quotes and escapes; empty for the default value.
    std::u16string name() const;

    using Data = ValueData;
    // Value: what it sets or removes; nothing when the data cannot be read.
    std::optional<Data> data() const;

private:
    // Reads a value line, and the lines a hex value goes on over; false when it is none.
    bool readValueLine(std::u16string_view line);
    void readContinuation();

    std::u16string_view m_text;
    std::size_t m_next = 0;
    StringBytes m_strings = StringBytes::Utf16; // as the header has them
    Kind m_kind = Kind::BrokenKey;
    std::u16string_view m_key;
    std::u16string_view m_name; // quoted, or empty for @
    std::u16string_view m_data;         // after "="
    std::u16string_view m_continuation; // the lines a hex value goes on over
    bool m_cutShort = false;            // a line that is no hex came where the value went on
};
