// The least work a header rewrite can do, as the yardstick for quelbrook-cli:
// per file open, read the first 4 KiB, find "fmt ", write its 14 bytes of
// fields (sample rate 48000, average byte rate recomputed), close. With -j N,
// N threads take the files in turn from a shared counter and nothing else.
// Usage: quelbrook_floor_set [-j N] FILE...

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

std::uint32_t Le32(const unsigned char* p)
{
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

bool RewriteOne(const char* path)
{
    const int fd = ::open(path, O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    unsigned char head[4096];
    const ssize_t got = ::pread(fd, head, sizeof head, 0);
    const std::size_t size = got > 0 ? static_cast<std::size_t>(got) : 0;
    bool written = false;
    for (std::size_t at = 12; at + 24 <= size;) {
        if (std::memcmp(head + at, "fmt ", 4) == 0) {
            unsigned char fields[14];
            std::memcpy(fields, head + at + 10, sizeof fields);
            const std::uint32_t rate = 48000;
            const std::uint32_t align = std::uint32_t{fields[10]} | std::uint32_t{fields[11]} << 8;
            const std::uint32_t avg = align * rate;
            for (unsigned i = 0; i < 4; ++i) {
                fields[2 + i] = static_cast<unsigned char>(rate >> (8 * i));
                fields[6 + i] = static_cast<unsigned char>(avg >> (8 * i));
            }
            written = ::pwrite(fd, fields, sizeof fields, static_cast<off_t>(at + 10)) == sizeof fields;
            break;
        }
        at += 8 + std::size_t{Le32(head + at + 4)};
    }
    ::close(fd);
    return written;
}

}  // namespace

int main(int argc, char** argv)
{
    int first = 1;
    int jobs = 1;
    if (argc > 2 && std::strcmp(argv[1], "-j") == 0) {
        jobs = std::max(1, std::atoi(argv[2]));
        first = 3;
    }
    std::atomic<int> next{first};
    std::atomic<int> failed{0};
    const auto work = [&] {
        for (int i = next++; i < argc; i = next++) {
            if (!RewriteOne(argv[i])) {
                std::fprintf(stderr, "%s: not rewritten\n", argv[i]);
                failed = 1;
            }
        }
    };
    std::vector<std::thread> helpers;
    for (int j = 1; j < jobs; ++j)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();
    return failed;
}
