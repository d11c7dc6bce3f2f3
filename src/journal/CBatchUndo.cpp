#include "CBatchUndo.h"

#include "platform/CUserPrompt.h"
#include "platform/OpenFailureCause.h"
#include "wave/CWaveFile.h"

#include <cerrno>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const StatusNames[] = {"restored", "would restore", "conflict", "skipped", "failed"};

// Why the file at the record's path may not be written back, looked at
// without opening it for writing. The restore itself decides again on the
// file it opens; this only names the reason.
struct DescriptorCloser {
    int fd;
    ~DescriptorCloser()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

std::optional<UndoOutcome> FindConflict(const JournalRecord& record, bool& readOnly)
{
    const std::string& path = record.path;
    const HeaderPatch& patch = record.patch;
    // Reading must not touch the access time that --keep-times is to put back;
    // only the owner may ask for that, and only the owner can put it back.
    constexpr int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    int fd = ::open(path.c_str(), flags | O_NOATIME);
    if (fd < 0 && errno == EPERM)
        fd = ::open(path.c_str(), flags);
    const DescriptorCloser closer{fd};
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return UndoOutcome{UndoStatus::Conflict, path + " is missing: it was moved or deleted since the batch"};
        return UndoOutcome{UndoStatus::Failed, CauseText(CauseFromErrno(errno), path)};
    }
    struct stat info {};
    std::vector<unsigned char> now(patch.after.size());
    const bool statted = ::fstat(fd, &info) == 0;
    const bool regular = statted && S_ISREG(info.st_mode);
    const bool sameFile = regular && static_cast<std::uint64_t>(info.st_dev) == patch.identity.device &&
                          static_cast<std::uint64_t>(info.st_ino) == patch.identity.inode;
    const bool sameSize = sameFile && static_cast<std::uint64_t>(info.st_size) == patch.identity.size;
    const bool read = sameSize && patch.offset <= patch.identity.size &&
                      now.size() <= patch.identity.size - patch.offset &&
                      ::pread(fd, now.data(), now.size(), static_cast<off_t>(patch.offset)) ==
                          static_cast<ssize_t>(now.size());
    readOnly = regular && (info.st_mode & S_IWUSR) == 0;

    if (!sameFile)
        return UndoOutcome{UndoStatus::Conflict,
                           path + " was replaced: another file has its name now, so it was left alone"};
    if (!sameSize)
        return UndoOutcome{UndoStatus::Conflict,
                           path + " was changed since: its length differs from the length after the batch"};
    if (!read)
        return UndoOutcome{UndoStatus::Failed, path + " could not be read"};
    if (now == patch.after)
        return std::nullopt;
    if (now == patch.before)
        return UndoOutcome{UndoStatus::Skipped, path + " already holds the bytes it had before the batch"};
    return UndoOutcome{UndoStatus::Conflict, path + " was changed since: the bytes at offset " +
                                                 std::to_string(patch.offset) +
                                                 " are no longer those the batch wrote, so they were kept"};
}

bool ReadOnlyMarked(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0;
}

// The engine's messages about one file, gathered for its outcome; the
// write-protect question still goes to the person.
class CRecordingPrompt : public CUserPrompt {
public:
    explicit CRecordingPrompt(CUserPrompt& asker)
        : questions(asker)
    {
    }

    void ShowMessage(const std::string& text) override { messages += (messages.empty() ? "" : "; ") + text; }
    bool AskClearReadOnly(const std::string& path) override { return questions.AskClearReadOnly(path); }

    std::string messages;

private:
    CUserPrompt& questions;
};

}  // namespace

const char* UndoStatusName(UndoStatus status)
{
    return StatusNames[static_cast<std::size_t>(status)];
}

CBatchUndo::CBatchUndo(CUserPrompt& userPrompt)
    : prompt(userPrompt)
{
}

UndoOutcome CBatchUndo::Restore(const JournalRecord& record)
{
    bool readOnly = false;
    if (auto conflict = FindConflict(record, readOnly)) {
        conflict->readOnly = readOnly;
        return *conflict;
    }
    CRecordingPrompt recorder(prompt);
    CWaveFile wave(recorder);
    wave.CAudioFile::SetFileName(record.path);
    wave.SetJournal(patchJournal);
    wave.SetKeepTimes(keepTimes);
    wave.SetDryRun(dryRun);
    if (!wave.RestorePatch(record.patch)) {
        // A write-protect question answered No leaves the mark in place.
        if (readOnly && ReadOnlyMarked(record.path))
            return {UndoStatus::Skipped, record.path + " is write protected and was left untouched", true};
        return {UndoStatus::Failed,
                recorder.messages.empty() ? record.path + " could not be written back" : recorder.messages, readOnly};
    }
    if (dryRun)
        return {UndoStatus::WouldRestore, "dry run: nothing written", readOnly};
    // Said about a file that was restored: a warning (a failed close, times not put back).
    return {UndoStatus::Restored, recorder.messages, readOnly};
}
