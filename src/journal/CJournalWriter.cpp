#include "CJournalWriter.h"

#include "platform/Folders.h"

namespace {

// The record last encoded on this thread, kept from one file to the next (no
// allocation per file), and what PrepareRecord made it of.
struct CEncodedRecord {
    std::string absolute;
    std::string line;
    const CJournalWriter* preparedBy = nullptr;  // none: RecordPatch encodes its own
    std::string path;
    HeaderPatch patch;
};

thread_local CEncodedRecord encoded;

bool SamePatch(const HeaderPatch& a, const HeaderPatch& b)
{
    return a.identity == b.identity && a.offset == b.offset && a.before == b.before && a.after == b.after;
}

}  // namespace

CJournalWriter::~CJournalWriter() = default;

bool CJournalWriter::Create(const std::string& path, const JournalHeader& header, CreateMode mode)
{
    const std::lock_guard lock(mutex);
    journalPath = path;
    createMode = mode;
    workingFolder = CurrentFolder();
    // A file the user named is replaced only once its successor has its
    // header and its first space: a batch that cannot start leaves the old
    // one whole.
    if (!file.Create(
            path, mode == CreateMode::Replace ? CAppendFile::CreateMode::Replace : CAppendFile::CreateMode::NewFile)) {
        Fail();
        return false;
    }
    if (Append(EncodeHeader(header)) && file.Commit())
        return true;
    Fail();
    file.Discard();
    return false;
}

void CJournalWriter::PrepareRecord(const std::string& path, const HeaderPatch& patch)
{
    AbsolutePathInto(workingFolder, path, encoded.absolute);
    EncodeRecord(encoded.line, encoded.absolute, patch);
    encoded.preparedBy = this;
    encoded.path = path;
    encoded.patch = patch;
}

bool CJournalWriter::RecordPatch(const std::string& path, const HeaderPatch& patch)
{
    const bool prepared = encoded.preparedBy == this && encoded.path == path && SamePatch(encoded.patch, patch);
    encoded.preparedBy = nullptr;
    if (!prepared) {
        AbsolutePathInto(workingFolder, path, encoded.absolute);
        EncodeRecord(encoded.line, encoded.absolute, patch);
    }
    const std::lock_guard lock(mutex);
    if (!file.IsOpen() || failure || !Append(encoded.line))
        return false;
    ++records;
    return true;
}

bool CJournalWriter::Append(const std::string& text)
{
    if (file.Append(text.data(), text.size()))
        return true;
    Fail();
    return false;
}

bool CJournalWriter::Finish()
{
    const std::lock_guard lock(mutex);
    if (!file.IsOpen())
        return !failure;
    if (createMode == CreateMode::NewFile && records == 0 && !failure) {
        file.Discard();
        return true;
    }
    if (!file.Finish() && !failure)
        Fail();
    return !failure;
}

CoreText CJournalWriter::Failure() const
{
    const std::lock_guard lock(mutex);
    return failure.value_or(CoreText());
}

void CJournalWriter::Fail()
{
    failure = CoreText(TextId::JournalFileFailed, {journalPath, file.Failure().value_or(CoreText())});
}
