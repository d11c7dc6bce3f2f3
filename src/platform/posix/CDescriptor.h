#pragma once

#include <utility>

#include <unistd.h>

// One open descriptor, closed when the object goes.
class CDescriptor {
public:
    explicit CDescriptor(int opened) : fd(opened) {}
    ~CDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    CDescriptor(const CDescriptor&) = delete;
    CDescriptor& operator=(const CDescriptor&) = delete;

    int Fd() const { return fd; }
    int Release() { return std::exchange(fd, -1); }

private:
    int fd;
};
