#pragma once

#include "CliInvocation.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// Exit statuses of the tool.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFileProblem = 1;  // a file failed or was skipped
inline constexpr int ExitUsage = 2;

struct ParsedCommandLine {
    std::optional<CliInvocation> invocation;  // empty: nothing to run
    int exitStatus = ExitSuccess;  // when there is nothing to run
};

// Parses the arguments that follow the program name. Help and the version go
// to out, usage errors (naming the problem) to err.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
