#include "registry/ansitext.h"

#include <windows.h>

#include <limits>

// As RegQueryValueExA converts the value: a character outside the code page becomes a
// replacement character, and a double-byte or UTF-8 code page takes more than a byte for some.
std::size_t ansiSize(std::u16string_view text)
{
    if (text.empty() || text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return text.size();
    const int size = WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t *>(text.data()),
                                         static_cast<int>(text.size()), nullptr, 0, nullptr,
                                         nullptr);
    return size > 0 ? static_cast<std::size_t>(size) : text.size();
}
