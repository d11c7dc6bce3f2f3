#include "app/CRecordingPrompt.h"

#include "app/CMessageBoxPrompt.h"
#include "i18n/CoreTextTr.h"

#include <utility>

CRecordingPrompt::CRecordingPrompt(CMessageBoxPrompt& shownPrompt)
    : shown(shownPrompt)
{
}

void CRecordingPrompt::ShowMessage(const CoreText& message)
{
    const QString text = TranslateCoreText(message);
    if (recording)
        messages.push_back(text);
    if (silenced)
        return;
    if (beforeShowing)
        beforeShowing();
    // Messages that follow one another without a pause would otherwise keep
    // the user from ever reaching Cancel.
    if (recording)
        silenced = !shown.ShowBatchMessage(text);
    else
        shown.ShowWarning(text);
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
    silenced = false;
    messages.clear();
}

void CRecordingPrompt::SetBeforeShowing(std::function<void()> action)
{
    beforeShowing = std::move(action);
}
