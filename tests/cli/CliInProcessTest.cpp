// What needs a terminal (the write-protect question and the progress line)
// or injected system calls, driven through the tool's entry point.
#include "CliTestSupport.h"
#include "SystemHelpers.h"

#include "FakePrompt.h"

#include "cli/FileReport.h"
#include "cli/RunCli.h"
#include "platform/CPathWalker.h"
#include "wave/CWaveFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <utility>

using namespace testwav;
using clitest::Has;
using clitest::Session;

namespace {

TEST(CliTerminal, WriteProtectQuestionIsAskedForEachReadOnlyFileInInputOrder)
{
    TempDir dir;
    // Many files in flight, all but the second read-only: one question at a time, in the order given.
    std::vector<std::string> args = {"set", "--json", "--rate", "48000", "-j", "8"};
    std::string expected;
    for (int i = 0; i < 24; ++i) {
        args.push_back(dir / ("f" + std::to_string(i) + ".wav"));
        WriteFile(args.back(), clitest::SimpleWave());
        testsys::SetReadOnly(args.back(), i != 1);
        if (i != 1)  // three answers; after them the end of input is no
            expected += "The file " + args.back()
                + " is Write protected. Change the attribute and allow the change? [y/N] " + (i > 3 ? "\n" : "");
    }
    Session session;
    session.in.str("y\nn\nyes\n");
    EXPECT_EQ(session.Run(args, true, false), 1);
    EXPECT_EQ(session.err.str(), expected);
    const auto report = nlohmann::json::parse(session.out.str());
    for (std::size_t i = 0; i < 24; ++i) {
        const bool changed = i == 0 || i == 1 || i == 3;
        EXPECT_EQ(report[i]["status"], changed ? "changed" : "skipped") << i;
        EXPECT_EQ(ReadFile(args[6 + i]), changed ? clitest::At48k() : clitest::SimpleWave()) << i;
    }
}

TEST(CliTerminal, ProgressLineOnlyOnATerminalAndAnInterruptStartsNoFile)
{
    TempDir dir;
    WriteFile(dir / "a.wav", clitest::SimpleWave());
    WriteFile(dir / "b.wav", clitest::SimpleWave());

    Session terminal;
    EXPECT_EQ(terminal.Run({"info", "--json", dir / "a.wav", dir / "b.wav"}, false, true), 0);
    const std::string shown = terminal.err.str();
    EXPECT_TRUE(Has(shown, "1 file") && shown.ends_with("\r\033[K")) << shown;
    EXPECT_EQ(nlohmann::json::parse(terminal.out.str()).size(), 2u);

    Session redirected;
    EXPECT_EQ(redirected.Run({"info", dir / "a.wav", dir / "b.wav"}, false, false), 0);
    EXPECT_TRUE(redirected.err.str().empty());

    const std::atomic<bool> interrupted{true};
    Session stopped;
    EXPECT_EQ(stopped.Run({"set", "--json", "--rate", "48000", dir / "a.wav"}, false, false, &interrupted), 130);
    EXPECT_EQ(std::pair(stopped.out.str(), Has(stopped.err.str(), "interrupted")),
              std::pair(std::string("[]\n"), true));
    EXPECT_EQ(ReadFile(dir / "a.wav"), clitest::SimpleWave());
}

// Every control a terminal acts on (C0, DEL, and C1 in UTF-8) is shown in
// hex wherever it falls in the eight-byte words a report line is scanned in,
// or in the tail after them; the characters beside them are shown as they are.
TEST(CliTerminal, ControlsInNamesAreShownInHexWhereverTheyFallInAWord)
{
    const auto hex = [](unsigned byte) {
        char text[8];
        std::snprintf(text, sizeof text, "\\x%02x", byte);
        return std::string(text);
    };
    std::vector<std::pair<std::string, std::string>> cases
        = {{"\x7F", "\\x7f"}, {"\xC2\xA0", "\xC2\xA0"}, {"\xC3\x9B", "\xC3\x9B"}};
    for (unsigned byte = 1; byte < 0x20; ++byte)
        cases.emplace_back(std::string(1, static_cast<char>(byte)), hex(byte));
    for (unsigned byte = 0x80; byte < 0xA0; ++byte)
        cases.emplace_back(std::string{'\xC2', static_cast<char>(byte)}, hex(0xC2) + hex(byte));
    for (const auto& [raw, shown] : cases)
        for (std::size_t at = 0; at < 17; ++at) {
            const std::string before(at, 'a'), after(17 - at, 'b');
            EXPECT_EQ(EscapeControls(before + raw + after), before + shown + after) << at << ": " << shown;
        }

    // In the report itself: names of missing files, the control at each place of a word.
    TempDir dir;
    std::vector<std::string> args = {"info"};
    for (std::size_t at = 0; at < 8; ++at)
        for (const char* control : {"\xC2\x9B", "\xC2\x9F"})
            args.push_back(dir / (std::string(at, 'a') + control + ".wav"));
    Session session;
    EXPECT_EQ(session.Run(args, false, false), 1);
    const std::string report = session.out.str();
    EXPECT_TRUE(Has(report, EscapeControls(args.back()) + ": failed:")
                && Has(report, EscapeControls(args[1]) + " was not found"))
        << report;
    EXPECT_FALSE(Has(report, "\xC2\x9B") || Has(report, "\xC2\x9F")) << report;
}

}  // namespace

TEST(CliWalk, NamesSwappedForLinksAfterTheListingAreNotFollowed)
{
    namespace fs = std::filesystem;
    TempDir dir, outside;
    const Bytes secret = clitest::SimpleWave({1, 1, 8000, 16000, 2, 16});
    WriteFile(outside / "secret.wav", secret);
    WriteFile(outside / "x.wav", secret);
    const std::string shared = dir / "shared";
    fs::create_directories(shared + "/sub");
    WriteFile(shared + "/v0.wav", clitest::SimpleWave());
    FakePrompt prompt;
    std::vector<std::string> failures;
    std::vector<bool> results;
    bool linked = true;
    CPathWalker walker(
        true,
        [&](const std::string& path, const FolderEntry* entry) {
            // Between the listing and the open, as another user of the folder could.
            fs::remove(path);
            fs::remove(NativePath(shared + "/sub"));
            linked = testsys::MakeSymbolicLink(outside / "secret.wav", path, false)
                && testsys::MakeSymbolicLink(Utf8Path(outside.Path()), shared + "/sub", true);
            if (!linked)
                return;
            CWaveFile wave(prompt);
            wave.OpenWithin(entry);
            wave.CAudioFile::SetFileName(path);
            results.push_back(wave.RewriteHeader({48000, 0, 0, 0, true}));
        },
        [&](const std::string& path, const CoreText&) { failures.push_back(path); });
    walker.Walk({shared});
    if (!linked)
        GTEST_SKIP() << "this system cannot make symbolic links here";
    EXPECT_EQ(results, std::vector<bool>{false});
    EXPECT_EQ(prompt.messages,
              std::vector<std::string>{
                  "File " + JoinPath(shared, "v0.wav")
                  + " could not be opened - code: 3 (it is a symbolic link, which is not followed here)"});
    EXPECT_EQ(failures, std::vector<std::string>{JoinPath(shared, "sub")});
    EXPECT_EQ(ReadFile(outside / "secret.wav"), secret);
    EXPECT_EQ(ReadFile(outside / "x.wav"), secret);
}
