// Ctrl-C typed on a real terminal (a pseudo-terminal) while the tool waits
// for the answer to its write-protect question.
#include "CliTestSupport.h"
#include "SystemHelpers.h"
#include "Watchdog.h"

#include "journal/CJournalReader.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using namespace testwav;

namespace {

// The tool in a session of its own, the terminal its standard input and
// error, its report in a file.
class CToolOnTerminal {
public:
    CToolOnTerminal(std::vector<std::string> args, const std::string& reportPath)
    {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            return;
        const std::string terminal = ptsname(master);
        args.insert(args.begin(), QUELBROOK_CLI_BINARY);
        std::vector<char*> argv;
        for (std::string& word : args)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        pid = fork();
        if (pid == 0) {
            // Only async-signal-safe calls between fork and exec.
            sigset_t none;
            sigemptyset(&none);
            sigprocmask(SIG_SETMASK, &none, nullptr);
            setsid();
            const int tty = open(terminal.c_str(), O_RDWR);
            const int report = open(reportPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (tty < 0 || report < 0 || ioctl(tty, TIOCSCTTY, 0) != 0 || dup2(tty, 0) < 0 || dup2(report, 1) < 0
                || dup2(tty, 2) < 0)
                _exit(127);
            execv(argv[0], argv.data());
            _exit(127);
        }
    }
    ~CToolOnTerminal()
    {
        if (pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (master >= 0)
            close(master);
    }
    CToolOnTerminal(const CToolOnTerminal&) = delete;
    CToolOnTerminal& operator=(const CToolOnTerminal&) = delete;

    // Reads what the tool shows until text appears; false when the terminal
    // closes or limit passes first.
    bool WaitFor(const std::string& text, std::chrono::milliseconds limit)
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!clitest::Has(shown, text)) {
            const auto left
                = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
            if (left <= 0ms || !ReadShown(left))
                return false;
        }
        return true;
    }

    void Type(const std::string& keys) { ASSERT_EQ(write(master, keys.data(), keys.size()), ssize_t(keys.size())); }

    // The exit status once the tool ends within limit; -1 when it does not
    // (it is ended then) or ends otherwise.
    int Wait(std::chrono::milliseconds limit)
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        int status = 0;
        while (waitpid(pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > end) {
                kill(pid, SIGKILL);
                waitpid(pid, nullptr, 0);
                pid = -1;
                return -1;
            }
            ReadShown(10ms);
        }
        pid = -1;
        while (ReadShown(0ms)) {}
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string shown;  // everything the terminal showed

private:
    bool ReadShown(std::chrono::milliseconds limit)
    {
        pollfd wait{master, POLLIN, 0};
        if (poll(&wait, 1, int(limit.count())) <= 0)
            return limit > 0ms;  // nothing yet is no end
        char buffer[4096];
        const ssize_t got = read(master, buffer, sizeof buffer);
        if (got <= 0)
            return false;
        shown.append(buffer, std::size_t(got));
        return true;
    }

    int master = -1;
    pid_t pid = -1;
};

TEST(CliTerminal, CtrlCDuringTheWriteProtectQuestionAnswersNoAndEndsTheRunAtOnce)
{
    for (const std::string jobs : {"1", "4"}) {
        testwait::FinishesWithin(60s, jobs + " jobs", [&] {
            SCOPED_TRACE(jobs + " jobs");
            TempDir dir;
            const std::string journalPath = dir / "batch.jsonl";
            std::vector<std::string> args = {"set", "--json", "--rate", "48000", "-j", jobs, "--journal", journalPath};
            for (int i = 0; i < 12; ++i) {
                args.push_back(dir / ("f" + std::to_string(i) + ".wav"));
                WriteFile(args.back(), clitest::SimpleWave());
                testsys::SetReadOnly(args.back(), true);
            }
            CToolOnTerminal tool(args, dir / "report.json");
            ASSERT_TRUE(tool.WaitFor("[y/N] ", 20s)) << tool.shown;
            tool.Type("\x03");
            // Before, the tool went on waiting for a key.
            ASSERT_EQ(tool.Wait(5s), 130) << tool.shown;
            // One question only: the files still in flight were not asked about.
            EXPECT_EQ(tool.shown.find("write protected"), tool.shown.rfind("write protected")) << tool.shown;
            EXPECT_TRUE(clitest::Has(tool.shown, "interrupted")) << tool.shown;
            const auto report = nlohmann::json::parse(ReadText(dir / "report.json"));
            ASSERT_GE(report.size(), 1u);
            // Files in flight beside the asked one are reported; with one job that is none.
            EXPECT_TRUE(jobs != "1" || report.size() == 1) << report;
            for (const auto& file : report)
                EXPECT_EQ(file["status"], "skipped") << file;
            for (std::size_t i = 8; i < args.size(); ++i) {
                EXPECT_EQ(ReadFile(args[i]), clitest::SimpleWave()) << args[i];
                struct stat mode {};
                EXPECT_TRUE(stat(args[i].c_str(), &mode) == 0 && (mode.st_mode & S_IWUSR) == 0) << args[i];
            }
            CJournalReader journal;
            ASSERT_TRUE(journal.Open(journalPath)) << RenderEnglish(journal.Failure());
            EXPECT_EQ(journal.RecordCount(), 0u);
        });
    }
}

}  // namespace
