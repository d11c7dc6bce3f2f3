// LD_PRELOAD library that makes every file system call wait as a network
// share's round trip would: a fixed delay (QUELBROOK_LATENCY_US, default 200
// microseconds) before open, stat, fstat, pread, pwrite, close and flock and
// their variants. The wait sleeps, so other threads run meanwhile, as they would
// while a request is on the wire.
//
//   LD_PRELOAD=build/bench/libquelbrook_latency.so quelbrook-cli set ...

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdlib>

namespace {

long LatencyNanoseconds()
{
    static const long nanoseconds = [] {
        const char* text = std::getenv("QUELBROOK_LATENCY_US");
        return (text != nullptr ? std::atol(text) : 200L) * 1000L;
    }();
    return nanoseconds;
}

void Wait()
{
    timespec delay{0, LatencyNanoseconds()};
    while (delay.tv_nsec > 0 && nanosleep(&delay, &delay) != 0) {}
}

template <typename Function>
Function Next(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

// The mode argument of open exists only when a file may be created.
mode_t ModeOf(int flags, va_list arguments)
{
    return (flags & (O_CREAT | O_TMPFILE)) != 0 ? static_cast<mode_t>(va_arg(arguments, unsigned)) : 0;
}

}  // namespace

#define QUELBROOK_DELAYED(ret, name, params, args)           \
    extern "C" ret name params                               \
    {                                                        \
        static const auto next = Next<ret(*) params>(#name); \
        Wait();                                              \
        return next args;                                    \
    }

#define QUELBROOK_DELAYED_OPEN(name)                                          \
    extern "C" int name(const char* path, int flags, ...)                     \
    {                                                                         \
        static const auto next = Next<int (*)(const char*, int, ...)>(#name); \
        va_list arguments;                                                    \
        va_start(arguments, flags);                                           \
        const mode_t mode = ModeOf(flags, arguments);                         \
        va_end(arguments);                                                    \
        Wait();                                                               \
        return next(path, flags, mode);                                       \
    }

#define QUELBROOK_DELAYED_OPENAT(name)                                             \
    extern "C" int name(int dir, const char* path, int flags, ...)                 \
    {                                                                              \
        static const auto next = Next<int (*)(int, const char*, int, ...)>(#name); \
        va_list arguments;                                                         \
        va_start(arguments, flags);                                                \
        const mode_t mode = ModeOf(flags, arguments);                              \
        va_end(arguments);                                                         \
        Wait();                                                                    \
        return next(dir, path, flags, mode);                                       \
    }

QUELBROOK_DELAYED_OPEN(open)
QUELBROOK_DELAYED_OPEN(open64)
QUELBROOK_DELAYED_OPENAT(openat)
QUELBROOK_DELAYED_OPENAT(openat64)
QUELBROOK_DELAYED(int, stat, (const char* path, struct stat* buffer), (path, buffer))
QUELBROOK_DELAYED(int, stat64, (const char* path, struct stat64* buffer), (path, buffer))
QUELBROOK_DELAYED(int, lstat, (const char* path, struct stat* buffer), (path, buffer))
QUELBROOK_DELAYED(int, lstat64, (const char* path, struct stat64* buffer), (path, buffer))
QUELBROOK_DELAYED(int, fstat, (int fd, struct stat* buffer), (fd, buffer))
QUELBROOK_DELAYED(int, fstat64, (int fd, struct stat64* buffer), (fd, buffer))
QUELBROOK_DELAYED(int, fstatat, (int dir, const char* path, struct stat* buffer, int flags), (dir, path, buffer, flags))
QUELBROOK_DELAYED(int, fstatat64, (int dir, const char* path, struct stat64* buffer, int flags),
                  (dir, path, buffer, flags))
QUELBROOK_DELAYED(int, statx, (int dir, const char* path, int flags, unsigned mask, struct statx* buffer),
                  (dir, path, flags, mask, buffer))
QUELBROOK_DELAYED(ssize_t, pread, (int fd, void* buffer, size_t count, off_t offset), (fd, buffer, count, offset))
QUELBROOK_DELAYED(ssize_t, pread64, (int fd, void* buffer, size_t count, off64_t offset), (fd, buffer, count, offset))
QUELBROOK_DELAYED(ssize_t, pwrite, (int fd, const void* buffer, size_t count, off_t offset),
                  (fd, buffer, count, offset))
QUELBROOK_DELAYED(ssize_t, pwrite64, (int fd, const void* buffer, size_t count, off64_t offset),
                  (fd, buffer, count, offset))
QUELBROOK_DELAYED(int, close, (int fd), (fd))
// A lock on a network file system is a request to the server too.
QUELBROOK_DELAYED(int, flock, (int fd, int operation), (fd, operation))
