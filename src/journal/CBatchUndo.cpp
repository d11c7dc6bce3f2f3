#include "CBatchUndo.h"

#include "platform/CFile.h"
#include "platform/CUserPrompt.h"
#include "platform/OpenFailureCause.h"
#include "wave/CWaveFile.h"
#include "wave/ConfirmWritable.h"

#include <optional>
#include <vector>

namespace {

const char* const StatusNames[] = {"restored", "would restore", "conflict", "skipped", "failed"};

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
        return UndoOutcome{UndoStatus::Conflict, {CoreText(TextId::UndoMissing, {path})}};
    const UndoOutcome replaced{UndoStatus::Conflict, {CoreText(TextId::UndoReplaced, {path})}};
    // Something other than a regular file under the name.
    if (status == OpenStatus::Failed && file.LastCause() == OpenFailureCause::InvalidFile)
        return replaced;
    if (status == OpenStatus::Failed)
        return UndoOutcome{UndoStatus::Failed, {file.LinkRefusal().value_or(CauseText(file.LastFailure(), path))}};
    std::vector<unsigned char> now(patch.after.size());
    const FileIdentity identity = file.Identity();
    const bool sameFile = identity.device == patch.identity.device && identity.inode == patch.identity.inode;
    const bool sameSize = sameFile && file.Length() == patch.identity.size;
    const bool read = sameSize && patch.offset <= patch.identity.size &&
                      now.size() <= patch.identity.size - patch.offset &&
                      file.ReadAt(patch.offset, now.data(), now.size()) == now.size();
    readOnly = file.ReadOnlyMarked();

    if (!sameFile)
        return replaced;
    if (!sameSize)
        return UndoOutcome{UndoStatus::Conflict, {CoreText(TextId::UndoLengthDiffers, {path})}};
    if (!read)
        return UndoOutcome{UndoStatus::Failed, {CoreText(TextId::UndoUnreadable, {path})}};
    if (now == patch.after)
        return std::nullopt;
    if (now == patch.before)
        return UndoOutcome{UndoStatus::Skipped, {CoreText(TextId::UndoAlreadyBefore, {path})}};
    return UndoOutcome{UndoStatus::Conflict, {CoreText(TextId::UndoBytesChanged, {path, std::to_string(patch.offset)})}};
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

    void ShowMessage(const CoreText& text) override { messages.push_back(text); }
    bool AskClearReadOnly(const std::string& path) override { return questions.AskClearReadOnly(path); }

    std::vector<CoreText> messages;

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
            return {UndoStatus::Skipped, {WriteProtectedText(record.path)}, true};
        if (recorder.messages.empty())
            recorder.messages.emplace_back(TextId::UndoNotWritten, std::vector<CoreText>{record.path});
        return {UndoStatus::Failed, std::move(recorder.messages), readOnly};
    }
    if (dryRun)
        return {UndoStatus::WouldRestore, {CoreText(TextId::UndoDryRun)}, readOnly};
    // Said about a file that was restored: a warning (a failed close, times not put back).
    return {UndoStatus::Restored, std::move(recorder.messages), readOnly};
}
