#include "registry/ansitext.h"

// Without Windows there is no ANSI code page. The design counts its buffer in characters, as a
// single-byte code page holds them, so each character is one byte, a character beyond the first
// 65,536 (two UTF-16 units) included: a path of 1023 characters is read in any script.
std::size_t ansiSize(std::u16string_view text)
{
    std::size_t size = text.size();
    for (std::size_t i = 1; i < text.size(); ++i) {
        const bool high = text[i - 1] >= 0xD800 && text[i - 1] <= 0xDBFF;
        const bool low = text[i] >= 0xDC00 && text[i] <= 0xDFFF;
        if (high && low)
            --size;
    }
    return size;
}
