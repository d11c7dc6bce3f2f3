// The journal's own rules: lines that round-trip any file name, a header
// that is refused when it cannot be written, torn and damaged lines, and the
// folder's retention.
#include "StateHome.h"
#include "SystemHelpers.h"
#include "WavBuilder.h"

#include "journal/CJournalFolder.h"
#include "journal/CJournalReader.h"
#include "journal/CJournalWriter.h"
#include "platform/Folders.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using testwav::TempDir;

namespace {

const JournalHeader Header{
    JournalFormatVersion, "2026-01-31T23:59:59.000001Z", "quelbrook-cli", "9.9", {"set", "a b"}, {}};

HeaderPatch Patch(std::uint64_t inode)
{
    return {{7, inode, 1000}, 32, {0x02, 0x00, 0x44, 0xac}, {0x01, 0x00, 0x80, 0xbb}};
}

// Each byte that must be escaped (and DEL, which need not be) alone in a
// clean name, at every place of the eight-byte words the escaping looks at
// and in the tail after them.
std::vector<std::string> LoneSpecialByteNames()
{
    std::string specials = "\"\\\x7f";
    for (char c = 1; c < 0x20; ++c)
        specials += c;
    std::vector<std::string> names;
    for (const char special : specials)
        for (std::size_t at = 1; at < 19; ++at) {
            std::string& name = names.emplace_back("/abcdefghijklmnopqr");
            name[at] = special;
        }
    return names;
}

// What the journal records for a name: absolute in the system's spelling.
std::string AbsoluteSpelling(const std::string& name)
{
    std::string spelled;
    AbsolutePathInto(CurrentFolder(), name, spelled);
    return spelled;
}

TEST(Journal, RecordsRoundTripEveryFileNameAndReadBackInOrder)
{
    TempDir dir;
    JournalHeader header = Header;
    header.arguments = LoneSpecialByteNames();
    std::vector<std::string> names = {"/plain.wav",          "/with \"quote\" \\ and\nnewline.wav", "/caf\xc3\xa9.wav",
                                      "/latin1-caf\xe9.wav", "/bad\xed\xa0\x80surrogate.wav",       "relative.wav"};
    names.insert(names.end(), header.arguments.begin(), header.arguments.end());
    {
        CJournalWriter writer;
        ASSERT_TRUE(writer.Create(dir / "j.jsonl", header, CJournalWriter::CreateMode::NewFile));
        for (std::size_t i = 0; i < names.size(); ++i) {
            const HeaderPatch patch = Patch(i);
            // Encoded ahead of the append, ahead for another record (never taken for this one), or not at all.
            if (i % 3 == 1)
                writer.PrepareRecord(names[i], patch);
            if (i % 3 == 2)
                writer.PrepareRecord(names[i], Patch(i + 1));
            ASSERT_TRUE(writer.RecordPatch(names[i], patch));
        }
        EXPECT_TRUE(writer.Finish());
    }
    const testwav::Bytes text = testwav::ReadFile(dir / "j.jsonl");
    EXPECT_EQ(std::size_t(std::count(text.begin(), text.end(), '\n')), names.size() + 1);
    EXPECT_EQ(text.back(), '\n');  // the space reserved ahead is cut off
    // The records as they lie on disk: only a name that is not UTF-8 carries its bytes beside the text.
    std::vector<std::string> lines(1);
    for (const unsigned char byte : text) {
        if (byte == '\n')
            lines.emplace_back();
        else
            lines.back() += static_cast<char>(byte);
    }
    const std::string tail = R"(,"size":1000,"offset":32,"before":"020044ac","after":"010080bb"})";
    // The root as the system spells it ("/", or "Z:\" on Windows), in the text and in hex.
    const std::string root = AbsoluteSpelling("/");
    std::string rootText, rootHex;
    for (const char c : root) {
        rootText += c == '\\' ? "\\\\" : std::string(1, c);
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(c));
        rootHex += digits;
    }
    for (const auto& [index, record] : {
             std::pair{std::size_t{2}, "{\"path\":\"" + rootText + "caf\xC3\xA9.wav\",\"device\":7,\"inode\":2" + tail},
             std::pair{std::size_t{3},
                       "{\"path\":\"" + rootText + "latin1-caf\xEF\xBF\xBD.wav\",\"pathBytes\":\"" + rootHex
                           + "6c6174696e312d636166e92e776176\",\"device\":7,\"inode\":3" + tail},
         }) {
        EXPECT_EQ(lines.at(index + 1), record);
    }
    EXPECT_NE(lines.at(5).find(",\"pathBytes\":\"" + rootHex
                               + R"(626164eda080737572726f676174652e776176","device":7,"inode":4,)"),
              std::string::npos)
        << lines.at(5);
    for (const std::size_t utf8 : {1u, 2u, 3u, 6u, 7u})
        EXPECT_EQ(lines.at(utf8).find("pathBytes"), std::string::npos) << lines.at(utf8);

