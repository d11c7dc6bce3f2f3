#include "SystemHelpers.h"

#include <cstdlib>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testsys {

std::string MakeTempFolder()
{
    std::string templ = (std::filesystem::temp_directory_path() / "quelbrook-test-XXXXXX").string();
    if (mkdtemp(templ.data()) == nullptr)
        std::abort();
    return templ;
}

void SetEnvironment(const char* name, const std::string& value)
{
    setenv(name, value.c_str(), 1);
}

void UnsetEnvironment(const char* name)
{
    unsetenv(name);
}

void SetReadOnly(const std::string& path, bool readOnly)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0
        || ::chmod(path.c_str(), readOnly ? info.st_mode & ~0222u : info.st_mode | 0200u) != 0)
        std::abort();
}

bool IsReadOnly(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0;
}

void SetTimes(const std::string& path, std::int64_t accessed, std::int64_t modified)
{
    const timespec times[2] = {{static_cast<time_t>(accessed), 0}, {static_cast<time_t>(modified), 0}};
    if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0)
        std::abort();
}

std::pair<std::int64_t, std::int64_t> TimesOf(const std::string& path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return {info.st_atim.tv_sec, info.st_mtim.tv_sec};
}

bool ReadsCanKeepTheAccessTime(const std::string&)
{
    return true;
}

bool WriteSparse(const std::string& path, const std::vector<unsigned char>& head, std::uint64_t tailAt,
                 const std::vector<unsigned char>& tail)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        std::abort();
    // Seeking past the end leaves a hole wherever the file system can.
    const bool written = ::pwrite(fd, head.data(), head.size(), 0) == static_cast<ssize_t>(head.size())
        && ::pwrite(fd, tail.data(), tail.size(), static_cast<off_t>(tailAt)) == static_cast<ssize_t>(tail.size());
    struct stat info {};
    const bool known = ::fstat(fd, &info) == 0;
    ::close(fd);
    return written && known && info.st_blocks * 512 < (1 << 24);
}

void LetOthersWrite(const std::string& path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || chmod(path.c_str(), (info.st_mode & 07777) | 022) != 0)
        std::abort();
}

bool MakeSymbolicLink(const std::string& target, const std::string& link, bool)
{
    return ::symlink(target.c_str(), link.c_str()) == 0;
}

bool JournalReservesAhead()
{
    return true;
}

bool OwnerOnly(const std::string& folder)
{
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && (info.st_mode & 0777) == 0700;
}

const char* StateHomeVariable()
{
    return "XDG_STATE_HOME";
}

std::string JournalFolderIn(const std::string& stateHome)
{
    return stateHome + "/quelbrook/journal";
}

}  // namespace testsys
