#include "app/CRecordingPrompt.h"

#include <utility>

CRecordingPrompt::CRecordingPrompt(CUserPrompt& shownPrompt)
    : shown(shownPrompt)
{
}

void CRecordingPrompt::ShowMessage(const std::string& text)
{
    if (recording)
        messages.push_back(text);
    if (beforeShowing)
        beforeShowing();
    shown.ShowMessage(text);
}

bool CRecordingPrompt::AskClearReadOnly(const std::string& path)
{
    if (beforeShowing)
        beforeShowing();
    const bool yes = shown.AskClearReadOnly(path);
    if (recording && !yes)
        readOnlyDeclined = true;
    return yes;
}

void CRecordingPrompt::StartFile()
{
    messages.clear();
    readOnlyDeclined = false;
    recording = true;
}

void CRecordingPrompt::StopRecording()
{
    recording = false;
    messages.clear();
}

void CRecordingPrompt::SetBeforeShowing(std::function<void()> action)
{
    beforeShowing = std::move(action);
}
