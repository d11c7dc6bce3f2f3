// The engine against what only POSIX systems have or let a test do: FIFOs,
// system calls replaced to inject failures or count reads, flock().
#include "../WaveFileFixture.h"

#include "platform/posix/FileCalls.h"

#include "Watchdog.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>
#include <utility>

using namespace testwav;

namespace {

// Replaces the system calls CFile makes while it lives.
struct CallsOverride {
    explicit CallsOverride(FileCalls calls) : saved(std::exchange(CurrentFileCalls(), calls)) {}
    ~CallsOverride() { CurrentFileCalls() = saved; }
    FileCalls saved;
};

int preads = 0;
ssize_t CountedPread(int fd, void* buffer, std::size_t count, off_t offset)
{
    ++preads;
    return pread(fd, buffer, count, offset);
}

// Writes half of what it is given, then finds the disk full; later writes
// (putting the half back) succeed.
int writes = 0;
ssize_t HalfThenFull(int fd, const void* buffer, std::size_t count, off_t offset)
{
    if (writes++ != 1)
        return pwrite(fd, buffer, writes == 1 ? count / 2 : count, offset);
    errno = ENOSPC;
    return -1;
}

}  // namespace

// Registered with a time-out: opening a FIFO must not wait for a writer.
TEST_F(Load, FifoIsRefusedWithoutBlocking)
{
    const std::string fifo = dir / "pipe.wav";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    testwait::FinishesWithin(std::chrono::seconds(10), "opening a FIFO", [&] { wave.SetFileName(fifo); });
    EXPECT_EQ(prompt.messages,
              std::vector<std::string>{"File " + fifo + " could not be opened - code: 6 (it is not a regular file)"});
    EXPECT_FALSE(wave.HeaderLoaded());
}

TEST_F(Load, ZeroFilledAudioIsWalkedInFewReads)
{
    // A recorder stopped before finishing its header: "data" of size 0, then zeros, and chunks after them.
    for (const std::uint64_t zeros : {std::uint64_t{4} << 20, std::uint64_t{1} << 30}) {
        WavBuilder b;
        b.Fmt(kStereo16).Chunk("data", {});
        const std::string p = dir / "zeros.wav";
        const WavBuilder tail = WavBuilder().Chunk("bext", BextContent(5)).Chunk("regn", {});
        // The small one is written out: real zeros, not a hole the walk could skip.
        const bool sparse = zeros > (16 << 20);
        if (sparse && !testsys::WriteSparse(p, b.Build(), b.Size() + zeros, tail.Chunks()))
            GTEST_SKIP() << "no sparse files here";
        if (!sparse) {
            Bytes image = b.Build(), chunks = tail.Chunks();
            image.resize(image.size() + zeros, 0);
            image.insert(image.end(), chunks.begin(), chunks.end());
            WriteFile(p, image);
        }
        preads = 0;
        {
            CallsOverride counted({CountedPread, CurrentFileCalls().pwrite, CurrentFileCalls().close});
            wave.SetFileName(p);
        }
        EXPECT_EQ(Found(), std::tuple(true, 5u, b.Size() + zeros + 8 + 602));
        // The head, two small blocks, then 256 KiB per read.
        EXPECT_LE(preads, sparse ? 6 : 5 + static_cast<int>(zeros >> 18)) << zeros << " zero bytes";
    }
}

TEST_F(Rewrite, AFailedWriteLeavesTheFileAsItWas)
{
    const std::string p = Put("full.wav", kPlain);
    writes = 0;
    wave.SetFileName(p);
    {
        CallsOverride injected({pread, HalfThenFull, close});
        EXPECT_FALSE(wave.RewriteHeader({48000, 0, 0, 0, true}));
    }
    EXPECT_EQ(prompt.messages.back(), "Disk full while accessing " + p + " (no space left on the device).");
    EXPECT_EQ(wave.Format().sampleRate, 44100u);
    EXPECT_EQ(ReadFile(p), kPlain);  // the half written was put back
}

// Each call is interrupted by a signal once before it is let through.
bool interrupt = false;
ssize_t InterruptedPread(int fd, void* buffer, std::size_t count, off_t offset)
{
    if ((interrupt = !interrupt)) {
        errno = EINTR;
        return -1;
    }
    return pread(fd, buffer, count, offset);
}
ssize_t InterruptedPwrite(int fd, const void* buffer, std::size_t count, off_t offset)
{
    if ((interrupt = !interrupt)) {
        errno = EINTR;
        return -1;
    }
    return pwrite(fd, buffer, count, offset);
}

