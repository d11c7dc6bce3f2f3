#pragma once

#include "wave/CPromptRecorder.h"

class CMessageBoxPrompt;

#include <functional>
#include <string>

// Passes the engine's messages and questions on in dialogs and, while the
// files of a batch are recorded, keeps what was said about each: the end
// report gives every file the reasons the user was shown. The user may
// silence the messages (not the questions) for the rest of the batch; they
// are still kept.
class CRecordingPrompt : public CPromptRecorder {
public:
    explicit CRecordingPrompt(CMessageBoxPrompt& shown);

    // Forgets the previous file's record and records from now on.
    void StartFile();
    // Ends the batch: nothing is recorded and every message is shown again.
    void StopRecording();

    // Runs before anything is put in front of the user, so that the window can
    // show the file it is about.
    void SetBeforeShowing(std::function<void()> action);

private:
    bool Ask(const std::string& path) override;
    void Said(const CoreText& text) override;

    CMessageBoxPrompt& shown;
    std::function<void()> beforeShowing;
    bool recording = false;
    bool silenced = false;
};
