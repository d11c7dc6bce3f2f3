#include "app/CRecordingPrompt.h"

#include "app/CMessageBoxPrompt.h"
#include "i18n/CoreTextTr.h"

#include <utility>

CRecordingPrompt::CRecordingPrompt(CMessageBoxPrompt& shownPrompt) : shown(shownPrompt) {}

void CRecordingPrompt::Said(const CoreText& message)
{
    if (silenced)
        return;
    if (beforeShowing)
        beforeShowing();
    const QString text = TranslateCoreText(message);
    // Messages that follow one another without a pause would otherwise keep
    // the user from ever reaching Cancel.
    if (recording)
        silenced = !shown.ShowBatchMessage(text);
    else
        shown.ShowWarning(text);
}

bool CRecordingPrompt::Ask(const std::string& path)
{
    if (beforeShowing)
        beforeShowing();
    return shown.AskClearReadOnly(path);
}

void CRecordingPrompt::StartFile()
{
    Clear();
    recording = true;
}

void CRecordingPrompt::StopRecording()
{
    recording = false;
    silenced = false;
    Clear();
}

void CRecordingPrompt::SetBeforeShowing(std::function<void()> action)
{
    beforeShowing = std::move(action);
}
