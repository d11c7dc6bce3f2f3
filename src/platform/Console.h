#pragma once

#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

// The command-line tool's view of its process: arguments, the three standard
// streams and Ctrl-C. Text is UTF-8 on every system.
enum class ConsoleStream { Input, Output, Error };

// The program's arguments (without its own name) as UTF-8.
std::vector<std::string> ConsoleArguments(int argc, char** argv);

// The stream is a terminal (a console window), not a file or a pipe.
bool IsTerminal(ConsoleStream stream);

// Why a write to Output or Error stopped.
struct ConsoleWriteFailure {
    bool failed = false;
    // The reader went away (a closed pipe): it wanted no more, nothing to report.
    bool readerGone = false;
    std::string text;  // the system's words
};

// Writes all of data unless the stream fails. UTF-8 shows as such on a
// terminal whatever its code page.
bool WriteToConsole(ConsoleStream stream, const char* data, std::size_t size, ConsoleWriteFailure& failure);

// From now on the first Ctrl-C sets interrupted (and ends a ReadConsoleLine
// waiting for an answer) and the second ends the program at once. A closed
// pipe shows as a failed write instead of ending the program.
void InstallInterruptHandler(std::atomic<bool>& interrupted);

// Reads one line (without its end) that the user types at standard input, a
// terminal. False at the end of input, on a failed read, or once Ctrl-C was
// pressed, also while it waits: the line typed so far is then dropped.
bool ReadConsoleLine(std::string& line);
