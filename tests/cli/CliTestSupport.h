#pragma once

// Runs the built quelbrook-cli on files made by the test.

#include "WavBuilder.h"

#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

namespace clitest {

struct ToolRun {
    int status = -1;  // exit status; -1 when the tool did not exit normally
    std::string out;
    std::string err;

    nlohmann::json Json() const { return nlohmann::json::parse(out); }
};

// Runs the tool with standard input from /dev/null, so it never has a terminal to ask on.
inline ToolRun RunTool(const std::vector<std::string>& args)
{
    static testwav::TempDir io;
    const std::string outPath = io / "stdout";
    const std::string errPath = io / "stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

    std::vector<std::string> words{QUELBROOK_CLI_BINARY};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    ToolRun run;
    pid_t pid = 0;
    if (posix_spawn(&pid, QUELBROOK_CLI_BINARY, &actions, nullptr, argv.data(), environ) == 0) {
        int wstatus = 0;
        waitpid(pid, &wstatus, 0);
        run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    const testwav::Bytes out = testwav::ReadFile(outPath);
    const testwav::Bytes err = testwav::ReadFile(errPath);
    run.out.assign(out.begin(), out.end());
    run.err.assign(err.begin(), err.end());
    return run;
}

// A small PCM file: format, optional extra chunks, then a data chunk.
inline testwav::Bytes SimpleWave(const testwav::Fmt& fmt = {})
{
    return testwav::WavBuilder().Fmt(fmt).Chunk("data", testwav::Pattern(64)).Build();
}

// The file as the rewrite must leave it: only bytes 10-23 of "fmt " replaced.
inline testwav::Bytes WithFields(testwav::Bytes bytes, std::size_t fmtOffset, const testwav::Fmt& fmt)
{
    testwav::Bytes fields;
    testwav::PutLe(fields, fmt.channels, 2);
    testwav::PutLe(fields, fmt.sampleRate, 4);
    testwav::PutLe(fields, fmt.avgBytesPerSec, 4);
    testwav::PutLe(fields, fmt.blockAlign, 2);
    testwav::PutLe(fields, fmt.bitsPerSample, 2);
    std::copy(fields.begin(), fields.end(), bytes.begin() + static_cast<std::ptrdiff_t>(fmtOffset + 10));
    return bytes;
}

}  // namespace clitest
