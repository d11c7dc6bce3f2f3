#include "CliTestSupport.h"
#include "RunTool.h"

#include "Version.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <regex>

using namespace clitest;
using namespace testwav;
namespace fs = std::filesystem;
using json = nlohmann::json;

namespace {

struct CliTool : ::testing::Test {
    TempDir dir;
};

TEST_F(CliTool, InfoShowsFormatTimeReferenceAndRegionsAndWhatItCouldReadWithoutAFormat)
{
    WriteFile(
        dir / "full.wav",
        WavBuilder()
            .Fmt({1, 2, 48000, 288000, 6, 24})
            .Chunk("bext", BextContent(172'800'000))  // one hour at 48 kHz
            .Chunk("data", Pattern(33))
            .Chunk("regn",
                   RegnContent({{"Caf\xE9 1", -1, 24000, 48000, 12, 0}, {"Second", -1, 0, 4'294'967'295u, 0, 48000}}))
            .Build());
    WriteFile(dir / "plain.wav", SimpleWave());
    WriteFile(dir / "nofmt.wav",
              WavBuilder()
                  .Chunk("bext", BextContent(96000))
                  .Chunk("data", Pattern(16))
                  .Chunk("regn", RegnContent({{"Take", -1, 10, 20, 30, 40}}))
                  .Build());

    const auto run = RunTool({"info", "--json", dir / "full.wav", dir / "plain.wav", dir / "nofmt.wav"});
    EXPECT_EQ(run.status, 1) << run.err;
    auto report = run.Json();
    ASSERT_EQ(report.size(), 3u);
    const auto regions = report[0]["regions"];
    report[0].erase("regions");
    EXPECT_EQ(report[0],
              (json{{"path", dir / "full.wav"},
                    {"ok", true},
                    {"formatTag", 1},
                    {"channels", 2},
                    {"sampleRate", 48000},
                    {"avgBytesPerSec", 288000},
                    {"blockAlign", 6},
                    {"bitsPerSample", 24},
                    {"bextTimeReference", 172'800'000},
                    {"bextTimecode", "01:00:00:00::00"}}));
    ASSERT_EQ(regions.size(), 2u);
    EXPECT_EQ(regions[0],
              (json{{"name", "Caf\xC3\xA9 1"},
                    {"start", 24000},
                    {"end", 48000},
                    {"origTs", 0},
                    {"userTs", 12},
                    {"startTimecode", "00:00:00:15::00"},
                    {"endTimecode", "00:00:01:00::00"},
                    {"origTsTimecode", "00:00:00:00::00"},
                    {"userTsTimecode", "00:00:00:00::01"}}));
    EXPECT_EQ(std::tuple(regions[1]["endTimecode"], regions[1]["origTsTimecode"], report[1]["bextTimecode"],
                         report[1]["regions"]),
              std::tuple(json("00:51:18:14::45"), json("00:00:01:00::00"), json("(None)"), json::array()));

    EXPECT_EQ(std::tuple(report[2]["regions"].size(), report[2]["regions"][0]["userTs"]), std::tuple(1u, json(30)));
    report[2].erase("regions");
    EXPECT_EQ(report[2],
              (json{{"path", dir / "nofmt.wav"},
                    {"ok", false},
                    {"error", "no complete \"fmt \" chunk in " + dir / "nofmt.wav"},
                    {"formatTag", nullptr},
                    {"channels", nullptr},
                    {"sampleRate", nullptr},
                    {"avgBytesPerSec", nullptr},
                    {"blockAlign", nullptr},
                    {"bitsPerSample", nullptr},
                    {"bextTimeReference", 96000},
                    {"bextTimecode", "00:00:00:00::00"}}));
    EXPECT_TRUE(Has(RunTool({"info", dir / "nofmt.wav"}).out,
                    "failed: no complete \"fmt \" chunk in " + dir / "nofmt.wav"
                        + "; BWF time reference 96000 (00:00:00:00::00), 1 region\n  region 1 \"Take\": start 10"));
}

TEST_F(CliTool, SetRewritesOnlyTheFormatFields)
{
    // An extended "fmt " between other chunks, an odd "data" with its pad byte and a "regn" after it.
    const auto file = [](const Fmt& fmt) {
        return WavBuilder()
            .Chunk("JUNK", Pattern(14, 7))
            .Fmt(fmt, Extension(7, 9))
            .Chunk("bext", BextContent(5))
            .Chunk("data", Pattern(101, 3))
            .Chunk("regn", RegnContent({{"r", -1, 1, 2, 3, 4}}))
            .Build();
    };
    WriteFile(dir / "a.wav", file({}));
    const auto run = RunTool({"set", "--json", "--rate", "48000", "--bits", "24", "--block-align", "6", dir / "a.wav"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(dir / "a.wav"), file({1, 2, 48000, 288000, 6, 24}));
    const auto entry = run.Json()[0];
    EXPECT_EQ(std::tuple(entry["status"], entry["before"]["sampleRate"], entry["after"]["avgBytesPerSec"]),
              std::tuple(json("changed"), json(44100), json(288000)));

    // Bytes per sample is per channel, after any channel change.
    for (const auto& [before, channels, after] :
         {std::tuple{Fmt{1, 1, 44100, 88200, 2, 16}, "", Fmt{1, 1, 44100, 132300, 3, 16}},
          {Fmt{}, "", Fmt{1, 2, 44100, 264600, 6, 16}},
          {Fmt{}, "1", Fmt{1, 1, 44100, 132300, 3, 16}},
          {Fmt{1, 30000, 44100, 0, 4, 16}, "", Fmt{1, 30000, 44100, 0, 4, 16}}}) {
        WriteFile(dir / "b.wav", SimpleWave(before));
        RunTool(Join({"set", "--bytes-per-sample", "3", dir / "b.wav"},
                     *channels ? std::vector<std::string>{"--channels", channels} : std::vector<std::string>{}));
        EXPECT_EQ(ReadFile(dir / "b.wav"), SimpleWave(after)) << channels;
    }
    EXPECT_TRUE(Has(RunTool({"set", "--bytes-per-sample", "3", dir / "b.wav"}).out,
                    "3 bytes per sample times 30000 channels is above the largest block alignment"));

    // 5.1 to four channels: the report carries the extension's fields, and the mask follows (the bytes are the engine's to check).
    WriteFile(dir / "s.wav",
              WavBuilder().Fmt({0xFFFE, 6, 48000, 288000, 6, 24}, Extension(24, 0x3F)).Chunk("data", {}).Build());
    const auto ext = RunTool({"set", "--json", "--channels", "4", dir / "s.wav"}).Json()[0];
    EXPECT_EQ(
        std::tuple(ext["before"]["validBitsPerSample"], ext["before"]["channelMask"], ext["after"]["channelMask"]),
        std::tuple(json(24), json(0x3F), json(0xF)));
    EXPECT_TRUE(Has(RunTool({"info", dir / "s.wav"}).out,
                    "4 ch, 24 bit, align 6, 288000 B/s, valid 24 bit, channel mask 0xf,"));
    const auto shown = RunTool({"info", "--json", dir / "s.wav"}).Json()[0];
    EXPECT_EQ(std::tuple(shown["validBitsPerSample"], shown["channelMask"], shown["bextTimeReference"]),
              std::tuple(json(24), json(0xF), json(0)));
}

TEST_F(CliTool, DryRunsAndReadOnlyFilesChangeNothing)
{
    const Bytes original = SimpleWave();
    WriteFile(dir / "a.wav", original);
    WriteFile(dir / "ro.wav", original);
    ASSERT_EQ(chmod((dir / "ro.wav").c_str(), 0444), 0);
    const auto modified = fs::last_write_time(dir / "a.wav");

    // Leading zeros are decimal, not octal.
    const auto run = RunTool({"set", "--dry-run", "--json", "--rate", "096000", dir / "a.wav", dir / "ro.wav"});
    EXPECT_EQ(run.status, 1) << run.err;
    auto report = run.Json();
    EXPECT_EQ(std::tuple(report[0]["status"], report[0]["after"]["avgBytesPerSec"], report[1]["status"]),
              std::tuple(json("would change"), json(384000), json("skipped")));
    const auto clear
        = RunTool({"set", "--dry-run", "--clear-readonly", "--json", "--rate", "48000", dir / "ro.wav"}).Json()[0];
    EXPECT_EQ(std::pair(clear["status"], Has(clear["message"], "the read-only mark would be cleared")),
              std::pair(json("would change"), true));
    EXPECT_EQ(std::tuple(ReadFile(dir / "a.wav"), ReadFile(dir / "ro.wav"), fs::last_write_time(dir / "a.wav"),
                         fs::status(dir / "ro.wav").permissions()),
              std::tuple(original, original, modified, fs::perms(0444)));

    report = RunTool({"set", "--json", "--rate", "48000", dir / "ro.wav", dir / "a.wav"}).Json();
    EXPECT_EQ(std::tuple(report[0]["status"], report[1]["status"], Has(report[0]["message"], "write protected")),
              std::tuple(json("skipped"), json("changed"), true));
    EXPECT_EQ(RunTool({"set", "--clear-readonly", "--rate", "48000", dir / "ro.wav"}).status, 0);
    EXPECT_EQ(std::pair(ReadFile(dir / "ro.wav"), fs::status(dir / "ro.wav").permissions()),
              std::pair(At48k(), fs::perms(0644)));

    // Another user may read the file but not write it: the dry run fails as the real run does.
    if (geteuid() != 0 || access("/usr/bin/setpriv", X_OK) != 0)
        GTEST_SKIP() << "cannot run as another user here";
    ASSERT_EQ(chmod(dir.Path().c_str(), 0711), 0);
    for (const char* mode : {"--dry-run", "--no-journal"}) {  // the other user has no journal folder here
        const auto other = RunTool({"set", mode, "--json", "--rate", "44100", dir / "a.wav"},
                                   {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"});
        EXPECT_EQ(std::pair(other.status, Has(other.Json()[0]["message"], "could not be opened - code: 5")),
                  std::pair(1, true))
            << other.err;
    }
    EXPECT_EQ(ReadFile(dir / "a.wav"), At48k());
}

TEST_F(CliTool, UsageErrorsNameTheProblemAndTouchNoFile)
{
    WriteFile(dir / "a.wav", SimpleWave());
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"set", "--rate", "abc"}, "--rate"},
        {{"set", "--rate", "4294967296"}, "--rate"},
        {{"set", "--rate", "-1"}, "--rate"},
        {{"set", "--channels", "0"}, "--channels"},
        {{"set", "--channels", "65536"}, "--channels"},
        {{"set", "--bits", "1.5"}, "--bits"},
        {{"set", "--block-align", "4", "--bytes-per-sample", "2"}, "--bytes-per-sample"},
        {{"set", "--bytes-per-sample", "32768", "--channels", "2"}, "--bytes-per-sample"},
        {{"set", "--frobnicate"}, "--frobnicate"},
        {{"info", "--rate", "48000"}, "--rate"},
        {{"convert"}, "convert"},
        {{"set", "--dry-run"}, "--recompute-byte-rate"},
        {{"info", "-j", "0"}, "--jobs"},
        {{"set", "--jobs", "two", "--rate", "1"}, "--jobs"},
        {{"info", "-0"}, "--files-from"},
        {{"info", "--files-from", dir / "no-list"}, "no-list"},
    };
    for (auto [args, named] : cases) {
        args.push_back(dir / "a.wav");
        const auto run = RunTool(args);
        EXPECT_EQ(std::tuple(run.status, Has(run.err, named), run.out), std::tuple(2, true, ""))
            << args[1] << ": " << run.err;
    }
    EXPECT_EQ(RunTool({"set", "--rate", "48000"}).status, 2);  // no path, no list
    EXPECT_EQ(RunTool({}).status, 2);
    EXPECT_EQ(ReadFile(dir / "a.wav"), SimpleWave());

    const auto version = RunTool({"--version"});
    EXPECT_EQ(std::pair(version.status, version.out),
              std::pair(0, std::string("quelbrook-cli ") + QuelbrookVersion + "\n"));
}

// Has a hard ctest time-out: a FIFO opened for reading would wait for a writer forever.
TEST_F(CliTool, UnusableFilesFailTheRunUnchangedAndWithoutHanging)
{
    WriteFile(dir / "good.wav", SimpleWave({1, 2, 44100, 12345, 4, 16}));
    const Bytes noFmt = WavBuilder().Chunk("data", Pattern(16)).Build();
    WriteFile(dir / "nofmt.wav", noFmt);
    // The chunk's fields would run past the end: writing them would grow the file.
    Bytes cut = SimpleWave();
    cut.resize(12 + 8 + 10);
    WriteFile(dir / "cut.wav", cut);
    ASSERT_EQ(mkfifo((dir / "pipe.wav").c_str(), 0644), 0);
    fs::create_directory(dir / "folder.wav");
    // The byte-rate-only correction is asked for by name.
    const std::string format = "44100 Hz, 2 ch, 16 bit, align 4, ";
    for (const auto& [command, summary, line] :
         {std::tuple{"info", "1 file read, 5 failed", "format 1, " + format + "12345 B/s, BWF time reference 0 (None)"},
          std::tuple{"set", "1 changed, 5 failed, 0 skipped", "changed: " + format + "12345 B/s -> " + format}}) {
        const auto run
            = RunTool({command, std::string(command) == "set" ? "--recompute-byte-rate" : "-j1", dir / "good.wav",
                       dir / "missing.wav", dir / "nofmt.wav", dir / "cut.wav", dir / "pipe.wav", dir / "folder.wav"});
        EXPECT_EQ(run.status, 1);
        for (const std::string& part : {dir / "good.wav: " + line, dir / "missing.wav" + " was not found.",
                                        "no complete \"fmt \" chunk in " + dir / "nofmt.wav",
                                        dir / "pipe.wav" + " could not be opened - code: 6 (it is not a regular file)",
                                        dir / "folder.wav" + " is a folder", std::string(summary)})
            EXPECT_TRUE(Has(run.out, part)) << command << ": " << run.out;
    }
    EXPECT_EQ(std::tuple(ReadFile(dir / "nofmt.wav"), ReadFile(dir / "cut.wav"), ReadFile(dir / "good.wav")),
              std::tuple(noFmt, cut, SimpleWave()));
}

// Every kind of file a batch meets, in an order that mixes them: with
// several jobs their outcomes finish out of order.
std::vector<std::string> MakeCorpus(const std::string& folder)
{
    fs::create_directories(folder + "/sub");
    std::vector<std::string> paths;
    for (int i = 0; i < 48; ++i) {
        const std::string& path
            = paths.emplace_back(folder + (i % 7 == 3 ? "/sub/" : "/") + "take " + std::to_string(i) + ".wav");
        // 4: read-only; 5: missing; 6: a folder; 7: not a wave file.
        const Bytes contents[] = {SimpleWave(),
                                  SimpleWave({1, 1, 22050, 1, 3, 24}),
                                  WavBuilder()
                                      .Fmt({})
                                      .Chunk("bext", BextContent(std::uint64_t(i) * 1000))
                                      .Chunk("data", Pattern(40))
                                      .Chunk("regn", RegnContent({{"r", -1, 1, 2, 3, 4}}))
                                      .Build(),
                                  WavBuilder().Chunk("data", Pattern(16)).Build(),
                                  SimpleWave({1, 6, 96000, 0, 12, 16}),
                                  {},
                                  {},
                                  Pattern(std::size_t(i) * 9)};
        if (i % 8 == 6)
            fs::create_directory(path);
        else if (i % 8 != 5)
            WriteFile(path, contents[i % 8]);
        if (i % 8 == 4)
            chmod(path.c_str(), 0444);
    }
    // One file under five names side by side: with several jobs each must
    // still read what the one before wrote.
    fs::create_hard_link(folder + "/take 0.wav", folder + "/take 0 linked.wav");
    for (const char* name :
         {"/take 0 linked.wav", "/./take 0.wav", "//take 0.wav", "/sub/../take 0.wav", "/take 0.wav"})
        paths.push_back(folder + name);
    paths.push_back(folder + "/sub");  // with -r: searched, otherwise a folder given as a file
    return paths;
}

TEST_F(CliTool, ManyJobsReportExactlyAsOneJob)
{
    const auto serial = MakeCorpus(dir / "serial");
    const auto parallel = MakeCorpus(dir / "parallel");
    const std::vector<std::vector<std::string>> commands
        = {{"info"},
           {"info", "--json", "-r"},
           {"set", "--dry-run", "--bits", "24"},
           {"set", "--json", "--channels", "1", "--bytes-per-sample", "2"},
           {"set", "--rate", "48000", "-r"}};
    for (const auto& command : commands) {
        const auto one = RunTool(Join(Join(command, {"-j", "1"}), serial));
        const auto many = RunTool(Join(Join(command, {"--jobs", "8"}), parallel));
        EXPECT_EQ(std::tuple(many.status, std::regex_replace(many.out, std::regex("/parallel/"), "/serial/"), many.err),
                  std::tuple(one.status, one.out, one.err))
            << command[0];
    }
    for (std::size_t i = 0; i < serial.size(); ++i)
        EXPECT_EQ(fs::is_regular_file(parallel[i]) ? ReadFile(parallel[i]) : Bytes{},
                  fs::is_regular_file(serial[i]) ? ReadFile(serial[i]) : Bytes{})
            << serial[i];
}

// Two batches at once over the same files, one changing the rate and one the
// resolution, on slow storage so that they meet: every file ends with both
// changes. A file named a second time through a link in the same batch
// shares that batch's lock instead of waiting for itself (registered with a
// time-out).
TEST_F(CliTool, ConcurrentBatchesKeepEachOthersChanges)
{
    if (std::string(QUELBROOK_LATENCY_LIBRARY).empty())
        GTEST_SKIP() << "built without the benchmarks' slow-storage library";
    std::vector<std::string> files, names;
    for (int i = 0; i < 300; ++i) {
        files.push_back(dir / ("f" + std::to_string(i) + ".wav"));
        WriteFile(files.back(), SimpleWave());
        names.push_back(files.back());
        if (i % 10 == 0) {
            names.push_back(dir / ("link" + std::to_string(i) + ".wav"));
            fs::create_hard_link(files.back(), names.back());
        }
    }
    const std::string both = "\"$@\" --rate 48000 --journal " + dir / "1.jsonl"
        + " >/dev/null & a=$!; \"$@\" --bits 24 "
          "--journal "
        + dir / "2.jsonl" + " >/dev/null & b=$!; wait $a && wait $b";
    for (int round = 0; round < 2; ++round) {
        for (const std::string& file : files)
            WriteFile(file, SimpleWave());
        const auto run = RunTool(
            Join({"set", "-j", "4"}, names),
            {"env", "QUELBROOK_LATENCY_US=500", "LD_PRELOAD=" QUELBROOK_LATENCY_LIBRARY, "sh", "-c", both, "sh"});
        ASSERT_EQ(run.status, 0) << run.err;
        const auto lost = std::ranges::count_if(files, [](const std::string& f) {
            return ReadFile(f) != SimpleWave({1, 2, 48000, 192000, 4, 24});
        });
        EXPECT_EQ(lost, 0) << "round " << round;
    }
}

TEST_F(CliTool, AnUnwritableReportFailsTheRunAndStopsIt)
{
    // Enough files that the report outgrows the output buffer well before the end.
    std::vector<std::string> args = {"set", "--rate", "48000", "-j", "1"};
    for (int i = 0; i < 600; ++i)
        args.push_back(dir / ("take" + std::to_string(i) + ".wav"));
    for (const auto sink : {Sink::Full, Sink::ClosedPipe}) {
        for (std::size_t i = 5; i < args.size(); ++i)
            WriteFile(args[i], SimpleWave());
        const auto run = RunTool(args, {}, sink);
        // A reader that went away wants no more: it ends quietly.
        EXPECT_EQ(std::pair(run.status, run.err),
                  std::pair(1,
                            std::string(sink == Sink::Full
                                            ? "quelbrook-cli: the report could not be written to standard output: "
                                              "No space left on device\n"
                                            : "")));
        // Stopped between files: the changed ones come first, whole.
        std::size_t changed = 0;
        for (std::size_t i = 5; i < args.size(); ++i) {
            const Bytes now = ReadFile(args[i]);
            EXPECT_TRUE(now == SimpleWave() || (now == At48k() && changed == i - 5)) << args[i];
            changed += now == At48k();
        }
        EXPECT_GT(changed, 0u);
        EXPECT_LT(changed, 600u);
    }
}

TEST_F(CliTool, FilesFromTakesAnyNameAndRecursionFindsOnlyWaveFilesWithin)
{
    std::string list;
    for (const char* name : {"with space.wav", "new\nline.wav", "bad\xFF.wav", "esc\x1B[31m.wav"}) {
        WriteFile(dir / name, SimpleWave());
        list += dir / name + '\0';
    }
    // The folder searched: links lead outside it, and a FIFO would hang a reader.
    TempDir outside;
    WriteFile(outside / "elsewhere.wav", SimpleWave());
    const std::string r = dir / "root";
    fs::create_directories(r + "/sub/deeper");
    for (const char* name : {"a.wav", "B.WAV", "sub/c.Wav", "sub/deeper/d.wav", "notes.txt", "sub/e.wave"})
        WriteFile(r + "/" + name, SimpleWave());
    fs::create_directory_symlink(outside.Path(), r + "/link");
    fs::create_symlink(outside / "elsewhere.wav", r + "/linked.wav");
    ASSERT_EQ(mkfifo((r + "/sub/pipe.wav").c_str(), 0644), 0);
    list += r + '\0';
    WriteFile(dir / "list", Bytes(list.begin(), list.end()));

    // A path given as an argument comes first and is read whatever its name; a name
    // that is not UTF-8 does not break the JSON.
    auto run = RunTool({"info", "--json", "-r", "-0", "--files-from", dir / "list", r + "/notes.txt"});
    EXPECT_EQ(run.status, 0) << run.out;
    std::vector<std::string> paths;
    for (const auto& entry : run.Json())
        paths.push_back(entry["path"]);
    EXPECT_EQ(paths,
              (std::vector<std::string>{r + "/notes.txt", dir / "with space.wav", dir / "new\nline.wav",
                                        dir / "bad\xEF\xBF\xBD.wav", dir / "esc\x1B[31m.wav", r + "/B.WAV",
                                        r + "/a.wav", r + "/sub/c.Wav", r + "/sub/deeper/d.wav"}));

    // From standard input; the report shows names without their controls.
    run = RunTool({"set", "--rate", "48000", "-r", "--null", "--files-from", "-", r + "/a.wav"}, {}, Sink::File,
                  dir / "list");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(ReadFile(dir / "new\nline.wav"), At48k());
    for (const std::string& part : {dir / "new\\x0aline.wav: changed", dir / "esc\\x1b[31m.wav: changed",
                                    std::string("9 changed, 0 failed, 0 skipped")})
        EXPECT_TRUE(Has(run.out, part)) << run.out;
    EXPECT_FALSE(Has(run.out, "\x1B")) << run.out;
    EXPECT_EQ(std::pair(ReadFile(outside / "elsewhere.wav"), ReadFile(r + "/sub/e.wave")),
              std::pair(SimpleWave(), SimpleWave()));

    // One path per line; empty lines are skipped.
    const std::string lines = dir / "with space.wav" + "\n\n" + dir / "bad\xFF.wav" + "\n";
    WriteFile(dir / "lines", Bytes(lines.begin(), lines.end()));
    EXPECT_TRUE(Has(RunTool({"info", "--files-from", dir / "lines"}).out, "2 files read, 0 failed"));
}

// Run as root, a named path follows only links that root owns: a user who
// swaps a name for a link cannot make root rewrite a file of root's.
TEST_F(CliTool, RunAsRootNamedPathsFollowOnlyLinksRootOwns)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "links of another user are made as root";
    const std::string secret = PutFile(dir, "secret.wav", SimpleWave(), 0600);
    fs::create_directory(dir / "sub");
    const std::string inner = PutFile(dir, "sub/inner.wav", SimpleWave(), 0600);
    const auto link = [&](const std::string& target, const std::string& name, uid_t owner) {
        fs::create_symlink(target, dir / name);
        EXPECT_EQ(lchown((dir / name).c_str(), owner, owner), 0);
        return dir / name;
    };
    const std::string foreign = link(secret, "foreign.wav", 65534);
    const std::string foreignFolder = link("sub", "folder", 65534);
    const std::string own = link("secret.wav", "own.wav", 0);
    WriteFile(dir / "list", Bytes(foreign.begin(), foreign.end()));

    // As an argument, through a folder on the way, as a folder to search, and in a list.
    auto run = RunTool({"set", "--json", "-r", "--rate", "48000", "--files-from", dir / "list", foreign,
                        foreignFolder + "/inner.wav", foreignFolder});
    EXPECT_EQ(run.status, 1);
    const std::string links[] = {foreign, foreignFolder, foreignFolder, foreign};
    ASSERT_EQ(run.Json().size(), std::size(links)) << run.out;
    for (std::size_t i = 0; i < std::size(links); ++i)
        EXPECT_TRUE(run.Json()[i]["status"] == "failed"
                    && Has(run.Json()[i]["message"], links[i] + " is a symbolic link that belongs to nobody"))
            << run.Json()[i];
    EXPECT_EQ(std::pair(ReadFile(secret), ReadFile(inner)), std::pair(SimpleWave(), SimpleWave()));
    // Nor is a journal named through such a link written.
    run = RunTool({"set", "--rate", "48000", "--journal", foreign, own});
    EXPECT_TRUE(run.status == 1 && Has(run.err, foreign + " is a symbolic link that belongs to nobody")) << run.err;
    EXPECT_EQ(ReadFile(secret), SimpleWave());

    // A link of root's is followed, and --follow-links follows any.
    EXPECT_EQ(RunTool({"set", "--rate", "48000", own}).status, 0);
    EXPECT_EQ(ReadFile(secret), At48k());
    EXPECT_EQ(RunTool({"set", "--follow-links", "--rate", "48000", foreignFolder + "/inner.wav"}).status, 0);
    EXPECT_EQ(ReadFile(inner), At48k());
}

}  // namespace
