// The journal and undo, run as a user would: set then undo over a varied
// corpus, conflicts of every kind, a journal that cannot be written, and
// file times.
#include "CliTestSupport.h"
#include "RunTool.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
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
        Make(tag + "junk first.wav",
             WavBuilder().Chunk("JUNK", Pattern(10)).Fmt({1, 1, 8000, 8000, 1, 8}).Chunk("data", Pattern(9)).Build());
        Make(tag + "extensible.wav",
             WavBuilder().Fmt({0xFFFE, 2, 48000, 288000, 6, 24}, Extension(20, 3)).Chunk("data", Pattern(60)).Build());
        Make(tag + "bext.wav",
             WavBuilder().Chunk("bext", BextContent(48000)).Fmt({}).Chunk("data", Pattern(32)).Build());
        Make(tag + "rf64.wav",
             WavBuilder("RF64").Ds64(16).Fmt({3, 2, 96000, 768000, 8, 32}).Chunk("data", Pattern(16)).Build());
        Make(tag + "caf\xe9 latin-1.wav", SimpleWave({1, 6, 44100, 529200, 12, 16}));
        Make(tag + "line\nbreak.wav", SimpleWave());
        // Enough files that many run side by side.
        for (std::uint16_t i = 1; i <= 40; ++i)
            Make(tag + std::to_string(i) + ".wav",
                 SimpleWave({1, i, 8000u * i, 16000u * i * i, std::uint16_t(2 * i), 16}));
        auto args = WithFiles({"set", "-j", jobs, "--rate", "22050", "--channels", "1", "--bits", "16"});
        args.push_back(dir / (tag + "plain.wav"));  // twice: the second rewrite changes nothing further

        const auto set = RunTool(args);
        ASSERT_EQ(set.status, 0) << set.out << set.err;
        const auto changed = Contents();
        for (const auto& [path, bytes] : changed)
            EXPECT_NE(bytes, original[path]) << path;

        // A dry run writes nothing and succeeds where the undo would.
        const auto dry = RunTool({"undo", "--dry-run", "-j", "8"});
        EXPECT_EQ(dry.status, 0) << dry.out << dry.err;
        EXPECT_EQ(Contents(), changed);

        // Newest record first: the reverse of the input order the journal keeps.
        auto undo = RunTool({"undo", "--json", "-j", "8"});
        ASSERT_EQ(undo.status, 0) << undo.out << undo.err;
        std::vector<std::string> restored;
        for (const auto& entry : undo.Json())
            restored.push_back(entry["status"] == "restored" ? entry["path"].get<std::string>() : entry.dump());
        std::vector<std::string> newestFirst(args.rbegin(), args.rend() - 9);
        std::ranges::replace(newestFirst, dir / (tag + "caf\xe9 latin-1.wav"),
                             dir / (tag + "caf\xEF\xBF\xBD latin-1.wav"));  // as text
        EXPECT_EQ(restored, newestFirst);
        EXPECT_EQ(Contents(), original);

        // The undo is a batch of its own: undoing it puts the change back.
        undo = RunTool({"undo", "-j", "8"});
        EXPECT_EQ(undo.status, 0) << undo.out << undo.err;
        EXPECT_TRUE(Has(undo.out, std::to_string(restored.size()) + " restored, 0 conflicts, 0 failed, 0 skipped"))
            << undo.out;
        EXPECT_EQ(Contents(), changed);
        EXPECT_EQ(home.Batches().size(), batches += 3);
    }
}

