#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

// JSON as text, the one way the journal and the command-line report write
// it: file names need not be UTF-8, and bytes that are not become U+FFFD
// rather than an exception.

// Whether text is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view text);

// A JSON value as one line of text.
std::string DumpJson(const nlohmann::ordered_json& value);

// Appends text as a JSON string. Built by hand for plain UTF-8 text, the
// usual case, byte for byte as DumpJson would write it.
void AppendJsonString(std::string& line, std::string_view text);
