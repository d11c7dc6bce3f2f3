#pragma once

#include "platform/CoreText.h"

#include <string>

// How the engine talks to the person using it: the desktop program answers
// with dialogs, the command-line tool on the terminal, tests with fakes.
class CUserPrompt {
public:
    CUserPrompt() = default;
    CUserPrompt(const CUserPrompt&) = delete;
    CUserPrompt& operator=(const CUserPrompt&) = delete;
    virtual ~CUserPrompt() = default;

    // A message with an OK button; returns once it has been acknowledged.
    virtual void ShowMessage(const CoreText& text) = 0;

    // The write-protect question for the read-only file at path:
    // true for Yes (clear the mark), false for Cancel.
    virtual bool AskClearReadOnly(const std::string& path) = 0;
};
