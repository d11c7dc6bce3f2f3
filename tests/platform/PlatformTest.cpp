// CFile against the system's files, on every system.
#include "platform/CFile.h"
#include "platform/Cp1252.h"

#include "SystemHelpers.h"
#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace testwav;

TEST(Cp1252, DecodesToUtf8)
{
    // Plain, euro sign, Latin-1 range, an unassigned byte, the last of 0x80-0x9F.
    EXPECT_EQ(Cp1252ToUtf8("a\x80\xE9\x81\x9F"), "a\xE2\x82\xAC\xC3\xA9\xEF\xBF\xBD\xC5\xB8");
}

TEST(CFile, PositionalReadsStopAtEndAndWritesStayInPlace)
{
    TempDir dir;
    const std::string path = PutFile(dir, "f", Bytes{0, 1, 2, 3, 4, 5, 6, 7});
    CFile file;
    ASSERT_EQ(file.Open(path, FileMode::ReadWrite), OpenStatus::Opened);
    file.CacheHead(4);
    ASSERT_TRUE(file.ReplaceAt(3, "\xAA\xBB", "\x03\x04", 2));
    Bytes buf(8);
    EXPECT_EQ(file.ReadAt(2, buf.data(), 8), 6u);
    EXPECT_EQ(buf, (Bytes{2, 0xAA, 0xBB, 5, 6, 7, 0, 0}));  // the cached head sees the write
    EXPECT_EQ(file.ReadAt(8, buf.data(), 4), 0u);
    EXPECT_EQ(file.ReadAt(1ull << 40, buf.data(), 4), 0u);
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(ReadFile(path), (Bytes{0, 1, 2, 0xAA, 0xBB, 5, 6, 7}));
}

TEST(CFile, ReadingTheHeadLeavesTheAccessTimeAlone)
{
    TempDir dir;
    if (!testsys::ReadsCanKeepTheAccessTime(Utf8Path(dir.Path())))
        GTEST_SKIP() << "reads here change the access time whatever the program asks";
    const std::string path = PutFile(dir, "a.wav", Bytes(100, 1));
    // Older than the modification time: a relatime mount would update it on any read.
    testsys::SetTimes(path, 1000, 2000000);
    CFile file;
    ASSERT_EQ(file.Open(path, FileMode::ReadWrite), OpenStatus::Opened);
    file.CacheHead();
    EXPECT_EQ(file.CachedHead().size(), 100u);
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(testsys::TimesOf(path).first, 1000);
}

// Holes of a sparse file are stepped over; where the system cannot tell,
// the offset asked about comes back and the caller reads on.
TEST(CFile, NextDataStepsOverHolesOfASparseFile)
{
    TempDir dir;
    const std::string path = dir / "sparse.wav";
    const std::uint64_t tailAt = 64ull << 20;
    if (!testsys::WriteSparse(path, Bytes(16, 1), tailAt, Bytes(16, 2)))
        GTEST_SKIP() << "no sparse files here";
    CFile file;
    ASSERT_EQ(file.Open(path, FileMode::Read), OpenStatus::Opened);
    // Inside data and at the end, the offset itself.
    EXPECT_EQ(std::tuple(file.NextData(8), file.NextData(tailAt + 4), file.NextData(tailAt + 16)),
              std::tuple(std::uint64_t{8}, tailAt + 4, tailAt + 16));
    const std::uint64_t next = file.NextData(1 << 20);
    if (next == 1 << 20)
        GTEST_SKIP() << "this file system does not say where its holes are";
    EXPECT_EQ(next, tailAt);
}
