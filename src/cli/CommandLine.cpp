#include "CommandLine.h"

#include "CParallelRunner.h"
#include "Version.h"

#include "journal/JournalFormat.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <ostream>

namespace {

using Command = CliInvocation::Command;

// Indexed by Command.
constexpr std::array<const char*, 3> CommandNames = {"info", "set", "undo"};
static_assert(CommandNames.size() == static_cast<std::size_t>(Command::Count));

const char* NameOf(Command command)
{
    return CommandNames[static_cast<std::size_t>(command)];
}

// "info, set and undo".
std::string ListOfCommands()
{
    std::string list;
    for (std::size_t i = 0; i < CommandNames.size(); ++i) {
        list += (i == 0 ? "" : i + 1 == CommandNames.size() ? " and " : ", ");
        list += CommandNames[i];
    }
    return list;
}

// Accepts plain decimal numbers from 1 to max only. CLI11 alone would read
// "010" as octal and "0x10" as hex, which is no way to give a sample rate.
CLI::Validator WholeNumber(std::uint64_t max)
{
    const std::string range = "1 to " + std::to_string(max);
    return CLI::Validator(
        [max, range](std::string& value) -> std::string {
            const bool digits = !value.empty()
                && std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (!digits) {
                return "\"" + value + "\" is not a whole number from " + range;
            }
            const auto first = value.find_first_not_of('0');
            value = first == std::string::npos ? "0" : value.substr(first);
            std::uint64_t number = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
            if (error != std::errc() || end != value.data() + value.size() || number < 1 || number > max) {
                return value + " is out of range (" + range + ")";
            }
            return {};
        },
        "");
}

template <typename T>
void AddNumberOption(CLI::App& command, const std::string& name, const std::string& typeName, std::optional<T>& target,
                     const std::string& help)
{
    constexpr T max = std::numeric_limits<T>::max();
    command
        .add_option_function<T>(
            name, [&target](const T& value) { target = value; }, help + " (1 to " + std::to_string(max) + ")")
        ->type_name(typeName)
        ->transform(WholeNumber(max));
}

// More files in flight than this gains nothing even on the slowest share.
constexpr std::uint64_t MaxJobs = 1024;

void AddJobsOption(CLI::App& command, CliInvocation& invocation)
{
    command
        .add_option_function<unsigned>(
            "-j,--jobs", [&invocation](const unsigned& value) { invocation.jobs = value; },
            "Files in flight at once (1 to " + std::to_string(MaxJobs) + "; default: the number of processors, "
                + std::to_string(DefaultJobs()) + " here)")
        ->type_name("N")
        ->transform(WholeNumber(MaxJobs));
}

void AddFollowLinksOption(CLI::App& command, CliInvocation& invocation)
{
    command.add_flag("--follow-links", invocation.followLinks,
                     "Follow every symbolic link in the paths named, also when run as root (root otherwise "
                     "follows only links that root owns)");
}

// set and undo: each batch that writes journals itself.
void AddJournalOptions(CLI::App& command, CliInvocation& invocation)
{
    command.add_option("--journal", invocation.journalFile, "Write the journal of this batch to FILE (replaced)")
        ->type_name("FILE");
    command.add_flag("--no-journal", invocation.noJournal, "Write no journal: the batch cannot be undone")
        ->excludes("--journal");
}

void AddJsonFlag(CLI::App& command, CliInvocation& invocation)
{
    command.add_flag("--json", invocation.json, "Write one JSON array, one object per file, to standard output");
}

// set and undo: the options of every command that writes.
void AddWriteOptions(CLI::App& command, CliInvocation& invocation)
{
    command.add_flag("--clear-readonly", invocation.clearReadOnly,
                     "Clear the read-only mark of write-protected files without asking");
    AddJournalOptions(command, invocation);
    command.add_flag("--keep-times", invocation.keepTimes, "Put back each file's access and modification times");
}

void AddCommonOptions(CLI::App& command, CliInvocation& invocation)
{
    AddJsonFlag(command, invocation);
    command.add_flag("-r,--recursive", invocation.recursive,
                     "Search folders (without following symbolic links) for files ending in .wav in any case");
    command
        .add_option("--files-from", invocation.filesFrom,
                    "Also take the paths listed in FILE, one per line (- reads standard input)")
        ->type_name("FILE");
    command.add_flag("-0,--null", invocation.nullSeparated, "The --files-from list is separated by NUL bytes")
        ->needs("--files-from");
    AddJobsOption(command, invocation);
    AddFollowLinksOption(command, invocation);
    command.add_option("PATH", invocation.paths, "WAV files, or folders with -r");
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    CliInvocation invocation;
    invocation.jobs = DefaultJobs();
    CLI::App app{"Shows and rewrites the format header of WAV files in place, without touching the audio.",
                 CliProgramName};
    app.set_version_flag("--version", std::string(CliProgramName) + " " + QuelbrookVersion);
    app.require_subcommand(1);
    app.footer("Exit status: 0 when every file succeeded, 1 when a file failed or was skipped or the report could not "
               "be written, 2 for a usage error, 130 when interrupted.\n");

    CLI::App* info = app.add_subcommand(NameOf(Command::Info),
                                        "Show the format, Broadcast Wave time reference and Pro Tools regions");
    AddCommonOptions(*info, invocation);

    CLI::App* set = app.add_subcommand(
        NameOf(Command::Set),
        "Rewrite the format fields in place (fields not given are kept) and recompute the average byte rate");
    AddNumberOption(*set, "--rate", "HZ", invocation.sampleRate, "New sample rate in Hz");
    AddNumberOption(*set, "--channels", "N", invocation.channels, "New number of channels");
    AddNumberOption(*set, "--bits", "N", invocation.bitsPerSample, "New bits per sample");
    AddNumberOption(*set, "--block-align", "N", invocation.blockAlign,
                    "New block alignment (bytes per frame, all channels)");
    AddNumberOption(*set, "--bytes-per-sample", "N", invocation.bytesPerSample,
                    "Block alignment as N times the channel count after the change");
    set->get_option("--block-align")->excludes("--bytes-per-sample");
    set->add_flag("--recompute-byte-rate", invocation.recomputeByteRate,
                  "Correct the average byte rate (block alignment times sample rate) and nothing else");
    set->add_flag("--dry-run", invocation.dryRun, "Report what would be written; write nothing");
    AddWriteOptions(*set, invocation);
    set->add_flag("--no-preserve-root", invocation.noPreserveRoot, "Allow -r to search the root folder /");
    AddCommonOptions(*set, invocation);

    CLI::App* undo = app.add_subcommand(
        NameOf(Command::Undo),
        "Write back the bytes a batch changed, newest first, where the file still holds what it wrote");
    undo->add_flag("--dry-run", invocation.dryRun, "Report what would be restored; write nothing");
    AddJsonFlag(*undo, invocation);
    AddWriteOptions(*undo, invocation);
    AddJobsOption(*undo, invocation);
    AddFollowLinksOption(*undo, invocation);
    undo->add_option("JOURNAL", invocation.undoJournal, "The batch's journal (default: the newest batch)")
        ->type_name("FILE");

    // CLI11 would only say that a command is required.
    if (!args.empty() && !args.front().empty() && args.front().front() != '-'
        && std::find(CommandNames.begin(), CommandNames.end(), args.front()) == CommandNames.end()) {
        err << CliProgramName << ": unknown command \"" << args.front() << "\" (the commands are " << ListOfCommands()
            << ")\n"
            << "Run with --help for more information.\n";
        return {std::nullopt, ExitUsage};
    }

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e, out, err);
        return {std::nullopt, status == 0 ? ExitSuccess : ExitUsage};
    }

    invocation.command = set->parsed() ? Command::Set : undo->parsed() ? Command::Undo : Command::Info;
    if (!undo->parsed() && invocation.paths.empty() && !invocation.filesFrom) {
        err << CliProgramName << ": no file given (name files or folders, or --files-from a list)\n";
        return {std::nullopt, ExitUsage};
    }
    // Without a field a stray "set -r /" would still rewrite every file it found.
    if (set->parsed() && !invocation.sampleRate && !invocation.channels && !invocation.bitsPerSample
        && !invocation.blockAlign && !invocation.bytesPerSample && !invocation.recomputeByteRate) {
        err << CliProgramName << ": set needs a field to write: --rate, --channels, --bits, --block-align, "
            << "--bytes-per-sample, or --recompute-byte-rate for the average byte rate alone\n";
        return {std::nullopt, ExitUsage};
    }
    if (invocation.bytesPerSample && invocation.channels) {
        const unsigned align = unsigned{*invocation.bytesPerSample} * unsigned{*invocation.channels};
        if (align > std::numeric_limits<std::uint16_t>::max()) {
            err << CliProgramName << ": --bytes-per-sample " << *invocation.bytesPerSample << " times --channels "
                << *invocation.channels << " is " << align << ", above the largest block alignment (65535)\n";
            return {std::nullopt, ExitUsage};
        }
    }
    return {std::move(invocation), ExitSuccess};
}
