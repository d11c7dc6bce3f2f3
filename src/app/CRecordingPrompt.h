#pragma once

#include "wave/CUserPrompt.h"

class CMessageBoxPrompt;

#include <QStringList>

#include <functional>
#include <string>
#include <vector>

// Passes the engine's messages and questions on and, while the files of a
// batch are recorded, keeps what was said about each: the end report gives
// every file the reasons the user was shown. The user may silence the
// messages (not the questions) for the rest of the batch; they are still kept.
class CRecordingPrompt : public CUserPrompt {
public:
    explicit CRecordingPrompt(CMessageBoxPrompt& shown);

    void ShowMessage(const CoreText& text) override;
    bool AskClearReadOnly(const std::string& path) override;

    // Forgets the previous file's record and records from now on.
    void StartFile();
    // Ends the batch: nothing is recorded and every message is shown again.
    void StopRecording();

    // What was said, translated.
    const QStringList& Messages() const { return messages; }
    // The write-protect question was asked and answered with Cancel.
    bool ReadOnlyDeclined() const { return readOnlyDeclined; }

    // Runs before anything is put in front of the user, so that the window can
    // show the file it is about.
    void SetBeforeShowing(std::function<void()> action);

private:
    CMessageBoxPrompt& shown;
    std::function<void()> beforeShowing;
    QStringList messages;
    bool readOnlyDeclined = false;
    bool recording = false;
    bool silenced = false;
};
