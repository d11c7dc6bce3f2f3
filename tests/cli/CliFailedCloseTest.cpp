// Failures injected into the POSIX system calls of a file and of the
// journal, driven through the tool's entry point.
#include "CliTestSupport.h"

#include "cli/RunCli.h"
#include "platform/posix/FileCalls.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sstream>
#include <utility>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

using namespace testwav;
using clitest::Has;
using clitest::Session;

namespace {

// The journal's calls for one run: fsyncs counted, and the failures a full
// disk or a failing device produce injected.
struct JournalFaults {
    static inline int fsyncs = 0;
    static inline int fsyncError = 0;  // errno of every fsync; 0: they succeed
    static inline int failedWrite = -1;  // this write call (from 0) fails with ENOSPC, later ones succeed
    static inline int writes = 0;
    static inline bool mapping = true;  // false: mmap fails, the journal is written in sequence

    explicit JournalFaults(int fsyncErrno = 0, int failingWrite = -1)
        : saved(std::exchange(CurrentAppendFileCalls(),
                              AppendFileCalls{Write, ftruncate, posix_fallocate, Map, Fsync, close}))
    {
        fsyncs = writes = 0;
        fsyncError = fsyncErrno;
        failedWrite = failingWrite;
        mapping = failingWrite < 0;
    }
    ~JournalFaults() { CurrentAppendFileCalls() = saved; }
    JournalFaults(const JournalFaults&) = delete;
    JournalFaults& operator=(const JournalFaults&) = delete;

    static ssize_t Write(int fd, const void* data, std::size_t count)
    {
        if (writes++ == failedWrite) {
            errno = ENOSPC;
            return -1;
        }
        return write(fd, data, count);
    }
    static void* Map(void* address, std::size_t length, int protection, int flags, int fd, off_t offset)
    {
        if (mapping)
            return mmap(address, length, protection, flags, fd, offset);
        errno = ENODEV;
        return MAP_FAILED;
    }
    static int Fsync(int fd)
    {
        ++fsyncs;
        if (fsyncError == 0)
            return fsync(fd);
        errno = fsyncError;
        return -1;
    }

    AppendFileCalls saved;
};

// Small files in a folder of the test's own, the journal's path beside them.
struct Batch {
    explicit Batch(std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i) {
            files.push_back(dir / (std::string(1, static_cast<char>('a' + i)) + ".wav"));
            WriteFile(files.back(), clitest::SimpleWave());
        }
    }

    TempDir dir;
    std::vector<std::string> files;
    std::string journal = dir / "j.jsonl";
};

std::vector<std::string> Lines(const Bytes& bytes)
{
    std::vector<std::string> lines;
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace

// One fsync makes a batch's journal durable, in the journal folder or a
// named file; when it fails the batch says its undo may be incomplete and
// exits 1, while the journal still lists every change and undoes it.
TEST(CliEngine, TheJournalIsMadeDurableOnceAndAFailedFsyncIsReported)
{
    const struct {
        bool named;
        int fsyncError;
    } rows[] = {{false, 0}, {true, 0}, {true, EIO}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.named << " " << row.fsyncError);
        ScopedStateHome home;
        const Batch batch(3);
        const auto& files = batch.files;
        const std::string& journal = batch.journal;
        std::vector<std::string> args{"set", "--rate", "48000"};
        if (row.named)
            args.insert(args.end(), {"--journal", journal});
        Session set;
        int status = 0;
        {
            const JournalFaults faults(row.fsyncError);
            status = set.Run(clitest::Join(args, files), false, false);
            EXPECT_EQ(JournalFaults::fsyncs, 1);
        }
        for (const std::string& file : files)
            EXPECT_EQ(ReadFile(file), clitest::At48k()) << file;
        const std::string complaint = "quelbrook-cli: The journal " + journal
            + " could not be saved: input/output error. The batch may not be undone"
              " completely.\n";
        EXPECT_EQ(std::pair(status, set.err.str()),
                  row.fsyncError != 0 ? std::pair(1, complaint) : std::pair(0, std::string()));
        if (!row.named)
            continue;
        EXPECT_EQ(Lines(ReadFile(journal)).size(), files.size() + 1);
        Session undo;
        EXPECT_EQ(undo.Run({"undo", "--no-journal", journal}, false, false), 0) << undo.out.str();
        for (const std::string& file : files)
            EXPECT_EQ(ReadFile(file), clitest::SimpleWave()) << file;
    }
}

// A record that could not be written ends the journal: every later file is
// refused and left unchanged, even once writing works again, so the journal
// never has a gap or a torn line before a later record.
TEST(CliEngine, AFailedJournalRecordRefusesEveryLaterFile)
{
    for (const char* jobs : {"1", "3"}) {
        SCOPED_TRACE(jobs);
        const Batch batch(4);
        const auto& files = batch.files;
        const std::string& journal = batch.journal;
        Session set;
        int status = 0;
        {
            // Write 0 is the header, 1 the record of a.wav.
            const JournalFaults faults(0, 2);
            status = set.Run(clitest::Join({"set", "-j", jobs, "--journal", journal, "--rate", "48000"}, files), false,
                             false);
        }
        EXPECT_EQ(status, 1);
        EXPECT_EQ(ReadFile(files[0]), clitest::At48k());
        const std::string refused = "The journal " + journal
            + " could not be written: no space left on the device; the file was left unchanged";
        for (std::size_t i = 1; i < files.size(); ++i) {
            EXPECT_EQ(ReadFile(files[i]), clitest::SimpleWave()) << files[i];
            EXPECT_TRUE(Has(set.out.str(), files[i] + ": failed: " + refused + "\n")) << set.out.str();
        }
        const std::vector<std::string> lines = Lines(ReadFile(journal));
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_TRUE(Has(lines[1], "\"" + files[0] + "\"")) << lines[1];
    }
}

// A close that reports an error after the write (a network file system's
// delayed write error) while the file holds the new bytes: changed, and
// restored, with the error as a warning.
TEST(CliEngine, AFailedCloseIsAWarningWhenTheFileHoldsTheWrite)
{
    TempDir dir;
    const std::string file = dir / "f.wav", journal = dir / "j.jsonl";
    WriteFile(file, clitest::SimpleWave());
    Session set, undo;
    const FileCalls saved = std::exchange(CurrentFileCalls(), FileCalls{pread, pwrite, [](int fd) {
                                                                            close(fd);
                                                                            errno = EIO;
                                                                            return -1;
                                                                        }});
    const int setStatus = set.Run({"set", "--json", "--journal", journal, "--rate", "48000", file}, false, false);
    const bool changed = ReadFile(file) == clitest::At48k();
    const int undoStatus = undo.Run({"undo", "--no-journal", journal}, false, false);
    CurrentFileCalls() = saved;

    const auto entry = nlohmann::json::parse(set.out.str()).at(0);
    EXPECT_EQ(std::tuple(setStatus, changed, entry["status"], entry.contains("message")),
              std::tuple(0, true, "changed", false));
    const std::string warning = "Closing " + file
        + " reported an error (A hardware I/O error was reported while accessing " + file
        + " (input/output error)), but reading it again found the new values in place.";
    EXPECT_EQ(entry.value("warning", ""), warning);
    EXPECT_EQ(undoStatus, 0);
    EXPECT_TRUE(Has(undo.out.str(), file + ": restored (warning: " + warning + ")\n1 restored,")) << undo.out.str();
    EXPECT_EQ(ReadFile(file), clitest::SimpleWave());
}
