#pragma once

#include <cstddef>
#include <streambuf>
#include <vector>

// A stream buffer writing to a file descriptor that keeps the reason when a
// write fails (a full disk, a closed pipe), which the standard streams do not
// tell. After a failure nothing more is written.
class CFdOutputBuffer : public std::streambuf {
public:
    CFdOutputBuffer(int fd, std::size_t bufferSize);
    CFdOutputBuffer(const CFdOutputBuffer&) = delete;
    CFdOutputBuffer& operator=(const CFdOutputBuffer&) = delete;
    ~CFdOutputBuffer() override;

    // The errno of the first failed write; 0 while every write succeeded.
    int Error() const { return error; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char_type* text, std::streamsize count) override;
    int sync() override;

private:
    bool WriteAll(const char* data, std::size_t size);
    bool FlushBuffer();

    int fd;
    std::vector<char> buffer;
    int error = 0;
};
