// The journal and undo, run as a user would: set then undo over a varied
// corpus, conflicts of every kind, a journal that cannot be written, and
// file times.
#include "CliTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

using namespace clitest;
using namespace testwav;
namespace fs = std::filesystem;

namespace {

class CliUndo : public ::testing::Test {
protected:
    // Writes each file and remembers what it held.
    std::string Make(const std::string& name, const Bytes& bytes)
    {
        WriteFile(dir / name, bytes);
        original[dir / name] = bytes;
        return dir / name;
    }

    std::map<std::string, Bytes> Contents() const
    {
        std::map<std::string, Bytes> now;
        for (const auto& [path, bytes] : original)
            now[path] = ReadFile(path);
        return now;
    }

    std::vector<std::string> WithFiles(std::vector<std::string> args) const
    {
        for (const auto& [path, bytes] : original)
            args.push_back(path);
        return args;
    }

    ScopedStateHome home;
    TempDir dir;
    std::map<std::string, Bytes> original;
};

TEST_F(CliUndo, SetThenUndoRestoresEveryFileByteForByteAndUndoAgainReapplies)
{
    std::size_t batches = 0;
    // set's jobs; undo runs 8. One file is named twice: side by side, its
    // two rewrites and their undos must still go one after the other.
    for (const std::string jobs : {"1", "8"}) {
        SCOPED_TRACE("set -j " + jobs);
        original.clear();
        const std::string tag = jobs + " ";
        Make(tag + "plain.wav", SimpleWave());
        Make(tag + "junk first.wav", WavBuilder().Chunk("JUNK", Pattern(10)).Fmt({1, 1, 8000, 8000, 1, 8}).Chunk("data", Pattern(9)).Build());
        Make(tag + "extensible.wav", WavBuilder().Fmt({0xFFFE, 2, 48000, 288000, 6, 24}, Extension(20, 3)).Chunk("data", Pattern(60)).Build());
        Make(tag + "bext.wav", WavBuilder().Chunk("bext", BextContent(48000)).Fmt({}).Chunk("data", Pattern(32)).Build());
        Make(tag + "rf64.wav", WavBuilder("RF64").Ds64(16).Fmt({3, 2, 96000, 768000, 8, 32}).Chunk("data", Pattern(16)).Build());
        Make(tag + "caf\xe9 latin-1.wav", SimpleWave({1, 6, 44100, 529200, 12, 16}));
        Make(tag + "line\nbreak.wav", SimpleWave());
        // Enough files that many run side by side.
        for (std::uint16_t i = 1; i <= 40; ++i)
            Make(tag + std::to_string(i) + ".wav", SimpleWave({1, i, 8000u * i, 16000u * i * i, std::uint16_t(2 * i), 16}));
        auto args = WithFiles({"set", "-j", jobs, "--rate", "22050", "--channels", "1", "--bits", "16"});
        args.push_back(dir / (tag + "plain.wav"));  // twice: the second rewrite changes nothing further

        const auto set = RunTool(args);
        ASSERT_EQ(set.status, 0) << set.out << set.err;
        const auto changed = Contents();
        for (const auto& [path, bytes] : changed)
            EXPECT_NE(bytes, original[path]) << path;

        // Newest record first: the reverse of the input order the journal keeps.
        auto undo = RunTool({"undo", "--json", "-j", "8"});
        ASSERT_EQ(undo.status, 0) << undo.out << undo.err;
        std::vector<std::string> restored;
        for (const auto& entry : undo.Json())
            restored.push_back(entry["status"] == "restored" ? entry["path"].get<std::string>() : entry.dump());
        std::vector<std::string> newestFirst(args.rbegin(), args.rend() - 9);
        std::ranges::replace(newestFirst, dir / (tag + "caf\xe9 latin-1.wav"), dir / (tag + "caf\xEF\xBF\xBD latin-1.wav"));  // as text
        EXPECT_EQ(restored, newestFirst);
        EXPECT_EQ(Contents(), original);

        // The undo is a batch of its own: undoing it puts the change back.
        undo = RunTool({"undo", "-j", "8"});
        EXPECT_EQ(undo.status, 0) << undo.out << undo.err;
        EXPECT_TRUE(Has(undo.out, std::to_string(restored.size()) + " restored, 0 conflicts, 0 failed, 0 skipped")) << undo.out;
        EXPECT_EQ(Contents(), changed);
        EXPECT_EQ(home.Batches().size(), batches += 3);
    }
}

TEST_F(CliUndo, FilesChangedReplacedOrGoneSinceAreLeftAloneAndReportedAndTimesKeptOnRequest)
{
    const timespec old[2] = {{1000000000, 5}, {1000000000, 0}};
    const auto times = [this](const char* name) { return std::pair{StatOf(dir / name).st_atim.tv_sec, StatOf(dir / name).st_mtim.tv_sec}; };
    for (const char* name : {"kept.wav", "later.wav", "replaced.wav", "gone.wav", "locked.wav"}) {
        Make(name, SimpleWave());
        ASSERT_EQ(utimensat(AT_FDCWD, (dir / name).c_str(), old, 0), 0);
    }
    const std::string journal = dir / "batch.jsonl";
    ASSERT_EQ(RunTool(WithFiles({"set", "-j", "8", "--keep-times", "--rate", "48000", "--journal", journal})).status, 0);
    EXPECT_EQ(times("kept.wav"), std::pair(old[0].tv_sec, old[1].tv_sec));

    ASSERT_EQ(RunTool({"set", "--rate", "96000", dir / "later.wav"}).status, 0);
    EXPECT_NE(times("later.wav").second, old[1].tv_sec);
    WriteFile(dir / "copy", ReadFile(dir / "replaced.wav"));
    fs::rename(dir / "copy", dir / "replaced.wav");
    fs::remove(dir / "gone.wav");
    ASSERT_EQ(chmod((dir / "locked.wav").c_str(), 0444), 0);
    auto left = Contents();  // all but the kept file stay as they are now
    left[dir / "kept.wav"] = original[dir / "kept.wav"];
    ASSERT_EQ(utimensat(AT_FDCWD, (dir / "kept.wav").c_str(), old, 0), 0);  // reading it moved its access time

    for (const bool dryRun : {true, false}) {
        const auto run =
            RunTool(Join({"undo", "-j", "8", "--keep-times", "--json", journal}, std::vector<std::string>(dryRun, "--dry-run")));
        EXPECT_EQ(run.status, 1);
        std::map<std::string, std::pair<std::string, std::string>> expected = {
            {dir / "kept.wav", {dryRun ? "would restore" : "restored", dryRun ? "dry run" : ""}},
            {dir / "later.wav", {"conflict", "changed since"}},
            {dir / "replaced.wav", {"conflict", "was replaced"}},
            {dir / "gone.wav", {"conflict", "is missing"}},
            {dir / "locked.wav", {"skipped", "write protected"}}};
        ASSERT_EQ(run.Json().size(), expected.size()) << run.out;
        for (const auto& entry : run.Json()) {
            const auto& [status, message] = expected[entry["path"]];
            EXPECT_EQ(entry["status"], status) << entry;
            EXPECT_TRUE(Has(entry.value("message", ""), message)) << entry;
        }
    }
    EXPECT_EQ(times("kept.wav"), std::pair(old[0].tv_sec, old[1].tv_sec));
    EXPECT_EQ(Contents(), left);

    // Undoing the same batch again finds the restored file as it was before.
    const auto again = RunTool({"undo", "--json", journal}).Json()[3];
    EXPECT_EQ(std::tuple(again["path"], again["status"], Has(again["message"], "already holds")),
              std::tuple(nlohmann::json(dir / "kept.wav"), nlohmann::json("skipped"), true)) << again;
}

TEST_F(CliUndo, ABatchWhoseJournalCannotBeWrittenTouchesNoFile)
{
    Make("a.wav", SimpleWave());
    WriteFile(dir / "regular", {1});
    // No journal named: the journal folder itself cannot be made.
    const std::vector<std::string> brokenHome = {"env", "XDG_STATE_HOME=" + dir / "regular"};
    using Args = std::vector<std::string>;
    for (const auto& [journal, reason] : {std::pair{Args{"--journal", "/dev/full"}, "No space left on device"},
                                          std::pair{Args{"--journal", dir / "regular/j.jsonl"}, "Not a directory"},
                                          std::pair{Args{}, "could not be created"}}) {
        const auto run = RunTool(Join({"set", "--rate", "48000", dir / "a.wav"}, journal), brokenHome);
        EXPECT_EQ(std::tuple(run.status, run.out, RunTool({"undo"}, brokenHome).status), std::tuple(1, "", 1));
        EXPECT_TRUE(Has(run.err, reason) && Has(run.err, "No file was changed")) << run.err;
    }
    EXPECT_EQ(Contents(), original);

    // --dry-run and --no-journal write none.
    EXPECT_EQ(RunTool({"set", "--dry-run", "--rate", "48000", dir / "a.wav"}).status, 0);
    EXPECT_EQ(RunTool({"set", "--no-journal", "--rate", "48000", dir / "a.wav"}).status, 0);
    EXPECT_TRUE(home.Batches().empty());
    EXPECT_EQ(RunTool({"set", "--no-journal", "--journal", dir / "j", dir / "a.wav"}).status, 2);
    EXPECT_EQ(RunTool({"undo"}).status, 1);

    // undo takes the same two options, so a state folder it cannot use need not stop it.
    const std::string batch = dir / "batch.jsonl", b = Make("b.wav", SimpleWave());
    ASSERT_EQ(RunTool({"set", "--journal", batch, "--rate", "96000", b}).status, 0);
    const Bytes changed = ReadFile(b);
    const auto refused = RunTool({"undo", batch}, brokenHome);
    EXPECT_EQ(std::pair(refused.status, Has(refused.err, "No file was changed")), std::pair(1, true)) << refused.err;
    EXPECT_EQ(ReadFile(b), changed);
    EXPECT_EQ(RunTool({"undo", "--journal", batch, batch}).status, 2);  // would replace the batch it undoes
    EXPECT_EQ(RunTool({"undo", "--journal", dir / "undo.jsonl", batch}, brokenHome).status, 0);
    EXPECT_EQ(ReadFile(b), original[b]);
    EXPECT_EQ(RunTool({"undo", "--no-journal", dir / "undo.jsonl"}, brokenHome).status, 0);
    EXPECT_EQ(ReadFile(b), changed);
    EXPECT_TRUE(home.Batches().empty());
}

// The journal fills up part way (a file size limit stands in for a full disk):
// every file written has its record, and no file is written without one.
TEST_F(CliUndo, FilesAfterAJournalFailureAreLeftUnchanged)
{
    for (int i = 0; i < 420; ++i)
        Make("f" + std::to_string(1000 + i) + ".wav", SimpleWave());
    // Room for the report and the journal's first 64 KiB, not its next; a write past it fails rather than kills.
    const auto run = RunTool(WithFiles({"set", "-j", "8", "--rate", "48000"}),
                             {"sh", "-c", "trap '' XFSZ; exec prlimit --fsize=102400 \"$@\"", "sh"});
    EXPECT_EQ(run.status, 1);
    std::size_t changed = 0, lines = 0;
    std::istringstream report(run.out);
    for (std::string line; std::getline(report, line) && Has(line, ".wav: ");) {
        const std::string path = line.substr(0, line.find(": "));
        if (Has(line, ": changed: ")) {
            EXPECT_EQ(changed++, lines) << "a file changed after a refused one";
            EXPECT_NE(ReadFile(path), original[path]);
        } else {
            EXPECT_TRUE(Has(line, "could not be written: File too large")) << line;
            EXPECT_EQ(ReadFile(path), original[path]);
        }
        ++lines;
    }
    EXPECT_EQ(lines, 420u);
    EXPECT_GT(changed, 100u);
    EXPECT_LT(changed, 420u);
    ASSERT_EQ(home.Batches().size(), 1u);
    EXPECT_EQ(RunTool({"undo", "-j", "8"}).status, 0);
    EXPECT_EQ(Contents(), original);
}

}  // namespace
