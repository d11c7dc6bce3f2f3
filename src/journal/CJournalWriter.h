#pragma once

#include "JournalFormat.h"

#include "platform/CReplacementFile.h"
#include "wave/HeaderPatch.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

// Writes one batch's journal. Each record is in the kernel before RecordPatch
// lets its file be written, so a crash mid-batch leaves a record for every
// file that may have changed; one fsync at the end makes it durable. A
// regular file is written through a shared mapping, the page cache itself,
// which costs no system call per record; the space is allocated ahead and
// cut back to the records, so a journal left by a crash ends in zero bytes.
// Other files (a device named with --journal) get one write per record.
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

    // Makes the journal durable and closes it. A new batch without a record is
    // removed instead. False, with Failure(), when the journal may be incomplete.
    bool Finish();

    const std::string& Path() const { return journalPath; }
    std::string Failure() const;

private:
    bool Append(const std::string& text);
    // Maps the file from offset on with room for atLeast bytes; false with
    // Failure(), or with mapped cleared when the file cannot be mapped.
    bool MapFrom(std::uint64_t offset, std::size_t atLeast);
    // cutToRecords: the file's length becomes that of the records again.
    void Unmap(bool cutToRecords = true);
    void Fail(const std::string& what, int error);

    mutable std::mutex mutex;
    int fd = -1;
    std::string journalPath;
    std::string workingFolder;  // relative paths are recorded under it
    CreateMode createMode = CreateMode::NewFile;
    std::unique_ptr<CReplacementFile> replacement;  // for a file the user named
    bool mapped = false;
    unsigned char* map = nullptr;
    std::uint64_t mapStart = 0;
    std::uint64_t mapLength = 0;
    std::uint64_t written = 0;  // bytes of the journal so far
    std::size_t records = 0;
    std::string failure;
};
