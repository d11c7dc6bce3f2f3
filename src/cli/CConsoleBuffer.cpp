#include "CConsoleBuffer.h"

CConsoleBuffer::CConsoleBuffer(ConsoleStream console, std::size_t bufferSize) : stream(console), buffer(bufferSize)
{
    setp(buffer.data(), buffer.data() + buffer.size());
}

CConsoleBuffer::~CConsoleBuffer()
{
    FlushBuffer();
}

bool CConsoleBuffer::WriteAll(const char* data, std::size_t size)
{
    return !failure.failed && WriteToConsole(stream, data, size, failure);
}

bool CConsoleBuffer::FlushBuffer()
{
    const auto pending = static_cast<std::size_t>(pptr() - pbase());
    setp(buffer.data(), buffer.data() + buffer.size());
    return pending == 0 || WriteAll(buffer.data(), pending);
}

CConsoleBuffer::int_type CConsoleBuffer::overflow(int_type c)
{
    if (!FlushBuffer()) {
        return traits_type::eof();
    }
    if (traits_type::eq_int_type(c, traits_type::eof())) {
        return traits_type::not_eof(c);
    }
    const char byte = traits_type::to_char_type(c);
    if (buffer.empty()) {
        return WriteAll(&byte, 1) ? c : traits_type::eof();
    }
    sputc(byte);
    return c;
}

std::streamsize CConsoleBuffer::xsputn(const char_type* text, std::streamsize count)
{
    const auto size = static_cast<std::size_t>(count);
    if (size <= static_cast<std::size_t>(epptr() - pptr())) {
        return std::streambuf::xsputn(text, count);
    }
    if (!FlushBuffer()) {
        return 0;
    }
    if (size < buffer.size()) {
        return std::streambuf::xsputn(text, count);
    }
    // No smaller than the buffer: straight out, without a copy.
    return WriteAll(text, size) ? count : 0;
}

int CConsoleBuffer::sync()
{
    return FlushBuffer() ? 0 : -1;
}
