#include "CJournalFolder.h"

#include "CJournalWriter.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view BatchSuffix = ".jsonl";

// 20260131T235959.123456Z-4321.jsonl: only such names are ever removed.
bool IsBatchName(const std::string& name)
{
    return name.size() > 24 + BatchSuffix.size() && name.ends_with(BatchSuffix) && name[8] == 'T' &&
           name[22] == 'Z' && name[23] == '-' &&
           std::all_of(name.begin(), name.begin() + 8, [](char c) { return c >= '0' && c <= '9'; });
}

// The header's time without its separators, and the process id.
std::string BatchName(const std::string& time)
{
    std::string name;
    for (const char c : time)
        if (c != '-' && c != ':')
            name += c;
    return name + '-' + std::to_string(::getpid()) + std::string(BatchSuffix);
}

}  // namespace

std::string CJournalFolder::DefaultPath()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/')
        return (fs::path(state) / "quelbrook" / "journal").string();
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return (fs::path(home) / ".local" / "state" / "quelbrook" / "journal").string();
    return {};
}

CJournalFolder::CJournalFolder(std::string path)
    : folder(std::move(path))
{
}

bool CJournalFolder::CreateBatch(CJournalWriter& writer, const JournalHeader& header, std::string& failure) const
{
    if (folder.empty()) {
        failure = "There is no journal folder: neither XDG_STATE_HOME nor HOME is set";
        return false;
    }
    std::error_code error;
    if (fs::create_directories(folder, error))
        fs::permissions(folder, fs::perms::owner_all, error);
    if (error) {
        failure = "The journal folder " + folder + " could not be created: " + error.message();
        return false;
    }
    // Two batches started in the same microsecond by one process differ in the next try.
    // The header names every file of the batch: it is copied only for a retry.
    std::optional<JournalHeader> retry;
    for (int attempt = 0;; ++attempt) {
        const JournalHeader& named = retry ? *retry : header;
        const std::string path = (fs::path(folder) / BatchName(named.time)).string();
        if (writer.Create(path, named, CJournalWriter::CreateMode::NewFile))
            break;
        if (attempt == 9 || !fs::exists(path, error)) {
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
    std::vector<std::string> batches;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (IsBatchName(name) && it->is_regular_file(error))
            batches.push_back(it->path().string());
    }
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
    std::error_code ignored;
    // A clock set back can make the new batch sort before older ones: it stays.
    for (std::size_t i = 0; i + KeptBatches < batches.size(); ++i)
        if (batches[i] != current)
            fs::remove(batches[i], ignored);
}
