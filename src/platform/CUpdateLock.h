#pragma once

#include "FileIdentity.h"

#include <cstdint>

// An exclusive advisory lock on a file (flock; on Windows a lock on a byte
// far beyond any end of file, which blocks no reading or writing), held from before its header is
// read until after it is written, so that two batches never both read a
// header before either writes it. Other processes wait for it; threads of
// this process that open the same file under another name share it instead
// (they may wait on each other's ordered steps, so waiting here could never
// end). The lock lives on the open file description: closing the descriptor
// releases it, unless a sharer still needs it.
class CUpdateLock {
public:
    CUpdateLock() = default;
    CUpdateLock(const CUpdateLock&) = delete;
    CUpdateLock& operator=(const CUpdateLock&) = delete;
    ~CUpdateLock();

    // Waits for the lock on the file open as fd. A file system without locks
    // lets the update go ahead unlocked.
    void Acquire(SystemHandle fd, std::uint64_t device, std::uint64_t inode);
    // Before fd is closed; the lock goes with it.
    void Release(SystemHandle fd);
    // Closes fd, which the file stays open without (it was opened again):
    // when fd carries the lock, it is kept open until the lock is released.
    void Retire(SystemHandle fd);

private:
    enum class Role { None, Holder, Sharer };
    Role role = Role::None;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
};
