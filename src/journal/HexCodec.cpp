#include "HexCodec.h"

namespace {

constexpr char HexDigits[] = "0123456789abcdef";

int Nibble(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

char* WriteHex(char* out, const unsigned char* bytes, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        *out++ = HexDigits[bytes[i] >> 4];
        *out++ = HexDigits[bytes[i] & 0x0F];
    }
    return out;
}

void AppendHex(std::string& text, const unsigned char* bytes, std::size_t count)
{
    const std::size_t at = text.size();
    text.resize(at + 2 * count);
    WriteHex(text.data() + at, bytes, count);
}

std::optional<std::vector<unsigned char>> DecodeHex(std::string_view text)
{
    if (text.size() % 2 != 0)
        return std::nullopt;
    std::vector<unsigned char> bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = Nibble(text[i]);
        const int low = Nibble(text[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.push_back(static_cast<unsigned char>(high << 4 | low));
    }
    return bytes;
}
