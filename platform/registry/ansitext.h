#pragma once

// How many bytes a text takes in the system's ANSI code page: the length the registry's "A"
// functions give a string value, in which the About box's buffer is counted. Free of Qt; each
// platform has its file (ansitext_win.cpp, ansitext_unix.cpp).

#include <cstddef>
#include <string_view>

std::size_t ansiSize(std::u16string_view text);
