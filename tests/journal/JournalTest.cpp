// The journal's own rules: lines that round-trip any file name, a header
// that is refused when it cannot be written, torn and damaged lines, and the
// folder's retention.
#include "WavBuilder.h"

#include "journal/CJournalFolder.h"
#include "journal/CJournalReader.h"
#include "journal/CJournalWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using testwav::TempDir;

namespace {

const JournalHeader Header{JournalFormatVersion, "2026-01-31T23:59:59.000001Z", "quelbrook-cli", "9.9", {"set", "a b"},
                           {}};

HeaderPatch Patch(std::uint64_t inode)
{
    return {{7, inode, 1000}, 32, {0x02, 0x00, 0x44, 0xac}, {0x01, 0x00, 0x80, 0xbb}};
}

TEST(Journal, RecordsRoundTripEveryFileNameAndReadBackInOrder)
{
    TempDir dir;
    const std::vector<std::string> names = {"/plain.wav", "/with \"quote\" \\ and\nnewline.wav", "/caf\xc3\xa9.wav",
                                            "/latin1-caf\xe9.wav", "/bad\xed\xa0\x80surrogate.wav", "relative.wav"};
    {
        CJournalWriter writer;
        ASSERT_TRUE(writer.Create(dir / "j.jsonl", Header, CJournalWriter::CreateMode::NewFile));
        for (std::size_t i = 0; i < names.size(); ++i)
            ASSERT_TRUE(writer.RecordPatch(names[i], Patch(i)));
        EXPECT_TRUE(writer.Finish());
    }
    const testwav::Bytes text = testwav::ReadFile(dir / "j.jsonl");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7);
    EXPECT_EQ(text.back(), '\n');  // the space reserved ahead is cut off
    // Only the names that are not UTF-8 carry their bytes beside the text.
    EXPECT_EQ(std::count(text.begin(), text.end(), 'B'), 2);  // "pathBytes"

    CJournalReader reader;
    ASSERT_TRUE(reader.Open(dir / "j.jsonl")) << reader.Failure();
    EXPECT_EQ(std::tie(reader.Header().arguments, reader.Header().time), std::tie(Header.arguments, Header.time));
    ASSERT_EQ(reader.RecordCount(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto record = reader.ReadRecord(i);
        ASSERT_TRUE(record) << reader.Failure();
        const HeaderPatch& got = record->patch;
        const HeaderPatch want = Patch(i);
        EXPECT_EQ(std::tie(record->path, got.identity, got.offset, got.before, got.after),
                  std::forward_as_tuple(fs::absolute(names[i]).string(), want.identity, want.offset, want.before, want.after));
    }
}

// Refusals for a full or unreachable journal are checked through the tool.
TEST(Journal, AnExistingFileIsNeverTakenOver)
{
    TempDir dir;
    testwav::WriteFile(dir / "taken.jsonl", {1});
    CJournalWriter writer;
    EXPECT_FALSE(writer.Create(dir / "taken.jsonl", Header, CJournalWriter::CreateMode::NewFile));
    EXPECT_NE(writer.Failure().find("File exists"), std::string::npos) << writer.Failure();
    EXPECT_FALSE(writer.RecordPatch("/a.wav", Patch(1)));
    EXPECT_EQ(testwav::ReadFile(dir / "taken.jsonl"), testwav::Bytes{1});
}

TEST(Journal, TornLastLineIsLeftOutAndDamagedRecordsAreNamed)
{
    TempDir dir;
    std::string good;
    EncodeRecord(good, "/a.wav", Patch(1));
    const std::string header = EncodeHeader(Header);
    for (const auto& [content, records, damaged] :  // records -1: no journal at all
         {std::tuple{header + good + good.substr(0, 20), 1, false},
          std::tuple{header + good + std::string(std::size_t{1} << 21, '\0'), 1, false},  // space reserved ahead, left by a crash
          std::tuple{header + "{\"path\":\"/b.wav\",\"before\":\"zz\"}\n" + good, 2, true},
          std::tuple{header + good.substr(0, 30) + "\n", 1, true}, std::tuple{std::string(), -1, false},
          std::tuple{std::string("not json\n"), -1, false}, std::tuple{std::string("{\"journal\":2}\n"), -1, false}}) {
        std::ofstream(dir / "j.jsonl", std::ios::binary | std::ios::trunc) << content;
        CJournalReader reader;
        ASSERT_EQ(reader.Open(dir / "j.jsonl"), records >= 0) << reader.Failure();
        EXPECT_EQ(reader.Failure().find("is no journal") != std::string::npos, records < 0) << reader.Failure();
        if (records < 0)
            continue;
        ASSERT_EQ(reader.RecordCount(), std::size_t(records));
        EXPECT_EQ(!reader.ReadRecord(0), damaged);
        EXPECT_EQ(reader.Failure().find("Record 1 of") != std::string::npos, damaged) << reader.Failure();
    }
}

TEST(Journal, FolderKeepsTheNewestHundredBatchesAndDropsEmptyOnes)
{
    TempDir dir;
    const CJournalFolder folder(dir / "state/quelbrook/journal");
    std::vector<std::string> created;
    std::string failure;
    for (int i = 0; i < 105; ++i) {
        CJournalWriter writer;
        JournalHeader header = Header;
        header.time = JournalTimeNow();
        ASSERT_TRUE(folder.CreateBatch(writer, header, failure)) << failure;
        ASSERT_TRUE(writer.RecordPatch("/a.wav", Patch(1)) && writer.Finish());
        created.push_back(writer.Path());
    }
    testwav::WriteFile(dir / "state/quelbrook/journal/notes.txt", {1});
    EXPECT_EQ(folder.Batches(), std::vector<std::string>(created.end() - 100, created.end()));
    EXPECT_EQ(folder.NewestBatch(), created.back());
    EXPECT_EQ(fs::status(folder.Path()).permissions(), fs::perms::owner_all);

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
