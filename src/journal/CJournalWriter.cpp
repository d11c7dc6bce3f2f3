#include "CJournalWriter.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

CJournalWriter::~CJournalWriter()
{
    if (fd >= 0)
        ::close(fd);
}

bool CJournalWriter::Create(const std::string& path, const JournalHeader& header, CreateMode mode)
{
    const std::lock_guard lock(mutex);
    journalPath = path;
    createMode = mode;
    std::error_code error;
    workingFolder = std::filesystem::current_path(error).string();
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (mode == CreateMode::NewFile ? O_EXCL : O_TRUNC);
    fd = ::open(path.c_str(), flags, 0600);
    if (fd < 0) {
        Fail("could not be created", errno);
        return false;
    }
    if (WriteAll(EncodeHeader(header)))
        return true;
    ::close(fd);
    fd = -1;
    if (mode == CreateMode::NewFile)
        ::unlink(path.c_str());
    return false;
}

bool CJournalWriter::RecordPatch(const std::string& path, const HeaderPatch& patch)
{
    const std::string line = EncodeRecord(
        path.empty() || path.front() == '/' || workingFolder.empty() ? path : workingFolder + '/' + path, patch);
    const std::lock_guard lock(mutex);
    if (fd < 0 || !failure.empty() || !WriteAll(line))
        return false;
    ++records;
    return true;
}

bool CJournalWriter::WriteAll(const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            Fail("could not be written", wrote < 0 ? errno : ENOSPC);
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

bool CJournalWriter::Finish()
{
    const std::lock_guard lock(mutex);
    if (fd < 0)
        return failure.empty();
    if (createMode == CreateMode::NewFile && records == 0 && failure.empty()) {
        ::close(fd);
        fd = -1;
        ::unlink(journalPath.c_str());
        return true;
    }
    if (::fsync(fd) != 0 && failure.empty())
        Fail("could not be saved", errno);
    if (::close(fd) != 0 && failure.empty())
        Fail("could not be saved", errno);
    fd = -1;
    return failure.empty();
}

std::size_t CJournalWriter::RecordCount() const
{
    const std::lock_guard lock(mutex);
    return records;
}

std::string CJournalWriter::Failure() const
{
    const std::lock_guard lock(mutex);
    return failure;
}

void CJournalWriter::Fail(const std::string& what, int error)
{
    failure = "The journal " + journalPath + " " + what + ": " + std::system_category().message(error);
}
