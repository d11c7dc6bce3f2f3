#pragma once

#include "platform/CUserPrompt.h"

#include <functional>
#include <string>
#include <vector>

// Passes the engine's messages and questions on unchanged and, while a file is
// being recorded, keeps what was said about it: the end report of a batch
// gives each file the reasons the user was shown.
class CRecordingPrompt : public CUserPrompt {
public:
    explicit CRecordingPrompt(CUserPrompt& shown);

    void ShowMessage(const std::string& text) override;
    bool AskClearReadOnly(const std::string& path) override;

    // Forgets the previous file's record and records from now on.
    void StartFile();
    void StopRecording();

    const std::vector<std::string>& Messages() const { return messages; }
    // The write-protect question was asked and answered with Cancel.
    bool ReadOnlyDeclined() const { return readOnlyDeclined; }

    // Runs before anything is put in front of the user, so that the window can
    // show the file it is about.
    void SetBeforeShowing(std::function<void()> action);

private:
    CUserPrompt& shown;
    std::function<void()> beforeShowing;
    std::vector<std::string> messages;
    bool readOnlyDeclined = false;
    bool recording = false;
};
