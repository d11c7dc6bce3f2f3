#include "Console.h"

#include "WideText.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <array>
#include <memory>

namespace {

std::atomic<bool>* interruptFlag = nullptr;

HANDLE Handle(ConsoleStream stream)
{
    switch (stream) {
    case ConsoleStream::Input:
        return GetStdHandle(STD_INPUT_HANDLE);
    case ConsoleStream::Output:
        return GetStdHandle(STD_OUTPUT_HANDLE);
    case ConsoleStream::Error:
        break;
    }
    return GetStdHandle(STD_ERROR_HANDLE);
}

bool IsConsole(HANDLE handle)
{
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

// How many bytes at the end of text begin a UTF-8 sequence that the next
// write completes.
std::size_t IncompleteTail(const char* text, std::size_t size)
{
    for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(text[size - back]);
        if ((byte & 0xC0) != 0x80) {
            const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            return length > back ? back : 0;
        }
    }
    return 0;
}

// A console window shows UTF-16 whatever its code page; the part of a
// character that a buffer boundary cut off waits for the rest.
bool WriteToConsoleWindow(HANDLE handle, ConsoleStream stream, const char* data, std::size_t size,
                          ConsoleWriteFailure& failure)
{
    static std::array<std::string, 3> pending;
    std::string& carried = pending[static_cast<std::size_t>(stream)];
    std::string text = carried + std::string(data, size);
    const std::size_t tail = IncompleteTail(text.data(), text.size());
    carried = text.substr(text.size() - tail);
    text.resize(text.size() - tail);
    const std::wstring wide = WideFromUtf8(text);
    std::size_t done = 0;
    while (done < wide.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 16384));
        DWORD written = 0;
        if (WriteConsoleW(handle, wide.data() + done, chunk, &written, nullptr) == 0) {
            failure = {true, false, SystemErrorText(GetLastError())};
            return false;
        }
        done += written;
    }
    return true;
}

BOOL WINAPI OnControl(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    // A second Ctrl-C goes to the default handling, which ends the program.
    if (interruptFlag->exchange(true))
        return FALSE;
    return TRUE;
}

bool Interrupted()
{
    return interruptFlag != nullptr && interruptFlag->load();
}

// Input redirected from a file or a pipe: bytes up to the line's end.
bool ReadRedirectedLine(HANDLE input, std::string& line)
{
    for (;;) {
        if (Interrupted())
            return false;
        char byte = 0;
        DWORD got = 0;
        if (ReadFile(input, &byte, 1, &got, nullptr) == 0 || got == 0)
            return !line.empty();
        if (byte == '\n')
            break;
        line.push_back(byte);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

}  // namespace

std::vector<std::string> ConsoleArguments(int, char**)
{
    // The 8-bit arguments are in the ANSI code page, which cannot hold every
    // name: the UTF-16 command line is taken instead.
    int count = 0;
    const std::unique_ptr<wchar_t*, decltype(&LocalFree)> wide(CommandLineToArgvW(GetCommandLineW(), &count),
                                                               &LocalFree);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(Utf8FromWide(wide.get()[i]));
    return arguments;
}

bool IsTerminal(ConsoleStream stream)
{
    return IsConsole(Handle(stream));
}

bool WriteToConsole(ConsoleStream stream, const char* data, std::size_t size, ConsoleWriteFailure& failure)
{
    const HANDLE handle = Handle(stream);
    if (IsConsole(handle))
        return WriteToConsoleWindow(handle, stream, data, size, failure);
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        DWORD written = 0;
        if (WriteFile(handle, data, chunk, &written, nullptr) == 0) {
            const DWORD error = GetLastError();
            // The pipe's reader closed its end.
            const bool gone = error == ERROR_NO_DATA || error == ERROR_BROKEN_PIPE;
            failure = {true, gone, SystemErrorText(error)};
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

void InstallInterruptHandler(std::atomic<bool>& interrupted)
{
    interruptFlag = &interrupted;
    SetConsoleCtrlHandler(OnControl, TRUE);
}

bool ReadConsoleLine(std::string& line)
{
    line.clear();
    const HANDLE input = Handle(ConsoleStream::Input);
    if (!IsConsole(input))
        return ReadRedirectedLine(input, line);
    std::wstring typed;
    for (;;) {
        if (Interrupted())
            return false;
        std::array<wchar_t, 256> chunk{};
        DWORD got = 0;
        // Ctrl-C ends a console read with nothing read (the handler runs on a
        // thread of its own, so the flag may not be set yet).
        if (ReadConsoleW(input, chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr) == 0 || got == 0)
            return false;
        typed.append(chunk.data(), got);
        const std::size_t end = typed.find(L'\n');
        if (end != std::wstring::npos) {
            typed.resize(end);
            if (!typed.empty() && typed.back() == L'\r')
                typed.pop_back();
            line = Utf8FromWide(typed);
            return true;
        }
    }
}