TEST_F(CliUndo, FilesChangedReplacedOrGoneSinceAreLeftAloneAndReportedAndTimesKeptOnRequest)
{
    const timespec old[2] = {{1000000000, 5}, {1000000000, 0}};
    const auto times = [this](const char* name) {
        return std::pair{StatOf(dir / name).st_atim.tv_sec, StatOf(dir / name).st_mtim.tv_sec};
    };
    for (const char* name : {"kept.wav", "later.wav", "replaced.wav", "gone.wav", "locked.wav", "longer.wav"}) {
        Make(name, SimpleWave());
        ASSERT_EQ(utimensat(AT_FDCWD, (dir / name).c_str(), old, 0), 0);
    }
    const std::string journal = dir / "batch.jsonl";
    ASSERT_EQ(RunTool(WithFiles({"set", "-j", "8", "--keep-times", "--rate", "48000", "--journal", journal})).status,
              0);
    EXPECT_EQ(times("kept.wav"), std::pair(old[0].tv_sec, old[1].tv_sec));

    ASSERT_EQ(RunTool({"set", "--rate", "96000", dir / "later.wav"}).status, 0);
    EXPECT_NE(times("later.wav").second, old[1].tv_sec);
    WriteFile(dir / "copy", ReadFile(dir / "replaced.wav"));
    fs::rename(dir / "copy", dir / "replaced.wav");
    fs::remove(dir / "gone.wav");
    ASSERT_EQ(chmod((dir / "locked.wav").c_str(), 0444), 0);
    fs::resize_file(dir / "longer.wav", fs::file_size(dir / "longer.wav") + 2);  // audio added, header as written
    auto left = Contents();  // all but the kept file stay as they are now
    left[dir / "kept.wav"] = original[dir / "kept.wav"];
    ASSERT_EQ(utimensat(AT_FDCWD, (dir / "kept.wav").c_str(), old, 0), 0);  // reading it moved its access time

    for (const bool dryRun : {true, false}) {
        const auto run = RunTool(Join({"undo", "-j", "8", "--keep-times", "--json", journal},
                                      std::vector<std::string>(dryRun, "--dry-run")));
        EXPECT_EQ(run.status, 1);
        std::map<std::string, std::pair<std::string, std::string>> expected
            = {{dir / "kept.wav", {dryRun ? "would restore" : "restored", dryRun ? "dry run" : ""}},
               {dir / "later.wav", {"conflict", "changed since"}},
               {dir / "replaced.wav", {"conflict", "was replaced"}},
               {dir / "gone.wav", {"conflict", "is missing"}},
               {dir / "locked.wav", {"skipped", "write protected"}},
               {dir / "longer.wav", {"conflict", "its length differs"}}};
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
    const auto again = RunTool({"undo", "--json", journal}).Json()[4];
    EXPECT_EQ(std::tuple(again["path"], again["status"], Has(again["message"], "already holds")),
              std::tuple(nlohmann::json(dir / "kept.wav"), nlohmann::json("skipped"), true))
        << again;
}

TEST_F(CliUndo, ABatchWhoseJournalCannotBeWrittenTouchesNoFileNorTheJournalItWouldReplace)
{
    Make("a.wav", SimpleWave());
    WriteFile(dir / "regular", {1});
    const std::string named = dir / "j.jsonl";
    ASSERT_EQ(RunTool({"set", "--rate", "48000", "--journal", named, dir / "a.wav"}).status, 0);
    const Bytes earlier = ReadFile(named);
    const Bytes changed = ReadFile(dir / "a.wav");
    // No journal named: the journal folder itself cannot be made.
    const std::vector<std::string> brokenHome = {"env", "XDG_STATE_HOME=" + dir / "regular"};
    // A file size limit stands in for a disk too full for the journal's first reserved space.
    const std::vector<std::string> fullDisk = {"sh", "-c", "trap '' XFSZ; exec prlimit --fsize=4096 \"$@\"", "sh"};
    using Args = std::vector<std::string>;
    for (const auto& [journal, as, reason] :
         {std::tuple{Args{"--journal", "/dev/full"}, brokenHome, "no space left on the device"},
          std::tuple{Args{"--journal", dir / "regular/j.jsonl"}, brokenHome, "a part of the path is not a folder"},
          std::tuple{Args{}, brokenHome, "could not be created"},
          std::tuple{Args{"--journal", named}, fullDisk, "File too large"}}) {
        const auto run = RunTool(Join({"set", "--json", "--rate", "96000", dir / "a.wav"}, journal), as);
        EXPECT_EQ(std::tuple(run.status, nlohmann::json::parse(run.out, nullptr, false),
                             RunTool({"undo"}, brokenHome).status),
                  std::tuple(1, nlohmann::json::array(), 1))
            << run.out;
        EXPECT_TRUE(Has(run.err, reason) && Has(run.err, "No file was changed")) << run.err;
    }
    // An undo that cannot write its own journal writes no file either, and still one JSON document.
    const auto undo = RunTool({"undo", "--json", named}, brokenHome);
    EXPECT_EQ(std::pair(undo.status, nlohmann::json::parse(undo.out, nullptr, false)),
              std::pair(1, nlohmann::json::array()));
    EXPECT_EQ(ReadFile(dir / "a.wav"), changed);
    // The earlier batch is still whole and nothing was left beside it.
    EXPECT_EQ(ReadFile(named), earlier);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 3);

    // --dry-run and --no-journal write none.
    EXPECT_EQ(RunTool({"set", "--dry-run", "--rate", "48000", dir / "a.wav"}).status, 0);
    EXPECT_EQ(RunTool({"set", "--no-journal", "--rate", "48000", dir / "a.wav"}).status, 0);
    EXPECT_TRUE(home.Batches().empty());
    EXPECT_EQ(RunTool({"set", "--no-journal", "--journal", dir / "j", dir / "a.wav"}).status, 2);
    EXPECT_EQ(RunTool({"undo"}).status, 1);
    EXPECT_EQ(RunTool({"undo", named}).status, 0);
    EXPECT_EQ(Contents(), original);

    // undo takes the same two options, so a state folder it cannot use need not stop it.
    const std::string batch = dir / "batch.jsonl", b = Make("b.wav", SimpleWave());
    ASSERT_EQ(RunTool({"set", "--journal", batch, "--rate", "96000", b}).status, 0);
    const Bytes changedB = ReadFile(b);
    const auto refused = RunTool({"undo", batch}, brokenHome);
    EXPECT_EQ(std::pair(refused.status, Has(refused.err, "No file was changed")), std::pair(1, true)) << refused.err;
    EXPECT_EQ(ReadFile(b), changedB);
    EXPECT_EQ(RunTool({"undo", "--journal", batch, batch}).status, 2);  // would replace the batch it undoes
    EXPECT_EQ(RunTool({"undo", "--journal", dir / "undo.jsonl", batch}, brokenHome).status, 0);
    EXPECT_EQ(ReadFile(b), original[b]);
    EXPECT_EQ(RunTool({"undo", "--no-journal", dir / "undo.jsonl"}, brokenHome).status, 0);
    EXPECT_EQ(ReadFile(b), changedB);
    EXPECT_EQ(home.Batches().size(), 1u);  // the undo of the named journal's alone
}

