#include "Cp1252.h"

#include "WideText.h"

#include <windows.h>

namespace {

// Windows maps the five bytes that code page 1252 leaves undefined to the
// control characters of the same number; they are not text.
bool IsUndefined(unsigned char byte)
{
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text)
{
    std::wstring wide;
    wide.reserve(text.size());
    for (const char byte : text) {
        wchar_t character = 0xFFFD;
        if (!IsUndefined(static_cast<unsigned char>(byte)))
            MultiByteToWideChar(1252, 0, &byte, 1, &character, 1);
        wide += character;
    }
    return Utf8FromWide(wide);
}
