#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Bytes as hexadecimal text, two lower-case digits a byte: the journal and
// the command-line report write them so.

// Writes the digits from out on; returns the end.
char* WriteHex(char* out, const unsigned char* bytes, std::size_t count);
void AppendHex(std::string& text, const unsigned char* bytes, std::size_t count);

// Reads either case (journals written in upper case are read too); empty
// for an odd length or a character that is no digit.
std::optional<std::vector<unsigned char>> DecodeHex(std::string_view text);
