#include "CJournalWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The journal file is mapped this much ahead at a time, its blocks allocated
// first, so that running out of space is an error code and never a fault.
// Each step ahead is as long as the journal so far, between these bounds:
// few remappings for a long batch, little memory and spare space for any.
constexpr std::uint64_t MapStep = 1 << 16;
constexpr std::uint64_t MaxMapStep = 1 << 20;

}  // namespace

CJournalWriter::~CJournalWriter()
{
    if (fd < 0)
        return;
    Unmap();
    ::close(fd);
}

bool CJournalWriter::Create(const std::string& path, const JournalHeader& header, CreateMode mode)
{
    const std::lock_guard lock(mutex);
    journalPath = path;
    createMode = mode;
    std::error_code error;
    workingFolder = std::filesystem::current_path(error).string();
    // Read access too: a shared mapping for writing needs it. A file the
    // user named is replaced only once its successor has its header and
    // its first space: a batch that cannot start leaves the old one whole.
    std::string refusal;
    if (mode == CreateMode::Replace)
        replacement = std::make_unique<CReplacementFile>();
    fd = replacement ? replacement->Create(path, refusal)
                     : ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_EXCL, 0600);
    if (fd < 0) {
        Fail("could not be created", errno);
        if (!refusal.empty())
            failure = "The journal " + journalPath + " could not be created: " + refusal;
        return false;
    }
    struct stat info {};
    mapped = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (Append(EncodeHeader(header))) {
        if (!replacement || replacement->Commit())
            return true;
        Fail("could not be created", errno);
    }
    Unmap();
    ::close(fd);
    fd = -1;
    if (mode == CreateMode::NewFile)
        ::unlink(path.c_str());
    replacement.reset();
    return false;
}

bool CJournalWriter::RecordPatch(const std::string& path, const HeaderPatch& patch)
{
    // Kept from one record to the next on each thread: no allocation per file.
    thread_local std::string absolute;
    thread_local std::string line;
    const bool relative = !path.empty() && path.front() != '/' && !workingFolder.empty();
    if (relative) {
        absolute.assign(workingFolder).append(1, '/').append(path);
    }
    EncodeRecord(line, relative ? absolute : path, patch);
    const std::lock_guard lock(mutex);
    if (fd < 0 || !failure.empty() || !Append(line))
        return false;
    ++records;
    return true;
}

bool CJournalWriter::Append(const std::string& text)
{
    if (mapped && written + text.size() > mapStart + mapLength && !MapFrom(written, text.size()))
        return false;
    if (mapped) {
        // The mapping is the page cache: the record is in the kernel once copied.
        std::memcpy(map + (written - mapStart), text.data(), text.size());
        written += text.size();
        return true;
    }
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
    written += text.size();
    return true;
}

bool CJournalWriter::MapFrom(std::uint64_t offset, std::size_t atLeast)
{
    Unmap(false);
    const auto page = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
    const std::uint64_t start = offset / page * page;
    const std::uint64_t ahead = std::clamp(offset, MapStep, MaxMapStep);
    const std::uint64_t length = (offset - start + atLeast + ahead + page - 1) / page * page;
    if (::ftruncate(fd, static_cast<off_t>(start + length)) != 0) {
        Fail("could not be written", errno);
        return false;
    }
    if (const int error = ::posix_fallocate(fd, static_cast<off_t>(start), static_cast<off_t>(length)); error != 0) {
        Fail("could not be written", error);
        return false;
    }
    void* address = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_SHARED, fd, static_cast<off_t>(start));
    if (address == MAP_FAILED) {
        // A file system that cannot map files is written in sequence instead.
        mapped = false;
        if (::ftruncate(fd, static_cast<off_t>(written)) != 0 || ::lseek(fd, static_cast<off_t>(written), SEEK_SET) < 0) {
            Fail("could not be written", errno);
            return false;
        }
    }
    if (mapped) {
        map = static_cast<unsigned char*>(address);
        mapStart = start;
        mapLength = length;
    }
    return true;
}

void CJournalWriter::Unmap(bool cutToRecords)
{
    if (map != nullptr)
        ::munmap(map, mapLength);
    map = nullptr;
    mapStart = mapLength = 0;
    // The space allocated ahead goes; the zeros a crash leaves end the journal.
    if (cutToRecords && mapped && ::ftruncate(fd, static_cast<off_t>(written)) != 0 && failure.empty())
        Fail("could not be saved", errno);
}

bool CJournalWriter::Finish()
{
    const std::lock_guard lock(mutex);
    if (fd < 0)
        return failure.empty();
    Unmap();
    if (createMode == CreateMode::NewFile && records == 0 && failure.empty()) {
        ::close(fd);
        fd = -1;
        ::unlink(journalPath.c_str());
        return true;
    }
    // EINVAL: a device such as /dev/null, which keeps nothing to make durable.
    if (::fsync(fd) != 0 && errno != EINVAL && failure.empty())
        Fail("could not be saved", errno);
    if (::close(fd) != 0 && failure.empty())
        Fail("could not be saved", errno);
    fd = -1;
    // The journal took the name of the one it replaced: that too must last.
    if (replacement && !replacement->SyncFolder() && failure.empty())
        Fail("could not be saved", errno);
    return failure.empty();
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
