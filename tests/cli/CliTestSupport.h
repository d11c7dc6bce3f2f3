#pragma once

// Runs the built quelbrook-cli on files made by the test.

#include "StateHome.h"
#include "WavBuilder.h"
#include "cli/RunCli.h"

#include <nlohmann/json.hpp>

#include <atomic>
#include <chrono>
#include <sstream>
#include <string>
#include <vector>

namespace clitest {

inline bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// A small PCM file: format, then a data chunk; At48k is it after --rate 48000.
inline testwav::Bytes SimpleWave(const testwav::Fmt& fmt = {})
{
    return testwav::WavBuilder().Fmt(fmt).Chunk("data", testwav::Pattern(64)).Build();
}
inline testwav::Bytes At48k()
{
    return SimpleWave({1, 2, 48000, 192000, 4, 16});
}

// args followed by paths.
inline std::vector<std::string> Join(std::vector<std::string> args, const std::vector<std::string>& paths)
{
    args.insert(args.end(), paths.begin(), paths.end());
    return args;
}

// The tool run in-process on string streams.
struct Session {
    std::istringstream in;
    std::ostringstream out, err;

    int Run(const std::vector<std::string>& args, bool inputIsTerminal, bool errorIsTerminal,
            const std::atomic<bool>* interrupted = nullptr)
    {
        return RunCli(
            args, {in, out, err, inputIsTerminal, errorIsTerminal, false, std::chrono::milliseconds(0), interrupted});
    }
};

}  // namespace clitest
