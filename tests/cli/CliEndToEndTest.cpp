#include "CliTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

using clitest::RunTool;
using clitest::SimpleWave;
using clitest::WithFields;
using namespace testwav;
namespace fs = std::filesystem;

namespace {

class CliTool : public ::testing::Test {
protected:
    TempDir dir;
};

std::vector<std::string> Paths(const nlohmann::json& report)
{
    std::vector<std::string> paths;
    for (const auto& entry : report)
        paths.push_back(entry["path"]);
    return paths;
}

TEST_F(CliTool, InfoJsonShowsFormatTimeReferenceAndRegions)
{
    const Fmt fmt{1, 2, 48000, 288000, 6, 24};
    WriteFile(dir / "full.wav", WavBuilder()
                                    .Fmt(fmt)
                                    .Chunk("bext", BextContent(172'800'000))  // one hour at 48 kHz
                                    .Chunk("data", Pattern(33))
                                    .Chunk("regn", RegnContent({{"Caf\xE9 1", -1, 24000, 48000, 12, 0},
                                                                {"Second", -1, 0, 4'294'967'295u, 0, 48000}}))
                                    .Build());
    // A name that is not UTF-8 must not break the JSON.
    const std::string oddName = dir / "odd\xFF.wav";
    WriteFile(oddName, SimpleWave());

    const auto run = RunTool({"info", "--json", dir / "full.wav", oddName});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto report = run.Json();
    ASSERT_EQ(report.size(), 2u);

    auto full = report[0];
    const auto regions = full["regions"];
    full.erase("regions");
    EXPECT_EQ(full, (nlohmann::json{{"path", dir / "full.wav"}, {"ok", true}, {"formatTag", 1}, {"channels", 2},
                                    {"sampleRate", 48000}, {"avgBytesPerSec", 288000}, {"blockAlign", 6},
                                    {"bitsPerSample", 24}, {"bextTimeReference", 172'800'000},
                                    {"bextTimecode", "01:00:00:00::00"}}));
    ASSERT_EQ(regions.size(), 2u);
    EXPECT_EQ(regions[0], (nlohmann::json{{"name", "Caf\xC3\xA9 1"}, {"start", 24000}, {"end", 48000}, {"origTs", 0},
                                          {"userTs", 12}, {"startTimecode", "00:00:00:15::00"},
                                          {"endTimecode", "00:00:01:00::00"}, {"origTsTimecode", "00:00:00:00::00"},
                                          {"userTsTimecode", "00:00:00:00::01"}}));
    EXPECT_EQ(regions[1]["endTimecode"], "00:51:18:14::45");
    EXPECT_EQ(regions[1]["origTsTimecode"], "00:00:01:00::00");

    const auto& odd = report[1];
    EXPECT_EQ(odd["ok"], true);
    EXPECT_EQ(odd["path"], dir / "odd\xEF\xBF\xBD.wav");
    EXPECT_EQ(odd["bextTimeReference"], 0);
    EXPECT_EQ(odd["bextTimecode"], "(None)");
    EXPECT_TRUE(odd["regions"].empty());
}

TEST_F(CliTool, InfoReportsUnreadableFilesAndFailsTheRun)
{
    WriteFile(dir / "good.wav", SimpleWave());
    WriteFile(dir / "nofmt.wav", WavBuilder().Chunk("data", Pattern(16)).Build());

    const auto run = RunTool({"info", dir / "good.wav", dir / "missing.wav", dir / "nofmt.wav"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("good.wav: format 1, 44100 Hz, 2 ch, 16 bit, align 4, 176400 B/s, BWF time reference 0 "
                           "(None), 0 regions"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(dir / "missing.wav" + " was not found."), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("no complete \"fmt \" chunk"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("1 file read, 2 failed"), std::string::npos) << run.out;

    const auto json = RunTool({"info", "--json", dir / "missing.wav"}).Json();
    EXPECT_EQ(json[0]["ok"], false);
    EXPECT_EQ(json[0]["error"], dir / "missing.wav" + " was not found.");
}

TEST_F(CliTool, SetRewritesOnlyTheFormatFields)
{
    // An extended "fmt ", a "bext", an odd "data" with its pad byte and a "regn" after it.
    Bytes extension{22, 0};
    const Bytes tail = Pattern(22, 5);
    extension.insert(extension.end(), tail.begin(), tail.end());
    const WavBuilder builder = WavBuilder()
                                   .Chunk("JUNK", Pattern(14, 7))
                                   .Fmt({}, extension)
                                   .Chunk("bext", BextContent(5))
                                   .Chunk("data", Pattern(101, 3))
                                   .Chunk("regn", RegnContent({{"r", -1, 1, 2, 3, 4}}));
    const Bytes original = builder.Build();
    WriteFile(dir / "a.wav", original);
    Fmt inconsistent;
    inconsistent.avgBytesPerSec = 12345;
    WriteFile(dir / "b.wav", SimpleWave(inconsistent));

    auto run = RunTool({"set", "--json", "--rate", "48000", "--bits", "24", "--block-align", "6", dir / "a.wav"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(dir / "a.wav"), WithFields(original, builder.OffsetOf("fmt "), {1, 2, 48000, 288000, 6, 24}));
    const auto entry = run.Json()[0];
    EXPECT_EQ(entry["status"], "changed");
    EXPECT_FALSE(entry.contains("message"));
    EXPECT_EQ(entry["before"], (nlohmann::json{{"channels", 2}, {"sampleRate", 44100}, {"avgBytesPerSec", 176400},
                                               {"blockAlign", 4}, {"bitsPerSample", 16}}));
    EXPECT_EQ(entry["after"]["avgBytesPerSec"], 288000);

    // No field option: only the average byte rate is put right.
    run = RunTool({"set", dir / "b.wav"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(dir / "b.wav"), SimpleWave());
    EXPECT_NE(run.out.find("1 changed, 0 failed, 0 skipped"), std::string::npos) << run.out;
}

TEST_F(CliTool, BytesPerSampleFollowsTheChannelCount)
{
    const Fmt mono{1, 1, 44100, 88200, 2, 16};
    WriteFile(dir / "mono.wav", SimpleWave(mono));
    WriteFile(dir / "stereo.wav", SimpleWave());

    auto report = RunTool({"set", "--json", "--bytes-per-sample", "3", dir / "mono.wav", dir / "stereo.wav"}).Json();
    EXPECT_EQ(report[0]["after"]["blockAlign"], 3);
    EXPECT_EQ(report[1]["after"]["blockAlign"], 6);
    EXPECT_EQ(ReadFile(dir / "stereo.wav"), SimpleWave({1, 2, 44100, 264600, 6, 16}));

    report = RunTool({"set", "--json", "--bytes-per-sample", "3", "--channels", "1", dir / "stereo.wav"}).Json();
    EXPECT_EQ(ReadFile(dir / "stereo.wav"), SimpleWave({1, 1, 44100, 132300, 3, 16}));
}

TEST_F(CliTool, DryRunChangesNothing)
{
    const Bytes original = SimpleWave();
    WriteFile(dir / "a.wav", original);
    const auto modified = fs::last_write_time(dir / "a.wav");

    // Leading zeros are decimal, not octal.
    auto run = RunTool({"set", "--dry-run", "--json", "--rate", "096000", dir / "a.wav"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto entry = run.Json()[0];
    EXPECT_EQ(entry["status"], "would change");
    EXPECT_TRUE(entry.contains("message"));
    EXPECT_EQ(entry["before"]["sampleRate"], 44100);
    EXPECT_EQ(entry["after"]["sampleRate"], 96000);
    EXPECT_EQ(entry["after"]["avgBytesPerSec"], 384000);

    run = RunTool({"set", "--dry-run", "--channels", "1", dir / "a.wav"});
    EXPECT_NE(run.out.find("1 would change, 0 failed, 0 skipped"), std::string::npos) << run.out;
    EXPECT_EQ(ReadFile(dir / "a.wav"), original);
    EXPECT_EQ(fs::last_write_time(dir / "a.wav"), modified);
}

TEST_F(CliTool, FilesThatCannotBeRewrittenFailAndStayAsTheyWere)
{
    WriteFile(dir / "good.wav", SimpleWave());
    const Bytes noFmt = WavBuilder().Chunk("data", Pattern(16)).Build();
    WriteFile(dir / "nofmt.wav", noFmt);
    // The chunk's fields would run past the end: writing them would grow the file.
    const Bytes cut = [] {
        Bytes b = SimpleWave();
        b.resize(12 + 8 + 10);
        return b;
    }();
    WriteFile(dir / "cut.wav", cut);

    const auto run = RunTool({"set", "--json", "--rate", "48000", dir / "nofmt.wav", dir / "good.wav", dir / "cut.wav"});
    EXPECT_EQ(run.status, 1);
    const auto report = run.Json();
    EXPECT_EQ(report[0]["status"], "failed");
    EXPECT_NE(report[0]["message"].get<std::string>().find("\"fmt \""), std::string::npos);
    EXPECT_EQ(report[1]["status"], "changed");
    EXPECT_EQ(report[2]["status"], "failed");
    EXPECT_EQ(ReadFile(dir / "nofmt.wav"), noFmt);
    EXPECT_EQ(ReadFile(dir / "cut.wav"), cut);
}

TEST_F(CliTool, ReadOnlyFilesAreLeftAloneUnlessClearingIsAllowed)
{
    const Bytes original = SimpleWave();
    WriteFile(dir / "ro.wav", original);
    WriteFile(dir / "rw.wav", original);
    ASSERT_EQ(chmod((dir / "ro.wav").c_str(), 0444), 0);

    auto run = RunTool({"set", "--json", "--rate", "48000", dir / "ro.wav", dir / "rw.wav"});
    EXPECT_EQ(run.status, 1);
    auto report = run.Json();
    EXPECT_EQ(report[0]["status"], "skipped");
    EXPECT_NE(report[0]["message"].get<std::string>().find("write protected"), std::string::npos);
    EXPECT_EQ(report[1]["status"], "changed");
    EXPECT_EQ(ReadFile(dir / "ro.wav"), original);
    EXPECT_EQ(fs::status(dir / "ro.wav").permissions(), fs::perms(0444));

    run = RunTool({"set", "--dry-run", "--json", "--rate", "48000", dir / "ro.wav"});
    EXPECT_EQ(run.Json()[0]["status"], "skipped");

    run = RunTool({"set", "--clear-readonly", "--rate", "48000", dir / "ro.wav"});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(ReadFile(dir / "ro.wav"), SimpleWave({1, 2, 48000, 192000, 4, 16}));
    EXPECT_EQ(fs::status(dir / "ro.wav").permissions(), fs::perms(0644));
}

TEST_F(CliTool, UsageErrorsNameTheProblemAndTouchNoFile)
{
    const Bytes original = SimpleWave();
    WriteFile(dir / "a.wav", original);
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"set", "--rate", "abc"}, "--rate"},
        {{"set", "--rate", "4294967296"}, "--rate"},
        {{"set", "--rate", "-1"}, "--rate"},
        {{"set", "--channels", "0"}, "--channels"},
        {{"set", "--channels", "65536"}, "--channels"},
        {{"set", "--bits", "1.5"}, "--bits"},
        {{"set", "--block-align", "4", "--bytes-per-sample", "2"}, "--bytes-per-sample"},
        {{"set", "--bytes-per-sample", "40000", "--channels", "2"}, "--bytes-per-sample"},
        {{"set", "--frobnicate"}, "--frobnicate"},
        {{"info", "--rate", "48000"}, "--rate"},
        {{"convert"}, "convert"},
    };
    for (const auto& [args, named] : cases) {
        auto withFile = args;
        withFile.push_back(dir / "a.wav");
        const auto run = RunTool(withFile);
        EXPECT_EQ(run.status, 2) << args[1];
        EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
    EXPECT_EQ(RunTool({"set", "--rate", "48000"}).status, 2);  // no path
    EXPECT_EQ(RunTool({}).status, 2);
    EXPECT_EQ(ReadFile(dir / "a.wav"), original);
}

TEST_F(CliTool, HelpAndVersion)
{
    auto run = RunTool({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "quelbrook-cli 1.3.1\n");
    run = RunTool({"set", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("--bytes-per-sample"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("--dry-run"), std::string::npos) << run.out;
    run = RunTool({"--help"});
    EXPECT_NE(run.out.find("info"), std::string::npos) << run.out;
}

// Has a hard ctest time-out: a FIFO opened for reading would wait for a writer forever.
TEST_F(CliTool, FifoAndFolderArgumentsFailWithoutHanging)
{
    ASSERT_EQ(mkfifo((dir / "pipe.wav").c_str(), 0644), 0);
    fs::create_directory(dir / "folder.wav");
    for (const char* command : {"info", "set"}) {
        const auto run = RunTool({command, "--json", dir / "pipe.wav", dir / "folder.wav"});
        EXPECT_EQ(run.status, 1);
        const auto report = run.Json();
        const std::string pipeError = report[0].value("error", report[0].value("message", ""));
        const std::string folderError = report[1].value("error", report[1].value("message", ""));
        EXPECT_NE(pipeError.find("is not a regular file"), std::string::npos) << pipeError;
        EXPECT_NE(folderError.find("is a folder"), std::string::npos) << folderError;
    }
}

TEST_F(CliTool, RecursiveSearchFindsWaveFilesInNestedFolders)
{
    TempDir outside;
    WriteFile(outside / "elsewhere.wav", SimpleWave());
    const fs::path root = dir.Path() / "root";
    fs::create_directories(root / "sub" / "deeper");
    for (const char* name : {"a.wav", "B.WAV", "sub/c.Wav", "sub/deeper/d.wav", "notes.txt", "sub/e.wave"})
        WriteFile((root / name).string(), SimpleWave());
    fs::create_directory_symlink(outside.Path(), root / "link");
    fs::create_symlink(outside / "elsewhere.wav", root / "linked.wav");
    ASSERT_EQ(mkfifo((root / "sub" / "pipe.wav").c_str(), 0644), 0);

    auto run = RunTool({"info", "--json", "-r", root.string(), (root / "notes.txt").string()});
    EXPECT_EQ(run.status, 0) << run.out;
    const std::string r = root.string();
    EXPECT_EQ(Paths(run.Json()), (std::vector<std::string>{r + "/B.WAV", r + "/a.wav", r + "/sub/c.Wav",
                                                           r + "/sub/deeper/d.wav", r + "/notes.txt"}));

    run = RunTool({"set", "--rate", "48000", "--recursive", r});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("4 changed, 0 failed, 0 skipped"), std::string::npos) << run.out;
    EXPECT_EQ(ReadFile(outside / "elsewhere.wav"), SimpleWave());
    EXPECT_EQ(ReadFile((root / "sub" / "e.wave").string()), SimpleWave());
}

}  // namespace
