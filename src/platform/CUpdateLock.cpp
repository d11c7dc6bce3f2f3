#include "CUpdateLock.h"

#include <cerrno>
#include <condition_variable>
#include <map>
#include <mutex>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// A file this process holds the lock on, and who uses it.
struct LockedFile {
    int fd = -1;          // the descriptor whose open file description holds the lock
    bool ownsFd = false;  // fd is kept here, past the user that opened it
    unsigned users = 1;
    bool settled = false;  // the holder has the lock (or found that it cannot be had)
};

std::mutex registryMutex;
std::condition_variable settledChanged;
std::map<std::pair<std::uint64_t, std::uint64_t>, LockedFile> locked;

} // namespace

CUpdateLock::~CUpdateLock()
{
    Release(-1);
}

void CUpdateLock::Acquire(int fd, std::uint64_t fileDevice, std::uint64_t fileInode)
{
    Release(fd);
    device = fileDevice;
    inode = fileInode;
    std::unique_lock guard(registryMutex);
    const auto [entry, fresh] = locked.try_emplace({device, inode}, LockedFile{fd});
    if (!fresh) {
        ++entry->second.users;
        role = Role::Sharer;
        settledChanged.wait(guard, [&] { return entry->second.settled; });
        return;
    }
    role = Role::Holder;
    guard.unlock();
    // Another process may hold it for long: never wait under the registry's mutex.
    // Anything but an interruption means no locks here (ENOLCK, EOPNOTSUPP,
    // EBADF for a read-only descriptor on a network file system).
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
    guard.lock();
    entry->second.settled = true;
    settledChanged.notify_all();
}

void CUpdateLock::Release(int fd)
{
    if (role == Role::None)
        return;
    const std::lock_guard guard(registryMutex);
    const auto entry = locked.find({device, inode});
    LockedFile& file = entry->second;
    if (--file.users == 0) {
        if (file.ownsFd)
            ::close(file.fd);
        locked.erase(entry);
    } else if (role == Role::Holder && !file.ownsFd) {
        // A sharer is still at work: the lock outlives this descriptor.
        file.fd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
        file.ownsFd = file.fd >= 0;
    }
    role = Role::None;
}

void CUpdateLock::Retire(int fd)
{
    if (role == Role::Holder) {
        const std::lock_guard guard(registryMutex);
        LockedFile& file = locked.find({device, inode})->second;
        if (!file.ownsFd && file.fd == fd) {
            file.ownsFd = true;
            role = Role::Sharer;
            return;
        }
    }
    ::close(fd);
}
