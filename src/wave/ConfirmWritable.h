#pragma once

#include "platform/CoreText.h"

#include <cstddef>
#include <string>
#include <string_view>

class CFile;
class CUserPrompt;

// Asks about an open file that carries the read-only mark and clears the
// mark on Yes, on the open file itself. True when the file may be written as
// far as the mark goes (no mark, or the mark just cleared); false on Cancel
// or when clearing failed (its cause is shown).
bool ConfirmWritable(CFile& file, const std::string& path, CUserPrompt& prompt);

// The write-protect question for path, with the path shortened to 26 characters.
CoreText WriteProtectQuestion(std::string_view path);

// The same question on one line for a terminal, path as given: the first
// two paragraphs (the last speaks of a Cancel button a terminal lacks).
std::string WriteProtectQuestionLine(const std::string& path);

// What a dry run says of a file it would write, and of one whose read-only
// mark it would clear as well.
std::string DryRunText(bool clearsReadOnly);

// "a.wav is write protected and was left untouched": a file skipped because
// its read-only mark was not cleared.
CoreText WriteProtectedText(const std::string& path);

// text unchanged when it is at most maxLength bytes long, otherwise its first
// and last (maxLength - 3) / 2 bytes joined by "...", each part cut back to
// whole UTF-8 characters.
std::string ShortenMiddle(std::string_view text, std::size_t maxLength);
