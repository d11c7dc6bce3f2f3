#include "CJournalWriter.h"

#include "platform/Folders.h"

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
    if (!file.Create(path, mode == CreateMode::Replace ? CAppendFile::CreateMode::Replace
                                                      : CAppendFile::CreateMode::NewFile)) {
        Fail();
        return false;
    }
    if (Append(EncodeHeader(header)) && file.Commit())
        return true;
    Fail();
    file.Discard();
    return false;
}

bool CJournalWriter::RecordPatch(const std::string& path, const HeaderPatch& patch)
{
    // Kept from one record to the next on each thread: no allocation per file.
    thread_local std::string absolute;
    thread_local std::string line;
    AbsolutePathInto(workingFolder, path, absolute);
    EncodeRecord(line, absolute, patch);
    const std::lock_guard lock(mutex);
    if (!file.IsOpen() || failure || !Append(line))
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
