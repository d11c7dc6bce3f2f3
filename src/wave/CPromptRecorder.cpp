#include "CPromptRecorder.h"

void CPromptRecorder::ShowMessage(const CoreText& text)
{
    messages.push_back(text);
    Said(text);
}

bool CPromptRecorder::AskClearReadOnly(const std::string& path)
{
    const bool yes = Ask(path);
    declinedReadOnly = !yes;
    return yes;
}

void CPromptRecorder::Clear()
{
    messages.clear();
    declinedReadOnly = false;
}

std::string CPromptRecorder::EnglishMessages() const
{
    return RenderEnglishJoined(messages);
}

// Kept for the report only, unless the front end shows it too.
void CPromptRecorder::Said(const CoreText& /*text*/) {}
