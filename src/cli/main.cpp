#include "cli/RunCli.h"

#include <exception>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    // Standard output is written in large blocks when it is not a terminal.
    std::ios::sync_with_stdio(false);
    try {
        const std::vector<std::string> args(argc > 0 ? argv + 1 : argv, argv + argc);
        const CliEnvironment environment{std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) == 1,
                                         isatty(STDERR_FILENO) == 1, isatty(STDOUT_FILENO) == 1};
        return RunCli(args, environment);
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << "quelbrook-cli: " << e.what() << '\n';
        return 1;
    }
}
