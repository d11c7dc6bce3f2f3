#include "NamedPath.h"

#include "CDescriptor.h"

#include "CFolder.h"
#include "PosixNamedPath.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <linux/magic.h>
#include <linux/openat2.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

unsigned ProcessUserId()
{
    return ::geteuid();
}

std::string UserName(unsigned id)
{
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(4096);
    if (::getpwuid_r(id, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr)
        return found->pw_name;
    return "user " + std::to_string(id);
}

std::atomic<bool> followEvery{false};

// The system gives up after this many links in one path, and so does the walk.
constexpr int MaxLinks = 40;

// A component looked at without being followed or read.
constexpr int LookFlags = O_PATH | O_NOFOLLOW | O_CLOEXEC;

std::string Join(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + '/' + name;
}

// A walk down a path one component at a time, each opened inside the folder
// before it, never through a link unless the walk follows it on purpose.
class CWalk {
public:
    CWalk(std::string named, bool rootLinksOnly) : path(std::move(named)), rootOnly(rootLinksOnly) {}

    // False with errno set when the path cannot even be started on.
    bool Begin()
    {
        if (path.empty()) {
            errno = ENOENT;
            return false;
        }
        return Push(path);
    }

    // Goes down to the folder holding the last component. False with errno.
    bool ToLast()
    {
        while (pending.size() > 1) {
            const std::string name = std::move(pending.back());
            pending.pop_back();
            CDescriptor next(::openat(folder->Fd(), name.c_str(), LookFlags));
            struct stat info {};
            if (next.Fd() < 0 || ::fstat(next.Fd(), &info) != 0)
                return false;
            if (S_ISLNK(info.st_mode)) {
                if (!Follow(next, info, name))
                    return false;
                continue;
            }
            if (!S_ISDIR(info.st_mode)) {
                errno = ENOTDIR;
                return false;
            }
            folder = std::make_shared<CDescriptor>(next.Release());
            if (name != ".")
                folderPath = Join(folderPath, name);
        }
        return true;
    }

    // When the last component is a link, follows it (so that ToLast goes on)
    // and sets isLink. False with errno when it cannot be looked at (it may
    // be missing) or the link may not be followed. opening: the last
    // component is about to be opened, so a link of the process file system
    // (/dev/stdout leads to /proc/self/fd/1, a pipe's "pipe:[…]"), which
    // names no path, is left for the open to follow: LastIsMagic().
    bool FollowLast(bool& isLink, bool opening = false)
    {
        openingLast = opening;
        const std::string name = pending.back();
        CDescriptor last(::openat(folder->Fd(), name.c_str(), LookFlags));
        struct stat info {};
        isLink = false;
        if (last.Fd() < 0 && errno == ENOENT)
            return true;
        if (last.Fd() < 0 || ::fstat(last.Fd(), &info) != 0)
            return false;
        isLink = S_ISLNK(info.st_mode);
        if (!isLink)
            return true;
        pending.pop_back();
        return Follow(last, info, name);
    }

    int Folder() const { return folder->Fd(); }
    const std::string& FolderPath() const { return folderPath; }
    const std::string& Last() const { return pending.back(); }
    bool LastIsMagic() const { return lastIsMagic; }
    bool ThroughProcesses() const { return throughProcesses; }
    const std::optional<CoreText>& Refusal() const { return refusal; }

private:
    // Puts the components of text on the stack, the first on top; an
    // absolute text starts again from the root folder.
    bool Push(std::string_view text)
    {
        if (text.front() == '/' || !folder) {
            const char* start = text.front() == '/' ? "/" : ".";
            folder = std::make_shared<CDescriptor>(::open(start, O_PATH | O_DIRECTORY | O_CLOEXEC));
            folderPath = text.front() == '/' ? "/" : "";
            if (folder->Fd() < 0)
                return false;
        }
        std::vector<std::string_view> parts;
        for (std::size_t at = 0; at <= text.size();) {
            std::size_t end = text.find('/', at);
            if (end == std::string_view::npos)
                end = text.size();
            if (end > at)
                parts.push_back(text.substr(at, end - at));
            at = end + 1;
        }
        pending.insert(pending.end(), parts.rbegin(), parts.rend());
        if (pending.empty())
            pending.emplace_back(".");
        return true;
    }

    bool Follow(const CDescriptor& link, const struct stat& info, const std::string& name)
    {
        if (rootOnly && info.st_uid != 0) {
            refusal = CoreText(
                TextId::LinkOfOtherUser,
                {CauseText(OpenFailureCause::AccessDenied, path), Join(folderPath, name), UserName(info.st_uid)});
            errno = EACCES;
            return false;
        }
        if (++links > MaxLinks) {
            errno = ELOOP;
            return false;
        }
        struct statfs system {};
        const bool ofProcesses = ::fstatfs(link.Fd(), &system) == 0 && system.f_type == PROC_SUPER_MAGIC;
        throughProcesses = throughProcesses || ofProcesses;
        if (openingLast && pending.empty() && ofProcesses) {
            pending.push_back(name);
            lastIsMagic = true;
            return true;
        }
        // The link as opened, so that its owner and its target are one link's.
        std::string target(static_cast<std::size_t>(info.st_size) + 64, '\0');
        for (;;) {
            const ssize_t got = ::readlinkat(link.Fd(), "", target.data(), target.size());
            if (got < 0)
                return false;
            if (static_cast<std::size_t>(got) < target.size()) {
                target.resize(static_cast<std::size_t>(got));
                break;
            }
            target.resize(target.size() * 2);
        }
        if (target.empty()) {
            errno = ENOENT;
            return false;
        }
        return Push(target);
    }

    std::string path;
    bool rootOnly;
    std::shared_ptr<CDescriptor> folder;
    std::string folderPath;
    std::vector<std::string> pending;  // components still to go, the next one last
    int links = 0;
    std::optional<CoreText> refusal;
    bool openingLast = false;
    bool lastIsMagic = false;
    bool throughProcesses = false;
};

int WalkAndOpen(const std::string& path, int flags, bool rootLinksOnly, std::optional<CoreText>& refusal)
{
    CWalk walk(path, rootLinksOnly);
    if (walk.Begin()) {
        while (walk.ToLast()) {
            const int opened
                = ::openat(walk.Folder(), walk.Last().c_str(), flags | (walk.LastIsMagic() ? 0 : O_NOFOLLOW));
            if (opened >= 0 || walk.LastIsMagic())
                return opened;
            const int error = errno;
            bool isLink = false;
            if (!walk.FollowLast(isLink, true))
                break;
            if (!isLink) {
                errno = error;
                return -1;
            }
        }
    }
    const int error = errno;
    refusal = walk.Refusal();
    errno = error;
    return -1;
}

}  // namespace

