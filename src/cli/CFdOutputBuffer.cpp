#include "CFdOutputBuffer.h"

#include <cerrno>
#include <unistd.h>

CFdOutputBuffer::CFdOutputBuffer(int descriptor, std::size_t bufferSize) : fd(descriptor), buffer(bufferSize)
{
    setp(buffer.data(), buffer.data() + buffer.size());
}

CFdOutputBuffer::~CFdOutputBuffer()
{
    FlushBuffer();
}

bool CFdOutputBuffer::WriteAll(const char* data, std::size_t size)
{
    while (size > 0 && error == 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno != EINTR) {
                error = errno;
            }
            continue;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return error == 0;
}

bool CFdOutputBuffer::FlushBuffer()
{
    const auto pending = static_cast<std::size_t>(pptr() - pbase());
    setp(buffer.data(), buffer.data() + buffer.size());
    return pending == 0 || WriteAll(buffer.data(), pending);
}

CFdOutputBuffer::int_type CFdOutputBuffer::overflow(int_type c)
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

std::streamsize CFdOutputBuffer::xsputn(const char_type* text, std::streamsize count)
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

int CFdOutputBuffer::sync()
{
    return FlushBuffer() ? 0 : -1;
}
