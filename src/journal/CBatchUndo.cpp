#include "CBatchUndo.h"

#include "platform/CFile.h"
#include "platform/OpenFailureCause.h"
#include "wave/CUserPrompt.h"
#include "wave/CWaveFile.h"
#include "wave/ConfirmWritable.h"

#include <iterator>
#include <optional>
#include <vector>

namespace {

// Indexed by UndoStatus.
constexpr const char* StatusNames[] = {"restored", "would restore", "conflict", "skipped", "failed"};
static_assert(std::size(StatusNames) == static_cast<std::size_t>(UndoStatus::Failed) + 1);

// Why the file at the record's path may not be written back, looked at
// without opening it for writing. The restore itself decides again on the
// file it opens; this only names the reason.
std::optional<UndoOutcome> FindConflict(const JournalRecord& record, bool& readOnly)
{
    const std::string& path = record.path;
    const HeaderPatch& patch = record.patch;
    // Opened as any named path (component by component when it is long);
    // reading leaves the access time that --keep-times is to put back alone.
    CFile file;
    const OpenStatus status = file.Open(path, FileMode::Read);
    // A folder on the way that is gone or no folder now (BadPath) is a missing file too.
    if (status == OpenStatus::Missing || (status == OpenStatus::Failed && file.LastCause() == OpenFailureCause::BadPath))
        return UndoOutcome{UndoStatus::Conflict, path + " is missing: it was moved or deleted since the batch"};
    const UndoOutcome replaced{UndoStatus::Conflict,
                               path + " was replaced: another file has its name now, so it was left alone"};
    // Something other than a regular file under the name.
    if (status == OpenStatus::Failed && file.LastCause() == OpenFailureCause::InvalidFile)
        return replaced;
    if (status == OpenStatus::Failed)
        return UndoOutcome{UndoStatus::Failed,
                           file.LinkRefusal().empty() ? RenderEnglish(CauseText(file.LastFailure(), path)) : file.LinkRefusal()};
    std::vector<unsigned char> now(patch.after.size());
    const FileIdentity identity = file.Identity();
    const bool sameFile = SameFile(identity, patch.identity);
    const bool sameSize = sameFile && file.Length() == patch.identity.size;
    const bool read = sameSize && patch.offset <= patch.identity.size &&
                      now.size() <= patch.identity.size - patch.offset &&
                      file.ReadAt(patch.offset, now.data(), now.size()) == now.size();
    readOnly = file.ReadOnlyMarked();

    if (!sameFile)
        return replaced;
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
    CFile file;
    return file.Open(path, FileMode::Read) == OpenStatus::Opened && file.ReadOnlyMarked();
}

// The engine's messages about one file, gathered for its outcome; the
// write-protect question still goes to the person.
class CRecordingPrompt : public CUserPrompt {
public:
    explicit CRecordingPrompt(CUserPrompt& asker)
        : questions(asker)
    {
    }

    void ShowMessage(const CoreText& text) override { messages += (messages.empty() ? "" : "; ") + RenderEnglish(text); }
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
            return {UndoStatus::Skipped, RenderEnglish(WriteProtectedText(record.path)), true};
        return {UndoStatus::Failed,
                recorder.messages.empty() ? record.path + " could not be written back" : recorder.messages, readOnly};
    }
    if (dryRun)
        return {UndoStatus::WouldRestore, DryRunText(false), readOnly};
    // Said about a file that was restored: a warning (a failed close, times not put back).
    return {UndoStatus::Restored, recorder.messages, readOnly};
}
