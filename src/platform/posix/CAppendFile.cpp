#include "CAppendFile.h"

#include "CReplacementFile.h"
#include "FileCalls.h"
#include "OpenFailureCause.h"
#include "SystemCalls.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file is mapped this much ahead at a time, its blocks allocated first,
// so that running out of space is an error code and never a fault. Each
// step ahead is as long as the file so far, between these bounds: few
// remappings for a long batch, little memory and spare space for any.
constexpr std::uint64_t MapStep = 1 << 16;
constexpr std::uint64_t MaxMapStep = 1 << 20;

}  // namespace

AppendFileCalls& CurrentAppendFileCalls()
{
    static AppendFileCalls calls{::write, ::ftruncate, ::posix_fallocate, ::mmap, ::fsync, ::close};
    return calls;
}

struct CAppendFile::Replacement {
    CReplacementFile file;
};

CAppendFile::CAppendFile() = default;

CAppendFile::~CAppendFile()
{
    Close();
}

void CAppendFile::Close()
{
    if (handle == NoHandle)
        return;
    Unmap();
    CurrentAppendFileCalls().close(static_cast<int>(handle));
    handle = NoHandle;
}

bool CAppendFile::Create(const std::string& named, CreateMode createMode)
{
    path = named;
    mode = createMode;
    // Read access too: a shared mapping for writing needs it.
    std::optional<CoreText> refusal;
    if (mode == CreateMode::Replace)
        replacement = std::make_unique<Replacement>();
    const int fd = replacement ? replacement->file.Create(path, refusal)
                               : ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_EXCL, 0600);
    if (fd < 0) {
        Fail(TextId::AppendNotCreated, errno);
        if (refusal)
            failure = CoreText(TextId::AppendNotCreated, {*refusal});
        return false;
    }
    handle = fd;
    struct stat info {};
    mapped = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    return true;
}

bool CAppendFile::Commit()
{
    if (!replacement || replacement->file.Commit())
        return true;
    Fail(TextId::AppendNotCreated, errno);
    return false;
}

void CAppendFile::Discard()
{
    Close();
    if (mode == CreateMode::NewFile)
        ::unlink(path.c_str());
    replacement.reset();
}

bool CAppendFile::Append(const char* data, std::size_t size)
{
    if (mapped && written + size > mapStart + mapLength && !MapFrom(written, size))
        return false;
    if (mapped) {
        // The mapping is the page cache: the bytes are in the kernel once copied.
        std::memcpy(map + (written - mapStart), data, size);
        written += size;
        return true;
    }
    if (!WriteWhole(static_cast<int>(handle), data, size, CurrentAppendFileCalls().write)) {
        Fail(TextId::AppendNotWritten, errno);
        return false;
    }
    written += size;
    return true;
}

bool CAppendFile::MapFrom(std::uint64_t offset, std::size_t atLeast)
{
    Unmap(false);
    const int fd = static_cast<int>(handle);
    const auto page = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
    const std::uint64_t start = offset / page * page;
    const std::uint64_t ahead = std::clamp(offset, MapStep, MaxMapStep);
    const std::uint64_t length = (offset - start + atLeast + ahead + page - 1) / page * page;
    AppendFileCalls& calls = CurrentAppendFileCalls();
    if (calls.ftruncate(fd, static_cast<off_t>(start + length)) != 0) {
        Fail(TextId::AppendNotWritten, errno);
        return false;
    }
    if (const int error = calls.fallocate(fd, static_cast<off_t>(start), static_cast<off_t>(length)); error != 0) {
        Fail(TextId::AppendNotWritten, error);
        return false;
    }
    void* address = calls.mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_SHARED, fd, static_cast<off_t>(start));
    if (address == MAP_FAILED) {
        // A file system that cannot map files is written in sequence instead.
        mapped = false;
        if (calls.ftruncate(fd, static_cast<off_t>(written)) != 0
            || ::lseek(fd, static_cast<off_t>(written), SEEK_SET) < 0) {
            Fail(TextId::AppendNotWritten, errno);
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

void CAppendFile::Unmap(bool cutToRecords)
{
    if (map != nullptr)
        ::munmap(map, mapLength);
    map = nullptr;
    mapStart = mapLength = 0;
    // The space allocated ahead goes; the zeros a crash leaves end the file.
    if (cutToRecords && mapped
        && CurrentAppendFileCalls().ftruncate(static_cast<int>(handle), static_cast<off_t>(written)) != 0 && !failure)
        Fail(TextId::AppendNotSaved, errno);
}

bool CAppendFile::Finish()
{
    if (handle == NoHandle)
        return !failure;
    Unmap();
    const int fd = static_cast<int>(handle);
    handle = NoHandle;
    // EINVAL: a device such as /dev/null, which keeps nothing to make durable.
    if (CurrentAppendFileCalls().fsync(fd) != 0 && errno != EINVAL && !failure)
        Fail(TextId::AppendNotSaved, errno);
    if (CurrentAppendFileCalls().close(fd) != 0 && !failure)
        Fail(TextId::AppendNotSaved, errno);
    // The file took the name of the one it replaced: that too must last.
    if (replacement && !replacement->file.SyncFolder() && !failure)
        Fail(TextId::AppendNotSaved, errno);
    return !failure;
}

void CAppendFile::Fail(TextId what, int error)
{
    failure = CoreText(what, {SystemErrorWords(error)});
}