    CJournalReader reader;
    ASSERT_TRUE(reader.Open(dir / "j.jsonl")) << RenderEnglish(reader.Failure());
    EXPECT_EQ(std::tie(reader.Header().arguments, reader.Header().time), std::tie(header.arguments, Header.time));
    ASSERT_EQ(reader.RecordCount(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto record = reader.ReadRecord(i);
        ASSERT_TRUE(record) << RenderEnglish(reader.Failure());
        const HeaderPatch& got = record->patch;
        const HeaderPatch want = Patch(i);
        EXPECT_EQ(
            std::tie(record->path, got.identity, got.offset, got.before, got.after),
            std::forward_as_tuple(AbsoluteSpelling(names[i]), want.identity, want.offset, want.before, want.after));
    }
}

// undo writes whatever a journal says: one that another user could have
// written, or put in place through its folder, is not read; in the user's
// own journal folder only the file itself counts.
TEST(Journal, AJournalOthersMayChangeIsNotTrusted)
{
    struct Row {
        const char* opened;  // "journal" or "folder"
        bool inOwnFolder;
        const char* words;  // empty: trusted
    };
    for (const Row& row : {Row{"", false, ""}, Row{"journal", false, "not trusted"}, Row{"folder", false, "its folder"},
                           Row{"folder", true, ""}, Row{"journal", true, "not trusted"}}) {
        SCOPED_TRACE(std::string(row.opened) + (row.inOwnFolder ? " in the own folder" : ""));
        testwav::ScopedStateHome own;
        TempDir dir;
        const std::string folder = row.inOwnFolder ? CJournalFolder::DefaultPath() : dir / "elsewhere";
        fs::create_directories(NativePath(folder));
        const std::string path = folder + "/j.jsonl";
        {
            CJournalWriter writer;
            ASSERT_TRUE(writer.Create(path, Header, CJournalWriter::CreateMode::NewFile))
                << RenderEnglish(writer.Failure());
            ASSERT_TRUE(writer.RecordPatch("/a.wav", Patch(1)));
            ASSERT_TRUE(writer.Finish());
        }
        ASSERT_TRUE(fs::exists(NativePath(path)));  // one record keeps its batch
        if (std::string(row.opened) == "journal")
            testsys::LetOthersWrite(path);
        else if (std::string(row.opened) == "folder")
            testsys::LetOthersWrite(folder);
        CJournalReader reader;
        EXPECT_EQ(reader.Open(path), *row.words == '\0') << RenderEnglish(reader.Failure());
        EXPECT_NE(RenderEnglish(reader.Failure()).find(row.words), std::string::npos)
            << RenderEnglish(reader.Failure());
    }
}

// Refusals for a full or unreachable journal are checked through the tool.
TEST(Journal, AnExistingFileIsNeverTakenOver)
{
    TempDir dir;
    testwav::WriteFile(dir / "taken.jsonl", {1});
    CJournalWriter writer;
    EXPECT_FALSE(writer.Create(dir / "taken.jsonl", Header, CJournalWriter::CreateMode::NewFile));
    EXPECT_NE(RenderEnglish(writer.Failure()).find("File exists"), std::string::npos)
        << RenderEnglish(writer.Failure());
    EXPECT_FALSE(writer.RecordPatch("/a.wav", Patch(1)));
    EXPECT_EQ(testwav::ReadFile(dir / "taken.jsonl"), testwav::Bytes{1});
}

TEST(Journal, TornLastLineIsLeftOutAndDamagedRecordsAndUnknownHeadersAreNamed)
{
    TempDir dir;
    std::string good;
    EncodeRecord(good, "/a.wav", Patch(1));
    std::string uneven;
    EncodeRecord(uneven, "/a.wav", {{7, 1, 1000}, 32, {0x02, 0x00}, {0x01}});
    std::string nul;
    EncodeRecord(nul, std::string("/a\0b.wav", 8), Patch(1));
    const std::string header = EncodeHeader(Header);
    // A complete header of another version of the format.
    const auto headerOf = [](int version) {
        JournalHeader other = Header;
        other.journal = version;
        return EncodeHeader(other);
    };
    // records -1: no journal at all; failure: what Failure() names then, or after reading record 1.
    const std::tuple<std::string, int, std::string> cases[] = {
        {header + good + good.substr(0, 20), 1, ""},
        {header + "\n" + good + "\n", 1, ""},  // empty lines are no records
        {header + good + std::string(std::size_t{1} << 21, '\0'), 1, ""},  // space reserved ahead, left by a crash
        {header + "{\"path\":\"/b.wav\",\"before\":\"zz\"}\n" + good, 2, "Record 1 of"},
        {header + good.substr(0, 30) + "\n", 1, "Record 1 of"},
        {header + uneven, 1, "\"before\" and \"after\" differ in length"},
        {header + nul, 1, "its path holds a NUL byte"},
        {"", -1, "is no journal"},
        {"not json\n", -1, "is no journal: not a JSON object"},
        {"{\"journal\":1}\n", -1, "is no journal: \"time\" is missing"},
        {headerOf(JournalFormatVersion + 1) + good, -1,
         "is no journal: journal version " + std::to_string(JournalFormatVersion + 1)
             + " is not known to this version"},
        {headerOf(0) + good, -1, "is no journal: journal version 0 is not known"},
    };
    for (const auto& [content, records, failure] : cases) {
        std::ofstream(dir / "j.jsonl", std::ios::binary | std::ios::trunc) << content;
        CJournalReader reader;
        ASSERT_EQ(reader.Open(dir / "j.jsonl"), records >= 0) << RenderEnglish(reader.Failure());
        if (records >= 0) {
            ASSERT_EQ(reader.RecordCount(), std::size_t(records));
            EXPECT_EQ(!reader.ReadRecord(0), !failure.empty());
        }
        const std::string named = RenderEnglish(reader.Failure());
        EXPECT_EQ(named.empty(), failure.empty()) << named;
        EXPECT_NE(named.find(failure), std::string::npos) << named;
    }
}

// Records that fill the space mapped ahead to its last byte, overrun it by
// one, or are longer than a whole step ahead land whole in the file. Written
// in a child process: a write past the mapping fails the test, not the suite.
TEST(Journal, RecordsAtTheEdgeOfTheSpaceMappedAheadLandWhole)
{
    if (!testsys::JournalReservesAhead())
        GTEST_SKIP() << "the journal is written without a mapping on this system";
    TempDir dir;
    // Ends without closing the journal when no record is given, as a crash would.
    const auto writeJournal = [](const std::string& path, const std::vector<std::string>& names) {
        CJournalWriter writer;
        bool written = writer.Create(path, Header, CJournalWriter::CreateMode::NewFile);
        for (const std::string& name : names)
            written = written && writer.RecordPatch(name, Patch(1));
        std::_Exit(written && (names.empty() || writer.Finish()) ? 0 : 1);
    };
    // A journal left by a crash keeps the space reserved ahead.
    EXPECT_EXIT(writeJournal(dir / "crashed.jsonl", {}), ::testing::ExitedWithCode(0), "");
    const std::uint64_t reserved = fs::file_size(dir / "crashed.jsonl");
    const std::size_t head = EncodeHeader(Header).size();
    std::string line;
    EncodeRecord(line, "/", Patch(1));
    const std::size_t bare = line.size();
    if (reserved <= head + bare)
        GTEST_SKIP() << "journals are not mapped here";
    for (const std::uint64_t over : {std::uint64_t{0}, std::uint64_t{1}, reserved}) {
        SCOPED_TRACE(over);
        const std::string path = dir / ("j" + std::to_string(over) + ".jsonl");
        const std::vector<std::string> names = {"/" + std::string(reserved - head - bare + over, 'x'), "/next.wav"};
        EXPECT_EXIT(writeJournal(path, names), ::testing::ExitedWithCode(0), "");
        CJournalReader reader;
        ASSERT_TRUE(reader.Open(path)) << RenderEnglish(reader.Failure());
        ASSERT_EQ(reader.RecordCount(), names.size());
        for (std::size_t i = 0; i < names.size(); ++i) {
            const auto record = reader.ReadRecord(i);
            EXPECT_EQ(record ? record->path : RenderEnglish(reader.Failure()), names[i]);
        }
        EXPECT_EQ(fs::file_size(path), head + 2 * bare + names[0].size() + names[1].size() - 2);
    }
}

TEST(Journal, FolderKeepsTheNewestHundredBatchesAndDropsEmptyOnes)
{
    TempDir dir;
    const CJournalFolder folder(dir / "state/quelbrook/journal");
    std::vector<std::string> created;
    CoreText failure;
    for (int i = 0; i < 105; ++i) {
        CJournalWriter writer;
        JournalHeader header = Header;
        header.time = JournalTimeNow();
        ASSERT_TRUE(folder.CreateBatch(writer, header, failure)) << RenderEnglish(failure);
        ASSERT_TRUE(writer.RecordPatch("/a.wav", Patch(1)) && writer.Finish());
        created.push_back(writer.Path());
    }
    testwav::WriteFile(dir / "state/quelbrook/journal/notes.txt", {1});
    EXPECT_EQ(folder.Batches(), std::vector<std::string>(created.end() - 100, created.end()));
    EXPECT_EQ(folder.NewestBatch(), created.back());
    EXPECT_TRUE(testsys::OwnerOnly(folder.Path()));

    // A batch that changed nothing leaves nothing behind.
    CJournalWriter empty;
    ASSERT_TRUE(folder.CreateBatch(empty, Header, failure));
    EXPECT_TRUE(empty.Finish());
    EXPECT_FALSE(fs::exists(empty.Path()));
    EXPECT_EQ(folder.NewestBatch(), created.back());

    // With the clock set back a hundred later batches exist: the new one is kept all the same.
    for (int i = 0; i < 100; ++i)
        testwav::WriteFile(folder.Path() + "/20990101T000000.0000" + std::to_string(10 + i) + "Z-1.jsonl", {1});
    CJournalWriter late;
    ASSERT_TRUE(folder.CreateBatch(late, Header, failure));
    EXPECT_TRUE(fs::exists(late.Path()));
    EXPECT_TRUE(fs::exists(dir / "state/quelbrook/journal/notes.txt"));  // not a batch: never removed
}

}  // namespace
