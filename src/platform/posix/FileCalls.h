#pragma once

#include <cstddef>

#include <sys/types.h>

// The system calls through which CFile reads and changes a file. Tests swap
// entries to count reads or to inject the failures a full disk or a network
// file system produces.
struct FileCalls {
    ssize_t (*pread)(int fd, void* buffer, std::size_t count, off_t offset);
    ssize_t (*pwrite)(int fd, const void* buffer, std::size_t count, off_t offset);
    int (*close)(int fd);
};

// The calls in use; the real ones unless a test replaced them.
FileCalls& CurrentFileCalls();

// The same for the calls through which CAppendFile writes a journal and
// makes it durable.
struct AppendFileCalls {
    ssize_t (*write)(int fd, const void* buffer, std::size_t count);
    int (*ftruncate)(int fd, off_t length);
    int (*fallocate)(int fd, off_t offset, off_t length);  // posix_fallocate: the error, not errno
    void* (*mmap)(void* address, std::size_t length, int protection, int flags, int fd, off_t offset);
    int (*fsync)(int fd);
    int (*close)(int fd);
};

AppendFileCalls& CurrentAppendFileCalls();
