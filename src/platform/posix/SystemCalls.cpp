#include "SystemCalls.h"

bool WriteWhole(int fd, const void* data, std::size_t size, WriteCall write)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const ssize_t put = RetryInterrupted([&] { return write(fd, bytes, size); });
        if (put <= 0) {
            if (put == 0)
                errno = ENOSPC;
            return false;
        }
        bytes += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}
