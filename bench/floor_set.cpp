// The least work a header rewrite can do, as the yardstick for quelbrook-cli:
// per file open, read the first 4 KiB, find "fmt ", write its 14 bytes of
// fields (sample rate 48000, average byte rate recomputed), close.
// Usage: quelbrook_floor_set FILE...

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

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
    int failed = 0;
    for (int i = 1; i < argc; ++i) {
        if (!RewriteOne(argv[i])) {
            std::fprintf(stderr, "%s: not rewritten\n", argv[i]);
            failed = 1;
        }
    }
    return failed;
}
