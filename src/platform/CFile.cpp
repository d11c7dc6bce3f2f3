#include "CFile.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// File offsets are signed 64-bit numbers on every system.
constexpr auto MaxOffset = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());

}  // namespace

CFile::~CFile()
{
    Close();
}

OpenStatus CFile::Open(const std::string& path, FileMode mode)
{
    return OpenAt(nullptr, path, mode, true);
}

OpenStatus CFile::OpenIn(const FolderEntry& entry, FileMode mode)
{
    return OpenAt(entry.folder.get(), entry.name, mode, false);
}

void CFile::Forget()
{
    handle = NoHandle;
    writable = false;
    readOnlyMarked = false;
    length = 0;
    headSize = 0;
}

void CFile::LockForUpdate()
{
    if (handle != NoHandle)
        updateLock.Acquire(handle, device, inode);
}

void CFile::CacheHead(std::size_t bytes)
{
    if (handle == NoHandle)
        return;
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(std::min(bytes, HeadBytes), length));
    headSize = 0;  // so that the read below goes to the file
    headSize = ReadAt(0, head.data(), wanted);
}

std::size_t CFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count)
{
    if (handle == NoHandle || count == 0)
        return 0;
    if (offset < headSize && count <= headSize - offset) {
        std::memcpy(buffer, head.data() + offset, count);
        return count;
    }
    auto* out = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < count && offset <= MaxOffset - done) {
        const std::size_t got = ReadSome(offset + done, out + done, count - done);
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

bool CFile::WriteAll(std::uint64_t offset, const unsigned char* bytes, std::size_t count, std::size_t& done)
{
    done = 0;
    while (done < count) {
        const std::size_t put = WriteSome(offset + done, bytes + done, count - done);
        if (put == 0)
            return false;
        done += put;
    }
    return true;
}

bool CFile::ReplaceAt(std::uint64_t offset, const void* bytes, const void* previous, std::size_t count)
{
    if (handle == NoHandle || !CanWrite() || offset > MaxOffset || count > MaxOffset - offset) {
        lastFailure = {OpenFailureCause::AccessDenied, SystemReason::None};
        return false;
    }
    const auto* in = static_cast<const unsigned char*>(bytes);
    std::size_t done = 0;
    if (!WriteAll(offset, in, count, done)) {
        // The blocks written so far are allocated now, so putting their old
        // bytes back needs no space the failed write did not get.
        const FileFailure failure = lastFailure;
        std::size_t undone = 0;
        WriteAll(offset, static_cast<const unsigned char*>(previous), done, undone);
        lastFailure = failure;
        return false;
    }
    // Keep the cached head in step with what is on disk.
    for (std::size_t i = 0; i < count && offset + i < headSize; ++i)
        head[static_cast<std::size_t>(offset + i)] = in[i];
    return true;
}
