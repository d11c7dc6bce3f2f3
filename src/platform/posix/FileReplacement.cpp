#include "FileReplacement.h"

#include "CDescriptor.h"
#include "SystemCalls.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileStamp StampOf(const struct stat& info)
{
    constexpr std::int64_t kNano = 1'000'000'000;
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::uint64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * kNano + info.st_mtim.tv_nsec,
            static_cast<std::int64_t>(info.st_ctim.tv_sec) * kNano + info.st_ctim.tv_nsec};
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

PathLook LookAtPath(const std::string& path, FileStamp& stamp, bool& readOnly)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? PathLook::Missing : PathLook::Other;
    if (!S_ISREG(info.st_mode))
        return PathLook::Other;
    stamp = StampOf(info);
    // The owner's write bit: the mark protects the file from every writer, root included.
    readOnly = HasReadOnlyMark(info.st_mode);
    return PathLook::Regular;
}

bool ReplaceFileContent(const std::string& path, const std::string& content, std::optional<FileStamp>& stamp)
{
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    std::string temporary = path + ".XXXXXX";
    const CDescriptor file(::mkstemp(temporary.data()));
    if (file.Fd() < 0)
        return false;
    const bool written = ::fchmod(file.Fd(), mode) == 0 && WriteWhole(file.Fd(), content.data(), content.size())
        && ::fsync(file.Fd()) == 0;
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    // Taken from the file written, once the rename has set its status time.
    struct stat info {};
    if (::fstat(file.Fd(), &info) == 0)
        stamp = StampOf(info);
    const CDescriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Fd() >= 0)
        ::fsync(folder.Fd());
    return true;
}
