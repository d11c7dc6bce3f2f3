#pragma once

#include "platform/Console.h"

#include <cstddef>
#include <streambuf>
#include <vector>

// A stream buffer writing to standard output or error that keeps the reason
// when a write fails (a full disk, a closed pipe), which the standard streams
// do not tell. After a failure nothing more is written.
class CConsoleBuffer : public std::streambuf {
public:
    CConsoleBuffer(ConsoleStream stream, std::size_t bufferSize);
    CConsoleBuffer(const CConsoleBuffer&) = delete;
    CConsoleBuffer& operator=(const CConsoleBuffer&) = delete;
    ~CConsoleBuffer() override;

    // The first failed write; failed is false while every write succeeded.
    const ConsoleWriteFailure& Failure() const { return failure; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char_type* text, std::streamsize count) override;
    int sync() override;

private:
    bool WriteAll(const char* data, std::size_t size);
    bool FlushBuffer();

    ConsoleStream stream;
    std::vector<char> buffer;
    ConsoleWriteFailure failure;
};
