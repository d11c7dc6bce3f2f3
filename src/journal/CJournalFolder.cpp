#include "CJournalFolder.h"

#include "CJournalWriter.h"

#include "platform/Folders.h"
#include "platform/UserFolders.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::string_view BatchSuffix = ".jsonl";

// 20260131T235959.123456Z-4321.jsonl: only such names are ever removed.
bool IsBatchName(const std::string& name)
{
    return name.size() > 24 + BatchSuffix.size() && name.ends_with(BatchSuffix) && name[8] == 'T' && name[22] == 'Z'
        && name[23] == '-' && std::all_of(name.begin(), name.begin() + 8, [](char c) { return c >= '0' && c <= '9'; });
}

// The header's time without its separators, and the process id.
std::string BatchName(const std::string& time)
{
    std::string name;
    for (const char c : time)
        if (c != '-' && c != ':')
            name += c;
    return name + '-' + std::to_string(CurrentProcessId()) + std::string(BatchSuffix);
}

}  // namespace

std::string CJournalFolder::DefaultPath()
{
    const std::string state = UserStateFolder();
    return state.empty() ? state : JoinPath(state, "journal");
}

CJournalFolder::CJournalFolder(std::string path) : folder(std::move(path)) {}

bool CJournalFolder::CreateBatch(CJournalWriter& writer, const JournalHeader& header, CoreText& failure) const
{
    if (folder.empty()) {
        failure = CoreText(TextId::NoJournalFolder, {MissingStateFolderReason()});
        return false;
    }
    std::string reason;
    if (!CreateFolders(folder, reason)) {
        failure = CoreText(TextId::JournalFolderNotCreated, {folder, reason});
        return false;
    }
    // Two batches started in the same microsecond by one process differ in the next try.
    // The header names every file of the batch: it is copied only for a retry.
    std::optional<JournalHeader> retry;
    for (int attempt = 0;; ++attempt) {
        const JournalHeader& named = retry ? *retry : header;
        const std::string path = JoinPath(folder, BatchName(named.time));
        if (writer.Create(path, named, CJournalWriter::CreateMode::NewFile))
            break;
        if (attempt == 9 || !PathExists(path)) {
            failure = writer.Failure();
            return false;
        }
        if (!retry)
            retry = header;
        retry->time = JournalTimeNow();
    }
    RemoveOldBatches(writer.Path());
    return true;
}

std::vector<std::string> CJournalFolder::Batches() const
{
    std::vector<std::string> batches = RegularFilesIn(folder);
    std::erase_if(batches, [](const std::string& path) { return !IsBatchName(FileNameOf(path)); });
    std::sort(batches.begin(), batches.end());
    return batches;
}

std::optional<std::string> CJournalFolder::NewestBatch() const
{
    std::vector<std::string> batches = Batches();
    if (batches.empty())
        return std::nullopt;
    return std::move(batches.back());
}

void CJournalFolder::RemoveOldBatches(const std::string& current) const
{
    const std::vector<std::string> batches = Batches();
    // A clock set back can make the new batch sort before older ones: it stays.
    for (std::size_t i = 0; i + KeptBatches < batches.size(); ++i)
        if (batches[i] != current)
            RemoveFile(batches[i]);
}