void SetFollowEveryLink(bool every)
{
    followEvery.store(every, std::memory_order_relaxed);
}

bool FollowsRootLinksOnly()
{
    static const bool root = ::geteuid() == 0;
    return root && !followEvery.load(std::memory_order_relaxed);
}

int OpenNamedPath(const std::string& path, int flags, std::optional<CoreText>& refusal)
{
    refusal.reset();
    const bool rootOnly = FollowsRootLinksOnly();
    if (!rootOnly) {
        const int opened = ::open(path.c_str(), flags);
        if (opened >= 0 || errno != ENAMETOOLONG)
            return opened;
    } else {
        // One call when no link lies on the way, as nearly always.
        open_how how{};
        how.flags = static_cast<std::uint64_t>(static_cast<unsigned>(flags));
        how.resolve = RESOLVE_NO_SYMLINKS;
        const long opened = ::syscall(SYS_openat2, AT_FDCWD, path.c_str(), &how, sizeof how);
        if (opened >= 0)
            return static_cast<int>(opened);
        // ENOSYS, EPERM: a kernel or a sandbox without the call.
        if (errno != ELOOP && errno != ENAMETOOLONG && errno != ENOSYS && errno != EPERM)
            return -1;
    }
    return WalkAndOpen(path, flags, rootOnly, refusal);
}

bool ResolveNamedPath(const std::string& path, ResolvedPath& resolved, PathFailure& failure)
{
    CWalk walk(path, FollowsRootLinksOnly());
    bool walked = walk.Begin();
    for (bool isLink = true; walked && isLink;)
        walked = walk.ToLast() && walk.FollowLast(isLink);
    struct stat info {};
    if (!walked || ::fstat(walk.Folder(), &info) != 0) {
        const int error = errno;
        failure.error = error;
        failure.cause = FailureFromSystemError(error).cause;
        failure.missing = error == ENOENT;
        failure.refusal = walk.Refusal();
        return false;
    }
    // The entry keeps a folder of its own open; the walk's goes with it.
    auto folder = std::make_shared<CFolder>();
    folder->Adopt(::fcntl(walk.Folder(), F_DUPFD_CLOEXEC, 0), walk.FolderPath());
    if (folder->Handle() == NoHandle) {
        failure.error = errno;
        failure.cause = FailureFromSystemError(errno).cause;
        return false;
    }
    resolved.entry = {std::move(folder), walk.Last()};
    resolved.folderPath = walk.FolderPath().empty() ? "." : walk.FolderPath();
    resolved.folderDevice = static_cast<std::uint64_t>(info.st_dev);
    resolved.folderInode = static_cast<std::uint64_t>(info.st_ino);
    resolved.folderOwner = info.st_uid;
    resolved.folderPermissions = info.st_mode & 07777;
    resolved.throughProcesses = walk.ThroughProcesses();
    return true;
}

// folderPath names the folder in which resolved lies.
static bool IsFolderOf(const ResolvedPath& resolved, const std::string& folderPath)
{
    std::optional<CoreText> ignored;
    const CDescriptor folder(folderPath.empty() ? -1
                                                : OpenNamedPath(folderPath, O_PATH | O_DIRECTORY | O_CLOEXEC, ignored));
    struct stat info {};
    return folder.Fd() >= 0 && ::fstat(folder.Fd(), &info) == 0
        && static_cast<std::uint64_t>(info.st_dev) == resolved.folderDevice
        && static_cast<std::uint64_t>(info.st_ino) == resolved.folderInode;
}

namespace {

// Group or others may write.
bool WritableByOthers(unsigned permissions)
{
    return (permissions & 022) != 0;
}

std::string Permissions(unsigned permissions)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04o", permissions & 07777);
    return text;
}

}  // namespace

std::optional<CoreText> WhyOthersMayChange(const CFile& file, const ResolvedPath& at, const std::string& ownFolder)
{
    const unsigned user = ProcessUserId();
    const auto foreign = [user](unsigned owner) { return owner != user && owner != 0; };
    if (foreign(file.OwnerId()))
        return CoreText(TextId::OwnedByOther, {UserName(file.OwnerId())});
    if (WritableByOthers(file.Permissions()))
        return CoreText(TextId::WritableByOthers, {Permissions(file.Permissions())});
    std::optional<CoreText> folder;
    if (foreign(at.folderOwner))
        folder = CoreText(TextId::FolderOwnedByOther, {at.folderPath, UserName(at.folderOwner)});
    else if (WritableByOthers(at.folderPermissions))
        folder = CoreText(TextId::FolderWritableByOthers, {at.folderPath, Permissions(at.folderPermissions)});
    if (folder && IsFolderOf(at, ownFolder))
        folder.reset();
    return folder;
}