// undo writes what a journal says: one that anyone but the user and root
// could have written or put in place, or a record naming a path the system
// would cut short, is refused and nothing at all is written.
TEST_F(CliUndo, AJournalOthersCouldHaveChangedIsRefusedAndNothingIsWritten)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "a journal of another user is made as root";
    const std::string wave = Make("a.wav", SimpleWave());
    const std::string folder = dir / "journals";
    const std::string journal = folder + "/j.jsonl";
    fs::create_directory(folder);
    ASSERT_EQ(RunTool({"set", "--rate", "48000", "--journal", journal, wave}).status, 0);
    const auto changed = Contents();
    const std::string text = ReadText(journal);
    const auto withPath = [&](const std::string& replacement) {
        std::string tampered = text;
        const std::string quoted = "\"path\":\"" + wave + "\"";
        tampered.replace(tampered.find(quoted), quoted.size(), "\"path\":\"" + replacement + "\"");
        WriteFile(journal, Bytes(tampered.begin(), tampered.end()));
    };
    std::string hex;
    for (const char c : wave + '\0') {
        const auto byte = static_cast<unsigned char>(c);
        hex += "0123456789abcdef"[byte >> 4];
        hex += "0123456789abcdef"[byte & 15];
    }
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { ASSERT_EQ(chown(journal.c_str(), 65534, 65534), 0); }, "it belongs to nobody"},
        {[&] { ASSERT_EQ(chmod(journal.c_str(), 0620), 0); }, "group or others may write it (permissions 0620)"},
        {[&] { ASSERT_EQ(chmod(journal.c_str(), 0602), 0); }, "(permissions 0602)"},
        {[&] { ASSERT_EQ(chown(folder.c_str(), 65534, 65534), 0); }, "its folder " + folder + " belongs to nobody"},
        {[&] { ASSERT_EQ(chmod(folder.c_str(), 01777), 0); }, "its folder " + folder + " (permissions 1777)"},
        {[&] { withPath(wave + "\\u0000.txt"); }, "its path holds a NUL byte"},
        {[&] { withPath("x\",\"pathBytes\":\"" + hex); }, "its path holds a NUL byte"},
    };
    for (const auto& [make, reason] : cases) {
        SCOPED_TRACE(reason);
        WriteFile(journal, Bytes(text.begin(), text.end()));
        ASSERT_EQ(chown(journal.c_str(), 0, 0) | chmod(journal.c_str(), 0600), 0);
        ASSERT_EQ(chown(folder.c_str(), 0, 0) | chmod(folder.c_str(), 0700), 0);
        make();
        const auto run = RunTool({"undo", "--json", journal});
        EXPECT_EQ(run.status, 1);
        ASSERT_EQ(run.Json().size(), 1u) << run.out;
        EXPECT_EQ(run.Json()[0]["status"], "failed");
        EXPECT_TRUE(Has(run.Json()[0]["message"], reason)) << run.out;
        EXPECT_EQ(Contents(), changed);
        EXPECT_TRUE(home.Batches().empty());
    }

    // The user's own journal folder is trusted whatever its permissions.
    ASSERT_EQ(RunTool({"set", "--rate", "96000", wave}).status, 0);
    ASSERT_EQ(chmod(fs::path(home.Batches().at(0)).parent_path().c_str(), 0775), 0);
    EXPECT_EQ(RunTool({"undo"}).status, 0);
    EXPECT_EQ(Contents(), changed);
}

