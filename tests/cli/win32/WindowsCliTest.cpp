// The Windows tool as a process: arguments in UTF-16, output to a pipe whose
// reader went away, the journal in %LOCALAPPDATA%; and in-process with the
// journal's system calls failing.
#include "../CliTestSupport.h"

#include "platform/Folders.h"
#include "platform/win32/AppendFileCalls.h"

#include <gtest/gtest.h>

#include <utility>

#include <windows.h>

namespace {

using namespace clitest;

struct ToolRun {
    DWORD status = 0xFFFFFFFF;
    std::string err;
};

// The built tool; under wine the build's POSIX path is reached through drive Z:.
std::wstring ToolPath()
{
    std::string path = QUELBROOK_CLI_BINARY;
    if (path.starts_with("/"))
        path = "Z:" + path;
    return NativePath(path).make_preferred().wstring();
}

std::wstring Quoted(const std::string& word)
{
    return L"\"" + NativePath(word).wstring() + L"\"";
}

// Runs the tool with standard output to a pipe whose reader has gone when
// closedPipe, else to nowhere; standard error is kept.
ToolRun RunTool(const std::vector<std::string>& args, bool closedPipe)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    CreatePipe(&outRead, &outWrite, &inherit, 0);
    CreatePipe(&errRead, &errWrite, &inherit, 1 << 20);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
    if (closedPipe) {
        CloseHandle(outRead);
        outRead = nullptr;
    }
    const HANDLE nul
        = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    std::wstring line = L"\"" + ToolPath() + L"\"";
    for (const std::string& word : args)
        line += L" " + Quoted(word);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nul;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION process{};
    ToolRun run;
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(outWrite);
        CloseHandle(errWrite);
        outWrite = errWrite = nullptr;
        // Drains the output (when it has a reader) so that the tool never waits on it.
        char buffer[4096];
        DWORD got = 0;
        while (outRead != nullptr && ReadFile(outRead, buffer, sizeof buffer, &got, nullptr) && got > 0) {}
        while (ReadFile(errRead, buffer, sizeof buffer, &got, nullptr) && got > 0)
            run.err.append(buffer, got);
        WaitForSingleObject(process.hProcess, 60000);
        GetExitCodeProcess(process.hProcess, &run.status);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    for (HANDLE handle : {outRead, outWrite, errRead, errWrite, nul})
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    return run;
}

}  // namespace

TEST(WindowsTool, NonAsciiNamesAreSetAndUndoneByteForByte)
{
    testwav::TempDir dir;
    const testwav::Bytes original = SimpleWave();
    const std::string path = dir / "caf\xC3\xA9 \xC3\xBC.wav";
    testwav::WriteFile(path, original);
    ToolRun run = RunTool({"set", "--rate", "48000", path}, false);
    ASSERT_EQ(run.status, 0u) << run.err;
    EXPECT_EQ(testwav::ReadFile(path), At48k());
    run = RunTool({"undo"}, false);
    ASSERT_EQ(run.status, 0u) << run.err;
    EXPECT_EQ(testwav::ReadFile(path), original);
}

TEST(WindowsTool, ReaderThatWentAwayEndsTheReportQuietly)
{
    testwav::TempDir dir;
    std::vector<std::string> args{"info"};
    // More report than a pipe's buffer holds.
    for (int i = 0; i < 400; ++i) {
        args.push_back(dir / ("f" + std::to_string(i) + ".wav"));
        testwav::WriteFile(args.back(), SimpleWave());
    }
    const ToolRun run = RunTool(args, true);
    EXPECT_EQ(run.status, 1u);
    EXPECT_EQ(run.err, "");
}

namespace {

// The journal's calls for one run: flushes counted, and a full disk injected.
struct JournalFaults {
    static inline int flushes = 0;
    static inline bool flushFails = false;
    static inline int failedWrite = -1;  // this write call (from 0) fails, later ones succeed
    static inline int writes = 0;

    JournalFaults(bool failFlush, int failingWrite)
        : saved(std::exchange(CurrentAppendFileCalls(), AppendFileCalls{Write, Flush, CloseHandle}))
    {
        flushes = writes = 0;
        flushFails = failFlush;
        failedWrite = failingWrite;
    }
    ~JournalFaults() { CurrentAppendFileCalls() = saved; }
    JournalFaults(const JournalFaults&) = delete;
    JournalFaults& operator=(const JournalFaults&) = delete;

    static BOOL WINAPI Write(HANDLE file, LPCVOID data, DWORD count, LPDWORD wrote, LPOVERLAPPED overlapped)
    {
        if (writes++ != failedWrite)
            return WriteFile(file, data, count, wrote, overlapped);
        *wrote = 0;
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    static BOOL WINAPI Flush(HANDLE file)
    {
        ++flushes;
        if (!flushFails)
            return FlushFileBuffers(file);
        SetLastError(ERROR_WRITE_FAULT);
        return FALSE;
    }

    AppendFileCalls saved;
};

}  // namespace

// One flush makes the journal durable and a failed one is reported; a record
// that could not be written refuses every later file, even once writing works again.
TEST(WindowsTool, TheJournalIsFlushedOnceAndItsFailuresStopTheBatch)
{
    const struct {
        bool failFlush;
        int failedWrite;  // 0 is the header, 1 the record of the first file
        std::size_t changed;
        const char* complaint;
    } rows[]
        = {{false, -1, 3, nullptr}, {true, -1, 3, " could not be saved: "}, {false, 2, 1, " could not be written: "}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.failedWrite);
        testwav::TempDir dir;
        std::vector<std::string> files;
        for (const char* name : {"a.wav", "b.wav", "c.wav"}) {
            files.push_back(dir / name);
            testwav::WriteFile(files.back(), SimpleWave());
        }
        const std::string journal = dir / "j.jsonl";
        Session set;
        int status = 0;
        {
            const JournalFaults faults(row.failFlush, row.failedWrite);
            status = set.Run(Join({"set", "--journal", journal, "--rate", "48000"}, files), false, false);
            EXPECT_EQ(JournalFaults::flushes, 1);
        }
        EXPECT_EQ(status, row.complaint != nullptr ? 1 : 0);
        if (row.complaint != nullptr) {
            EXPECT_TRUE(Has(set.err.str(), "The journal " + journal + row.complaint)) << set.err.str();
        }
        for (std::size_t i = 0; i < files.size(); ++i)
            EXPECT_EQ(testwav::ReadFile(files[i]), i < row.changed ? At48k() : SimpleWave()) << files[i];
    }
}
