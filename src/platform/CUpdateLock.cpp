#include "CUpdateLock.h"

#include "SystemLock.h"

#include <condition_variable>
#include <iterator>
#include <map>
#include <mutex>
#include <utility>

namespace {

// A file this process holds the lock on, and who uses it.
struct LockedFile {
    SystemHandle fd = NoHandle;  // the handle whose open file holds the lock
    bool ownsFd = false;  // fd is kept here, past the user that opened it
    unsigned users = 1;
    bool settled = false;  // the holder has the lock (or found that it cannot be had)
};

// The files this process holds the lock on, in shards by inode, so that
// threads working on different files seldom meet on one mutex.
struct Shard {
    std::mutex mutex;
    std::condition_variable settledChanged;
    std::map<std::pair<std::uint64_t, std::uint64_t>, LockedFile> locked;
};

Shard& ShardOf(std::uint64_t inode)
{
    static Shard shards[64];
    return shards[inode % std::size(shards)];
}

}  // namespace

CUpdateLock::~CUpdateLock()
{
    Release(NoHandle);
}

void CUpdateLock::Acquire(SystemHandle handle, std::uint64_t fileDevice, std::uint64_t fileInode)
{
    Release(handle);
    const SystemHandle fd = handle;
    device = fileDevice;
    inode = fileInode;
    Shard& shard = ShardOf(inode);
    std::unique_lock guard(shard.mutex);
    const auto emplaced = shard.locked.try_emplace({device, inode}, LockedFile{fd});
    const auto entry = emplaced.first;
    if (!emplaced.second) {
        ++entry->second.users;
        role = Role::Sharer;
        shard.settledChanged.wait(guard, [&] { return entry->second.settled; });
        return;
    }
    role = Role::Holder;
    // Free nearly always: taken at once, and no sharer can have come meanwhile.
    entry->second.settled = TryLockFile(fd) != LockAttempt::HeldElsewhere;
    if (entry->second.settled)
        return;
    // Another process may hold it for long: never wait under the mutex.
    guard.unlock();
    WaitLockFile(fd);
    guard.lock();
    entry->second.settled = true;
    shard.settledChanged.notify_all();
}

void CUpdateLock::Release(SystemHandle handle)
{
    if (role == Role::None)
        return;
    Shard& shard = ShardOf(inode);
    const std::lock_guard guard(shard.mutex);
    const auto entry = shard.locked.find({device, inode});
    LockedFile& file = entry->second;
    if (--file.users == 0) {
        if (file.ownsFd)
            CloseSystemHandle(file.fd);
        shard.locked.erase(entry);
    } else if (role == Role::Holder && !file.ownsFd) {
        // A sharer is still at work: the lock outlives this descriptor.
        file.fd = DuplicateSystemHandle(handle);
        file.ownsFd = file.fd != NoHandle;
    }
    role = Role::None;
}

void CUpdateLock::Retire(SystemHandle handle)
{
    const SystemHandle fd = handle;
    if (role == Role::Holder) {
        Shard& shard = ShardOf(inode);
        const std::lock_guard guard(shard.mutex);
        LockedFile& file = shard.locked.find({device, inode})->second;
        if (!file.ownsFd && file.fd == fd) {
            file.ownsFd = true;
            role = Role::Sharer;
            return;
        }
    }
    CloseSystemHandle(fd);
}
