#pragma once

#include <string>
#include <string_view>

// 8-bit text in code page 1252 (what region names are stored in) as UTF-8.
// Bytes that the code page leaves undefined become U+FFFD.
std::string Cp1252ToUtf8(std::string_view text);
