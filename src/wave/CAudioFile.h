#pragma once

#include "WaveFormat.h"

#include "platform/CFile.h"
#include "platform/OpenFailureCause.h"

#include <optional>
#include <string>

class CUserPrompt;

enum class OpenMode { OpenRead, OpenReadWrite };

// One audio file at a time: its name, its format fields and the one handle
// through which it is read and written. Messages go to the injected prompt.
class CAudioFile {
public:
    explicit CAudioFile(CUserPrompt& prompt);
    CAudioFile(const CAudioFile&) = delete;
    CAudioFile& operator=(const CAudioFile&) = delete;
    virtual ~CAudioFile();

    // Stores a new name (closing the open file when it differs from the old one).
    virtual void SetFileName(const std::string& name);
    // Later opens go to this entry of an open folder instead of the name,
    // which stays what messages show; nullptr: by name again. The folder
    // must stay open while the object opens the file.
    void OpenWithin(const FolderEntry* entry);

    // Opens the named file. "No file name.", "File already open." and the
    // open-failure message are shown through the prompt; a name under which
    // no file exists fails silently.
    bool Open(OpenMode mode);
    bool Close();
    // Opens the same file into another file object, as Open would, without messages.
    OpenStatus OpenAgain(CFile& other) const;

    const std::string& FileName() const { return fileName; }
    bool HasFileName() const { return hasFileName; }
    bool IsOpen() const { return file.IsOpen(); }
    OpenFailureCause LastOpenError() const { return lastOpenError.cause; }
    const FileFailure& LastOpenFailure() const { return lastOpenError; }
    const WaveFormat& Format() const { return format; }

protected:
    CUserPrompt& prompt;
    CFile file;
    std::string fileName;
    WaveFormat format;
    FileFailure lastOpenError;
    bool hasFileName = false;
    std::optional<FolderEntry> within;
};
