#pragma once

#include <string>
#include <string_view>

// Windows takes and gives UTF-16; the rest of the program speaks UTF-8. The
// conversion happens here and nowhere else.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

// The path as Win32 file calls take it: absolute, backslashes, and with the
// \\?\ prefix that lifts the 260-character limit (which also stops Windows
// from trimming trailing dots and blanks off names).
std::wstring SystemPath(const std::string& path);

// The system's message for a Win32 error code, as UTF-8 without the line break.
std::string SystemErrorText(unsigned long error);