TEST_F(Rewrite, InterruptedReadsAndWritesAreMadeAgain)
{
    const std::string p = Put("signals.wav", kPlain);
    const CallsOverride interrupted({InterruptedPread, InterruptedPwrite, close});
    wave.SetFileName(p);
    EXPECT_TRUE(wave.HeaderLoaded());
    ASSERT_TRUE(wave.RewriteHeader({48000, 0, 0, 0, true}));
    EXPECT_TRUE(Rewritten(kPlain, ReadFile(p), 12, {1, 2, 4, 16, 48000, 192000}));
    EXPECT_TRUE(prompt.messages.empty());
}

// A network file system may report a failed write only when the file is
// closed, whether the bytes reached the server or not: what the file holds
// afterwards decides the result, for a rewrite and for its undo.
TEST_F(Rewrite, AFailedCloseReportsWhatTheFileHolds)
{
    const std::string p = Put("nfs.wav", kPlain);
    const std::string failed = "A hardware I/O error was reported while accessing " + p + " (input/output error)";
    const Bytes changed = WavBuilder().Fmt({1, 2, 48000, 192000, 4, 16}).Chunk("data", Pattern(33)).Build();
    const struct Case {
        int (*close)(int);
        bool result;
        Bytes holds;
        std::string message;
    } cases[] = {
        {[](int fd) {
             close(fd);
             errno = EIO;
             return -1;
         },
         true, changed,
         "Closing " + p + " reported an error (" + failed + "), but reading it again found the new values in place."},
        // The server dropped the write.
        {[](int fd) {
             // Fails on the descriptor that reads the file again, which is closed here too.
             [[maybe_unused]] const ssize_t dropped = pwrite(fd, kPlain.data() + 24, 8, 24);
             close(fd);
             errno = EIO;
             return -1;
         },
         false, kPlain,
         failed + " when it was closed; reading it again found the values it had before, so it was left unchanged."},
        {[](int fd) {
             close(fd);
             errno = EINTR;
             return -1;
         },
         true, changed,
         "Closing " + p + " reported an error (An unknown error occurred while accessing " + p
             + "), but reading it again found the new values in place."},
    };
    RecordingJournal journal;
    wave.SetJournal(&journal);
    for (const Case& c : cases) {
        WriteFile(p, kPlain);
        wave.SetFileName(p);
        prompt.messages.clear();
        {
            CallsOverride injected({pread, pwrite, c.close});
            EXPECT_EQ(wave.RewriteHeader({48000, 0, 0, 0, true}), c.result);
        }
        EXPECT_EQ(prompt.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(ReadFile(p), c.holds);
        EXPECT_EQ(wave.Format().sampleRate, c.result ? 48000u : 44100u);
    }
    EXPECT_EQ(journal.patches.size(), 3u);  // the record stays either way

    // Undo: restored with the warning when the old bytes are back.
    WriteFile(p, changed);
    const HeaderPatch patch = journal.patches[0];
    prompt.messages.clear();
    {
        CallsOverride injected({pread, pwrite, cases[0].close});
        EXPECT_TRUE(wave.RestorePatch(patch));
    }
    EXPECT_EQ(ReadFile(p), kPlain);
    EXPECT_EQ(prompt.messages,
              std::vector<std::string>{"Closing " + p + " reported an error (" + failed
                                       + "), but reading it again found the new values in place."});
}

// Another batch holds the file between its read and its write: a rewrite or
// an undo reads only once it has written, so both changes stay (the undo of
// the rewrite, made after the other batch's change, finds its bytes in place
// only then).
TEST_F(Rewrite, AFileAnotherBatchIsUpdatingIsReadOnlyOnceItIsDone)
{
    const std::string p = Put("busy.wav", kPlain);
    const Bytes at48k = WavBuilder().Fmt({1, 2, 48000, 192000, 4, 16}).Chunk("data", Pattern(33)).Build();
    const auto with24Bits = [](Bytes image) {
        image[12 + 22] = 24;
        return image;
    };
    RecordingJournal journal;
    wave.SetJournal(&journal);
    for (const bool undo : {false, true}) {
        WriteFile(p, undo ? at48k : kPlain);
        const int other = open(p.c_str(), O_RDWR | O_CLOEXEC);
        ASSERT_EQ(flock(other, LOCK_EX), 0);
        std::thread update([&] {
            wave.CAudioFile::SetFileName(p);
            EXPECT_TRUE(undo ? wave.RestorePatch(journal.patches[0]) : wave.RewriteHeader({48000, 0, 0, 0, true}));
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        EXPECT_EQ(ReadFile(p), undo ? at48k : kPlain);
        // The other batch sets 24 bits, then lets go.
        const unsigned char bits[2] = {24, 0};
        EXPECT_EQ(pwrite(other, bits, 2, 12 + 22), 2);
        close(other);
        update.join();
        EXPECT_EQ(ReadFile(p), with24Bits(undo ? kPlain : at48k));
    }
}
