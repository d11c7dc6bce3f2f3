#include "CBatchUndo.h"

#include "CJournalReader.h"
#include "platform/CFile.h"
#include "platform/OpenFailureCause.h"
#include "wave/CPromptRecorder.h"
#include "wave/CWaveFile.h"
#include "wave/ConfirmWritable.h"
#include "wave/PatchStanding.h"

#include <iterator>
#include <optional>

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
    if (status == OpenStatus::Missing
        || (status == OpenStatus::Failed && file.LastCause() == OpenFailureCause::BadPath))
        return UndoOutcome{UndoStatus::Conflict, {CoreText(TextId::UndoMissing, {path})}};
    const UndoOutcome replaced{UndoStatus::Conflict, {CoreText(TextId::UndoReplaced, {path})}};
    // Something other than a regular file under the name.
    if (status == OpenStatus::Failed && file.LastCause() == OpenFailureCause::InvalidFile)
        return replaced;
    if (status == OpenStatus::Failed)
        return UndoOutcome{UndoStatus::Failed, {file.LinkRefusal().value_or(CauseText(file.LastFailure(), path))}};
    readOnly = file.ReadOnlyMarked();
    switch (StandingOf(file, patch)) {
    case PatchStanding::Applied:
        return std::nullopt;
    case PatchStanding::Undone:
        return UndoOutcome{UndoStatus::Skipped, {CoreText(TextId::UndoAlreadyBefore, {path})}};
    case PatchStanding::OtherFile:
        return replaced;
    case PatchStanding::OtherLength:
        return UndoOutcome{UndoStatus::Conflict, {CoreText(TextId::UndoLengthDiffers, {path})}};
    case PatchStanding::Unreadable:
        return UndoOutcome{UndoStatus::Failed, {CoreText(TextId::UndoUnreadable, {path})}};
    case PatchStanding::ChangedSince:
        break;
    }
    return UndoOutcome{UndoStatus::Conflict,
                       {CoreText(TextId::UndoBytesChanged, {path, std::to_string(patch.offset)})}};
}

bool ReadOnlyMarked(const std::string& path)
{
    CFile file;
    return file.Open(path, FileMode::Read) == OpenStatus::Opened && file.ReadOnlyMarked();
}

// The engine's messages about one file, gathered for its outcome; the
// write-protect question still goes to the person.
class CAskingRecorder : public CPromptRecorder {
public:
    explicit CAskingRecorder(CUserPrompt& asker) : questions(asker) {}

private:
    bool Ask(const std::string& path) override { return questions.AskClearReadOnly(path); }

    CUserPrompt& questions;
};

}  // namespace

const char* UndoStatusName(UndoStatus status)
{
    return StatusNames[static_cast<std::size_t>(status)];
}

CBatchUndo::CBatchUndo(CUserPrompt& userPrompt) : prompt(userPrompt) {}

void CBatchUndo::VisitNewestFirst(CJournalReader& batch,
                                  const std::function<bool(std::optional<JournalRecord> record)>& visit)
{
    for (std::size_t i = batch.RecordCount(); i-- > 0;) {
        if (!visit(batch.ReadRecord(i)))
            return;
    }
}

UndoOutcome CBatchUndo::Restore(const JournalRecord& record)
{
    bool readOnly = false;
    if (auto conflict = FindConflict(record, readOnly)) {
        conflict->readOnly = readOnly;
        return *conflict;
    }
    CAskingRecorder recorder(prompt);
    CWaveFile wave(recorder);
    wave.CAudioFile::SetFileName(record.path);
    wave.SetJournal(patchJournal);
    wave.SetKeepTimes(keepTimes);
    wave.SetDryRun(dryRun);
    if (!wave.RestorePatch(record.patch)) {
        // A write-protect question answered No leaves the mark in place.
        if (readOnly && ReadOnlyMarked(record.path))
            return {UndoStatus::Skipped, {WriteProtectedText(record.path)}, true};
        if (recorder.Messages().empty())
            return {UndoStatus::Failed, {CoreText(TextId::UndoNotWritten, {record.path})}, readOnly};
        return {UndoStatus::Failed, recorder.Messages(), readOnly};
    }
    if (dryRun)
        return {UndoStatus::WouldRestore, {DryRunText(false)}, readOnly};
    // Said about a file that was restored: a warning (a failed close, times not put back).
    return {UndoStatus::Restored, recorder.Messages(), readOnly};
}
