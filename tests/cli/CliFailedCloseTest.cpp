// A failed close injected into the POSIX system calls, driven through the
// tool's entry point.
#include "CliTestSupport.h"

#include "cli/RunCli.h"
#include "platform/posix/FileCalls.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sstream>
#include <utility>

#include <unistd.h>

using namespace testwav;
using clitest::Has;
using clitest::Session;

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
    const std::string warning = "Closing " + file + " reported an error (A hardware I/O error was reported while accessing "
                                + file + " (input/output error)), but reading it again found the new values in place.";
    EXPECT_EQ(entry.value("warning", ""), warning);
    EXPECT_EQ(undoStatus, 0);
    EXPECT_TRUE(Has(undo.out.str(), file + ": restored (warning: " + warning + ")\n1 restored,")) << undo.out.str();
    EXPECT_EQ(ReadFile(file), clitest::SimpleWave());
}
