#include "wave/ChunkLocator.h"

#include "platform/CFile.h"

#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using testwav::Bytes;
using testwav::TempDir;
using testwav::WavBuilder;

namespace {

class Walk : public ::testing::Test {
protected:
    std::uint64_t Locate(const Bytes& image, std::string_view id)
    {
        testwav::WriteFile(path, image);
        CFile file;
        if (file.Open(path, FileMode::Read) != OpenStatus::Opened)
            return ~0ull;
        return ChunkLocator(file, 12, id);
    }

    TempDir dir;
    std::string path = dir / "walk.wav";
};

}  // namespace

TEST_F(Walk, StartsAtTwelveWhateverTheHeaderHolds)
{
    WavBuilder b("XXXX", "fmt ");  // an id at 8 must not be seen
    b.Fmt({}).Chunk("data", Bytes(8, 0));
    EXPECT_EQ(Locate(b.Build(), "fmt "), 12u);
    EXPECT_EQ(Locate(b.Build(), "data"), b.OffsetOf("data"));
    EXPECT_EQ(Locate(b.Build(), "XXXX"), 0u);
    EXPECT_EQ(Locate(b.Build(), "bext"), 0u);

    Bytes twelve = WavBuilder().Build();
    ASSERT_EQ(twelve.size(), 12u);
    EXPECT_EQ(Locate(twelve, "WAVE"), 0u);
    EXPECT_EQ(Locate(twelve, "RIFF"), 0u);
}

TEST_F(Walk, IdInTheLastFourBytesIsFound)
{
    Bytes image = WavBuilder().Chunk("JUNK", Bytes(6, 0)).Build();
    testwav::PutText(image, "regn");
    EXPECT_EQ(Locate(image, "regn"), 26u);
    Bytes cut(image.begin(), image.end() - 1);
    EXPECT_EQ(Locate(cut, "regn"), 0u);
}

TEST_F(Walk, OnlyDataGetsAPadByte)
{
    WavBuilder padded;
    padded.Fmt({}).Chunk("data", Bytes(7, 0x55)).Chunk("regn", Bytes(4, 0));
    ASSERT_EQ(padded.OffsetOf("regn"), 12u + 24 + 16);
    EXPECT_EQ(Locate(padded.Build(), "regn"), padded.OffsetOf("regn"));

    // A pad after an odd list chunk throws the walk one byte early...
    WavBuilder list;
    list.Chunk("LIST", Bytes(13, 0x41), true).Chunk("regn", Bytes(4, 0));
    EXPECT_EQ(Locate(list.Build(), "regn"), 0u);
    // ...so a chunk written straight after it, without pad, is the one found.
    WavBuilder unpadded;
    unpadded.Chunk("LIST", Bytes(13, 0x41), false).Chunk("regn", Bytes(4, 0));
    EXPECT_EQ(Locate(unpadded.Build(), "regn"), 12u + 8 + 13);
}

TEST_F(Walk, FirstMatchWins)
{
    WavBuilder b;
    b.Chunk(std::string_view("be\0t", 4), Bytes(2, 0)).Chunk("bext", Bytes(4, 1)).Chunk("bext", Bytes(4, 2));
    EXPECT_EQ(Locate(b.Build(), "bext"), b.OffsetOf("bext"));
    EXPECT_EQ(Locate(b.Build(), "be"), 0u);
}

TEST_F(Walk, SizeRunningPastTheEndStopsTheWalk)
{
    WavBuilder b;
    b.Chunk("JUNK", Bytes(4, 0), true, 0xFFFFFF00).Chunk("fmt ", Bytes(16, 0));
    EXPECT_EQ(Locate(b.Build(), "fmt "), 0u);
    // An odd data size of 0xFFFFFFFF plus its pad must not wrap to 0.
    WavBuilder odd;
    odd.Chunk("data", {}, false, 0xFFFFFFFF).Chunk("fmt ", Bytes(16, 0));
    EXPECT_EQ(Locate(odd.Build(), "fmt "), 0u);
    Bytes cutSize = WavBuilder().Chunk("JUNK", {}).Build();
    cutSize.resize(18);  // id and half a size field
    EXPECT_EQ(Locate(cutSize, "fmt "), 0u);
}

TEST_F(Walk, Rf64DataSizeComesFromDs64)
{
    for (const char* tag : {"RF64", "BW64"}) {
        WavBuilder b(tag);
        b.Ds64(101).Fmt({}).Chunk("data", Bytes(101, 0x33), true, 0xFFFFFFFF).Chunk("bext", Bytes(8, 0));
        EXPECT_EQ(Locate(b.Build(), "bext"), b.OffsetOf("bext")) << tag;
    }
    // A plain RIFF file takes 0xFFFFFFFF at its word: the walk runs off the end.
    WavBuilder riff;
    riff.Ds64(101).Fmt({}).Chunk("data", Bytes(101, 0x33), true, 0xFFFFFFFF).Chunk("bext", Bytes(8, 0));
    EXPECT_EQ(Locate(riff.Build(), "bext"), 0u);
}

namespace {

// Writes image at 0 and tail at tailAt of a sparse file; false when the
// file system will not hold such a file cheaply.
bool WriteSparse(const std::string& path, const Bytes& image, std::uint64_t tailAt, const Bytes& tail)
{
    const int fd = open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
    if (fd < 0)
        return false;
    const auto total = static_cast<off_t>(tailAt + tail.size());
    bool ok = ftruncate(fd, total) == 0
        && pwrite(fd, image.data(), image.size(), 0) == static_cast<ssize_t>(image.size())
        && pwrite(fd, tail.data(), tail.size(), static_cast<off_t>(tailAt)) == static_cast<ssize_t>(tail.size());
    struct stat st {};
    ok = ok && fstat(fd, &st) == 0 && st.st_blocks * 512 < (1 << 24);
    close(fd);
    return ok;
}

}  // namespace

TEST_F(Walk, FilesOf4GiBAndMoreFindChunksAtTheirTrueOffset)
{
    // A JUNK chunk of almost 4 GiB puts "bext" beyond 2^32.
    WavBuilder b;
    b.Fmt({}).Chunk("JUNK", {}, false, 0xFFFFFFF0);
    const std::uint64_t bextAt = b.Size() + 0xFFFFFFF0ull;
    const Bytes bext = WavBuilder().Chunk("bext", testwav::BextContent(7)).Build();
    const Bytes tail(bext.begin() + 12, bext.end());
    if (!WriteSparse(path, b.Build(), bextAt, tail))
        GTEST_SKIP() << "no sparse files here";
    CFile file;
    ASSERT_EQ(file.Open(path, FileMode::Read), OpenStatus::Opened);
    EXPECT_GT(bextAt, 0xFFFFFFFFull);
    EXPECT_EQ(ChunkLocator(file, 12, "bext"), bextAt);
    EXPECT_EQ(ChunkLocator(file, 12, "regn"), 0u);

    // RF64 with 5 GiB of audio and the "bext" after it.
    const std::uint64_t dataSize = 5ull << 30;
    WavBuilder rf("RF64");
    rf.Ds64(dataSize).Fmt({}).Chunk("data", {}, false, 0xFFFFFFFF);
    const std::uint64_t rfBextAt = rf.Size() + dataSize;
    const std::string rfPath = dir / "rf64.wav";
    ASSERT_TRUE(WriteSparse(rfPath, rf.Build(), rfBextAt, tail));
    CFile rfFile;
    ASSERT_EQ(rfFile.Open(rfPath, FileMode::Read), OpenStatus::Opened);
    EXPECT_EQ(ChunkLocator(rfFile, 12, "bext"), rfBextAt);
}
