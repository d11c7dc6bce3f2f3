#pragma once

#include "JournalFormat.h"

#include "platform/CAppendFile.h"
#include "wave/HeaderPatch.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

// Writes one batch's journal. Each record is in the system (see CAppendFile)
// before RecordPatch lets its file be written, so a crash mid-batch leaves a
// record for every file that may have changed; Finish makes it durable.
// RecordPatch may be called from several threads.
class CJournalWriter : public CPatchJournal {
public:
    enum class CreateMode {
        NewFile,  // a new batch in the journal folder: an existing file is never replaced
        Replace,  // a file the user named: created, or replaced once the new journal has started
    };

    CJournalWriter() = default;
    ~CJournalWriter() override;

    // Creates the file and writes the header line. False, with Failure(), when
    // either fails: the batch must not start then.
    bool Create(const std::string& path, const JournalHeader& header, CreateMode mode);

    // Appends the record for path (made absolute). False once writing failed:
    // from then on every later rewrite is refused, not left without its record.
    bool RecordPatch(const std::string& path, const HeaderPatch& patch) override;
    // Encodes the record ahead, so that the RecordPatch of the same path and
    // patch that follows on this thread only appends it: files that take
    // turns to record wait for no more than that.
    void PrepareRecord(const std::string& path, const HeaderPatch& patch);

    // Makes the journal durable and closes it. A new batch without a record is
    // removed instead. False, with Failure(), when the journal may be incomplete.
    bool Finish();

    const std::string& Path() const { return journalPath; }
    // Empty while nothing failed.
    CoreText Failure() const;

private:
    bool Append(const std::string& text);
    // Failure() from the file's.
    void Fail();

    mutable std::mutex mutex;
    CAppendFile file;
    std::string journalPath;
    std::string workingFolder;  // relative paths are recorded under it
    CreateMode createMode = CreateMode::NewFile;
    std::size_t records = 0;
    std::optional<CoreText> failure;
};
