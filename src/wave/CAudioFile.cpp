#include "CAudioFile.h"

#include "CUserPrompt.h"

CAudioFile::CAudioFile(CUserPrompt& userPrompt) : prompt(userPrompt) {}

CAudioFile::~CAudioFile() = default;

void CAudioFile::SetFileName(const std::string& name)
{
    if (name != fileName) {
        fileName = name;
        file.Close();
    }
    hasFileName = true;
}

bool CAudioFile::Open(OpenMode mode)
{
    if (!hasFileName) {
        prompt.ShowMessage(CoreText(TextId::NoFileName));
        return false;
    }
    if (file.IsOpen()) {
        prompt.ShowMessage(CoreText(TextId::FileAlreadyOpen));
        return false;
    }
    const FileMode fileMode = mode == OpenMode::OpenReadWrite ? FileMode::ReadWrite : FileMode::Read;
    switch (within ? file.OpenIn(*within, fileMode) : file.Open(fileName, fileMode)) {
    case OpenStatus::Opened:
        return true;
    case OpenStatus::Missing:
        return false;
    case OpenStatus::Failed:
        break;
    }
    lastOpenError = file.LastFailure();
    // A link not followed is named, with its owner: a code would not say which.
    prompt.ShowMessage(file.LinkRefusal().value_or(OpenFailureMessage(fileName, lastOpenError)));
    return false;
}

void CAudioFile::OpenWithin(const FolderEntry* entry)
{
    within.reset();
    if (entry != nullptr)
        within = *entry;
}

OpenStatus CAudioFile::OpenAgain(CFile& other) const
{
    return within ? other.OpenIn(*within, FileMode::Read) : other.Open(fileName, FileMode::Read);
}

bool CAudioFile::Close()
{
    return file.Close();
}
