#pragma once

// Runs the built tool in a process of its own, as POSIX systems start it.

#include "CliTestSupport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace clitest {

struct ToolRun {
    int status = -1;  // exit status; -1 when the tool did not exit normally
    std::string out, err;

    nlohmann::json Json() const { return nlohmann::json::parse(out); }
};

enum class Sink { File, Full, ClosedPipe };

// Runs the tool with standard input from inputPath (/dev/null: never a
// terminal to ask on) and standard output to a file, /dev/full, or a pipe
// whose reader has gone; through the command as (for example one that drops
// privileges) when given.
inline ToolRun RunTool(std::vector<std::string> args, const std::vector<std::string>& as = {}, Sink sink = Sink::File,
                       const std::string& inputPath = "/dev/null")
{
    static testwav::TempDir io;
    const std::string outPath = io / "stdout";
    const std::string errPath = io / "stderr";
    testwav::WriteFile(outPath, {});
    int pipeEnds[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inputPath.c_str(), O_RDONLY, 0);
    if (sink == Sink::ClosedPipe && pipe2(pipeEnds, O_CLOEXEC) == 0) {
        close(pipeEnds[0]);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, sink == Sink::Full ? "/dev/full" : outPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    args.insert(args.begin(), QUELBROOK_CLI_BINARY);
    args.insert(args.begin(), as.begin(), as.end());
    std::vector<char*> argv;
    for (std::string& word : args)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    ToolRun run;
    pid_t pid = 0;
    int wstatus = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0 && waitpid(pid, &wstatus, 0) == pid
        && WIFEXITED(wstatus))
        run.status = WEXITSTATUS(wstatus);
    posix_spawn_file_actions_destroy(&actions);
    if (pipeEnds[1] >= 0)
        close(pipeEnds[1]);
    run.out = testwav::ReadText(outPath);
    run.err = testwav::ReadText(errPath);
    return run;
}

}  // namespace clitest