// set -r reaches a file deeper than the system's path limit by opening each
// folder inside the one before; undo must reach it the same way.
TEST_F(CliUndo, AFileDeeperThanThePathLimitIsRestored)
{
    const std::string name(200, 'd');
    int folder = open(dir.Path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int depth = 0; depth < 24; ++depth) {  // over 4,800 bytes of path
        ASSERT_EQ(mkdirat(folder, name.c_str(), 0700), 0);
        const int next = openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        close(folder);
        folder = next;
    }
    const auto content = [folder](const Bytes* replacement = nullptr) {
        const int fd = openat(folder, "deep.wav", O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        Bytes bytes(512);
        if (replacement != nullptr) {
            EXPECT_EQ(pwrite(fd, replacement->data(), replacement->size(), 0), ssize_t(replacement->size()));
        }
        bytes.resize(std::size_t(std::max<ssize_t>(pread(fd, bytes.data(), bytes.size(), 0), 0)));
        close(fd);
        return bytes;
    };
    const Bytes image = SimpleWave();
    content(&image);

    EXPECT_EQ(RunTool({"set", "-r", "--rate", "48000", dir.Path()}).status, 0);
    EXPECT_EQ(content(), At48k());
    const auto undo = RunTool({"undo"});
    EXPECT_EQ(undo.status, 0) << undo.out;
    EXPECT_EQ(content(), image);
    // Undone again (the change comes back), with every link followed as a user other than root would.
    EXPECT_EQ(RunTool({"undo", "--follow-links"}).status, 0);
    EXPECT_EQ(content(), At48k());
    close(folder);
    // Deeper than std::filesystem can remove.
    EXPECT_EQ(std::system(("rm -rf '" + dir / name + "'").c_str()), 0);
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
