#pragma once

#include <cerrno>
#include <cstddef>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

// The read-only mark on POSIX systems: the owner may not write the file.
inline bool HasReadOnlyMark(mode_t mode)
{
    return (mode & S_IWUSR) == 0;
}

inline mode_t WithoutReadOnlyMark(mode_t mode)
{
    return mode | S_IWUSR;
}

// Makes the call again for as long as a signal interrupts it.
template <typename Call>
auto RetryInterrupted(Call call)
{
    for (;;) {
        const auto result = call();
        if (result >= 0 || errno != EINTR)
            return result;
    }
}

using WriteCall = ssize_t (*)(int fd, const void* data, std::size_t size);

// Writes all size bytes to fd through write; false with errno set when it
// fails (ENOSPC when the system took nothing and named no error).
bool WriteWhole(int fd, const void* data, std::size_t size, WriteCall write = ::write);
