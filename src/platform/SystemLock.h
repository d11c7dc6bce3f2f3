#pragma once

#include "FileIdentity.h"

// The system calls behind CUpdateLock, one file per system.

enum class LockAttempt {
    Locked,
    HeldElsewhere,
    NoLocks,  // the file system has none: the update goes ahead unlocked
};

// Takes the file's exclusive lock if it is free, without waiting.
LockAttempt TryLockFile(SystemHandle handle);
// Waits until the file's exclusive lock is had (or cannot be had at all).
void WaitLockFile(SystemHandle handle);
// A second handle on the same open file, which keeps its lock; NoHandle on failure.
SystemHandle DuplicateSystemHandle(SystemHandle handle);
void CloseSystemHandle(SystemHandle handle);
