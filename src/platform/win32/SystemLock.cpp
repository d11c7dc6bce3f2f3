#include "SystemLock.h"

#include <windows.h>

namespace {

// A byte no file reaches: locking it blocks no read or write of the file,
// only other locks of it.
bool LockFarByte(SystemHandle handle, bool wait)
{
    OVERLAPPED where{};
    where.Offset = 0xFFFFFFFE;
    where.OffsetHigh = 0x7FFFFFFF;
    const DWORD flags = LOCKFILE_EXCLUSIVE_LOCK | (wait ? 0 : LOCKFILE_FAIL_IMMEDIATELY);
    return LockFileEx(reinterpret_cast<HANDLE>(handle), flags, 0, 1, 0, &where) != 0;
}

}  // namespace

LockAttempt TryLockFile(SystemHandle handle)
{
    if (LockFarByte(handle, false))
        return LockAttempt::Locked;
    // Any failure but "held elsewhere" means no locks here.
    return GetLastError() == ERROR_LOCK_VIOLATION ? LockAttempt::HeldElsewhere : LockAttempt::NoLocks;
}

void WaitLockFile(SystemHandle handle)
{
    LockFarByte(handle, true);
}

SystemHandle DuplicateSystemHandle(SystemHandle handle)
{
    HANDLE copy = nullptr;
    if (DuplicateHandle(GetCurrentProcess(), reinterpret_cast<HANDLE>(handle), GetCurrentProcess(), &copy, 0, FALSE,
                        DUPLICATE_SAME_ACCESS)
        == 0)
        return NoHandle;
    return reinterpret_cast<SystemHandle>(copy);
}

void CloseSystemHandle(SystemHandle handle)
{
    CloseHandle(reinterpret_cast<HANDLE>(handle));
}
