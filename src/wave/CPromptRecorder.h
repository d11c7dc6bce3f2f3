#pragma once

#include "wave/CUserPrompt.h"

#include <string>
#include <vector>

// The engine's voice about one file, kept for that file's report: what it
// said, and whether the write-protect question was declined. Each front end
// puts the question to the person in Ask() and may show each message as it
// comes in Said().
class CPromptRecorder : public CUserPrompt {
public:
    void ShowMessage(const CoreText& text) final;
    bool AskClearReadOnly(const std::string& path) final;

    // Forgets what was said and asked: the next file starts afresh.
    void Clear();

    const std::vector<CoreText>& Messages() const { return messages; }
    // The messages in English as one text, "; " between them.
    std::string EnglishMessages() const;
    // The write-protect question was answered no (or could not be asked).
    bool DeclinedReadOnly() const { return declinedReadOnly; }

protected:
    virtual bool Ask(const std::string& path) = 0;
    virtual void Said(const CoreText& text);

private:
    std::vector<CoreText> messages;
    bool declinedReadOnly = false;
};
