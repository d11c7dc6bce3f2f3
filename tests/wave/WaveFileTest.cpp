#include "WaveFileFixture.h"

#include <filesystem>
#include <optional>
#include <system_error>

using namespace testwav;

TEST_F(Load, ReadsFmtBextAndRegnPositionAndKeepsWhatCannotBeRead)
{
    Bytes withRegn = Head().Build(), noFmt = WavBuilder().Chunk("data", Bytes(4, 0)).Build();
    PutText(withRegn, "regn");  // an id in the last four bytes still counts
    PutText(noFmt, "reg");
    Bytes cut = WavBuilder().Fmt({1, 2, 0x00BBAA00, 1, 2, 3}).Build();
    cut.resize(12 + 8 + 4 + 2);  // half of sampleRate: its other bytes stay
    const Bytes whole = WavBuilder().Fmt({}).Build();
    // Two empty chunk headers, then a chunk whose id was zeroed: stepped over by its size, "fmt " after it.
    Bytes zeroedId = WavBuilder().Chunk("data", {}).Build();
    zeroedId.resize(zeroedId.size() + 20, 0);
    PutLe(zeroedId, 8, 4);
    zeroedId.resize(zeroedId.size() + 8, 7);
    const Bytes fmtChunk = WavBuilder().Fmt({}).Chunks();
    zeroedId.insert(zeroedId.end(), fmtChunk.begin(), fmtChunk.end());
    // Loaded in turn: what cannot be read keeps the format of the file before; "bext" and "regn" are cleared
    // for a file without them, kept for one that cannot be opened.
    const std::tuple<const char*, std::optional<Bytes>, WaveFormat, std::tuple<bool, std::uint32_t, std::uint64_t>>
        steps[] = {
            {"a.wav", withRegn, kLoadedA, {true, kTimeRef, withRegn.size() - 4}},
            {"b.wav", noFmt, kLoadedA, {false, 0, 0}},
            {"a.wav", Head().Build(), kLoadedA, {true, kTimeRef, 0}},
            {"cut.wav", cut, {1, 2, 24, 32, (96000u & 0xFFFF0000u) | 0xAA00u, 2304000}, {false, 0, 0}},
            {"almost.wav", Bytes(whole.begin(), whole.end() - 1), {1, 2, 4, 16, 44100, 176400}, {false, 0, 0}},
            {"whole.wav", whole, {1, 2, 4, 16, 44100, 176400}, {true, 0, 0}},
            {"zeroed-id.wav", zeroedId, {1, 2, 4, 16, 44100, 176400}, {true, 0, 0}},
            {"a.wav", Head().Build(), kLoadedA, {true, kTimeRef, 0}},
            {"gone.wav", std::nullopt, kLoadedA, {false, kTimeRef, 0}},
        };
    for (const auto& [name, image, format, found] : steps) {
        SCOPED_TRACE(name);
        wave.SetFileName(image ? Put(name, *image) : dir / name);
        EXPECT_EQ(std::tuple(wave.Format(), Found(), wave.FileName(), wave.IsOpen()),
                  std::tuple(format, found, dir / name, false));
    }
    EXPECT_TRUE(prompt.messages.empty());

    // A "fmt " declared too short: the fields after it belong to "data"; neither loaded nor written.
    const Bytes tooShort = WavBuilder().Chunk("fmt ", Bytes(14, 1)).Chunk("data", Pattern(40)).Build();
    const std::string p = SetFile("take.wav", tooShort);
    EXPECT_FALSE(wave.HeaderLoaded());
    EXPECT_EQ(wave.Format(), kLoadedA);
    EXPECT_FALSE(wave.RewriteHeader({}));
    EXPECT_EQ(ReadFile(p), tooShort);
    EXPECT_EQ(prompt.messages,
              std::vector<std::string>{"The \"fmt \" chunk of " + p
                                       + " is too short to hold a format (14 bytes); the file was left unchanged."});
}

TEST_F(Load, FilesThatAreNoWavFilesAreToldApartFromWavFilesWithoutAFormat)
{
    const std::tuple<const char*, Bytes, bool> cases[] = {
        {"text", Bytes(64, 'x'), true},
        {"AIFF", WavBuilder("FORM", "AIFF").Chunk("COMM", Bytes(18, 1)).Build(), true},
        {"RIFF without fmt", WavBuilder().Chunk("data", Pattern(8)).Build(), false},
        {"RF64 without fmt", WavBuilder("RF64").Chunk("data", Pattern(8)).Build(), false},
    };
    for (const auto& [name, image, notWave] : cases) {
        const std::string p = SetFile("x.wav", image);
        EXPECT_EQ(std::pair(wave.HeaderLoaded(), wave.NotWave()), std::pair(false, notWave)) << name;
        EXPECT_FALSE(wave.RewriteHeader({}));
        EXPECT_EQ(wave.NotWave(), notWave) << name;
        EXPECT_EQ(ReadFile(p), image) << name;
    }
    EXPECT_EQ(RenderEnglish(NoFormatText("/a.txt", true)), "/a.txt is not a WAV file (no RIFF/WAVE header)");
    EXPECT_EQ(RenderEnglish(NoFormatText("/a.wav", false)), "no complete \"fmt \" chunk in /a.wav");
    EXPECT_EQ(prompt.messages, std::vector<std::string>{});
}

TEST_F(Load, OpenMessages)
{
    EXPECT_FALSE(wave.Open(OpenMode::OpenRead));
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"No file name."});
    SetFile("a.wav", Head().Build());
    ASSERT_TRUE(wave.Open(OpenMode::OpenRead));
    EXPECT_FALSE(wave.Open(OpenMode::OpenRead));
    EXPECT_EQ(prompt.messages.back(), "File already open.");
    EXPECT_TRUE(wave.Close());
    wave.SetFileName(dir.Path().string());
    EXPECT_EQ(prompt.messages.back(),
              "File " + dir.Path().string() + " could not be opened - code: 5 (it is a folder)");
}

TEST_F(Load, RegionRowsInChunkOrderForRecordsThatStartInsideTheFile)
{
    const std::vector<Region> recs = {{"Zeta", -1, 100, 200, 300, 400},
                                      {"Alpha", -1, 0xFFFFFFFF, 1, 2, 0x80000000u},
                                      {"TwelveChars!", 5},
                                      {"four", 31},
                                      {std::string(31, 'x'), 200},
                                      {"gone", 0},
                                      {"past the count"}};
    const std::vector<Row> want
        = {{"Zeta", 100, 200, 300, 400}, {"Alpha", 0xFFFFFFFF, 1, 2, 0x80000000u}, {"Twelv", 0, 0, 0, 0},
           {"four", 0, 0, 0, 0},         {std::string(31, 'x'), 0, 0, 0, 0},       {"", 0, 0, 0, 0}};
    EXPECT_EQ(Rows(Head().Chunk("regn", RegnContent(recs, 6)).Build()), want);
    const RegionPreview pv = ReadRegionPreview(dir / "r.wav", prompt);
    EXPECT_EQ(std::tuple(pv.timeStampValid, pv.sampleRate, pv.bextTimeReference), std::tuple(true, 96000u, kTimeRef));

    // Rows only for records that start inside the file and the chunk.
    const Region r{"cut", -1, 0x01020304, 0x05060708, 7, 8};
    Bytes image = Head().Chunk("regn", RegnContent({r, r}, 1000000)).Build();
    image.resize(image.size() - 88 + 18);  // the second record stops inside its start field
    EXPECT_EQ(Rows(image), (std::vector<Row>{{"cut", 0x01020304, 0x05060708, 7, 8}, {"", 0x0304, 0, 0, 0}}));
    // The chunk's declared size and the file's end bound the rows too: what follows is no record.
    EXPECT_EQ(Rows(Head().Chunk("regn", RegnContent({r}, 0xFFFFFFFF), true, 0xFFFFFFFF).Build()).size(), 1u);
    EXPECT_EQ(Rows(Head().Chunk("regn", RegnContent({r}, 0xFFFFFFFF)).Chunk("data", Pattern(88 * 3)).Build()).size(),
              1u);
    image = Head().Build();
    PutText(image, "regn");
    PutLe(image, 100, 6);  // a size and half a count
    EXPECT_TRUE(Rows(image).empty());
    const RegionPreview missing = ReadRegionPreview(dir / "none.wav", prompt);
    EXPECT_TRUE(!missing.timeStampValid && missing.regions.empty());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(Rewrite, FlaggedValuesAreWrittenAsGivenTheOthersKeptAsTheFileHasThem)
{
    const std::pair<HeaderChangeRequest, WaveFormat> cases[] = {
        {{}, kCorrected},
        {{48000, 9, 0, 0, true}, {1, 2, 4, 16, 48000, 192000}},  // unflagged values are ignored
        {{4294967295u, 0, 65535, 0, true, false, false, true}, {1, 2, 65535, 16, 4294967295u, 4294901761u}},
        {{0, 0, 0, 0, true, true, true, true}, {1, 0, 0, 0, 0, 0}},
        {{96000, 6, 18, 24, false, true, true, false}, {1, 6, 4, 24, 44100, 176400}},
    };
    int n = 0;
    for (const auto& [request, want] : cases) {
        const std::string p = SetFile(std::to_string(n++) + ".wav", kJunked);
        std::optional<WaveFormat> found;
        ASSERT_TRUE(wave.RewriteHeader(request, &found));
        EXPECT_EQ(found, (WaveFormat{1, 2, 4, 16, 44100, 12345}));
        EXPECT_TRUE(Rewritten(kJunked, ReadFile(p), 23, want)) << "case " << n;
        EXPECT_EQ(wave.Format(), want);
        EXPECT_FALSE(wave.IsOpen());
    }
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_TRUE(prompt.asked.empty());

    // 32,768 bytes per sample on two channels do not fit the field: refused, the file as it was.
    const std::string wide = SetFile("wide.wav", kJunked);
    EXPECT_FALSE(wave.RewriteHeader({0, 0, 32768, 0, false, false, false, true, true}));
    EXPECT_EQ(ReadFile(wide), kJunked);
    EXPECT_EQ(prompt.messages.size(), 1u);
    prompt.messages.clear();

    // Unflagged fields come from the file as it is now: another program
    // changes the header between load and rewrite.
    const std::string p = SetFile("b.wav", kPlain);
    const Bytes changed = WavBuilder().Fmt({1, 6, 8000, 0, 18, 24}).Chunk("data", Pattern(33)).Build();
    WriteFile(p, changed);
    ASSERT_TRUE(wave.RewriteHeader({16000, 0, 0, 0, true, false, false, false}));
    EXPECT_TRUE(Rewritten(changed, ReadFile(p), 12, {1, 6, 18, 24, 16000, 288000}));
}

TEST_F(Rewrite, OfTwoChunksWithOneIdTheFirstIsReadAndWritten)
{
    const Bytes regn = RegnContent({{"r", -1, 1, 2, 3, 4}});
    // Each kind's double comes before the last kind is first met, in one order or the other.
    const auto image = [&](bool fmtFirst, const Fmt& first) {
        WavBuilder b;
        if (!fmtFirst)
            b.Chunk("regn", regn).Chunk("regn", regn);
        if (fmtFirst)
            b.Fmt(first).Fmt(kFmtA);
        b.Chunk("bext", BextContent(kTimeRef)).Chunk("bext", BextContent(7));
        if (!fmtFirst)
            b.Fmt(first).Fmt(kFmtA);
        b.Chunk("data", Pattern(33));
        if (fmtFirst)
            b.Chunk("regn", regn).Chunk("regn", regn);
        return b;
    };
    for (const bool fmtFirst : {true, false}) {
        const WavBuilder b = image(fmtFirst, kStereo16);
        const std::string p = SetFile("twice.wav", b.Build());
        EXPECT_EQ(std::tuple(wave.Format(), Found()),
                  std::tuple(WaveFormat{1, 2, 4, 16, 44100, 12345}, std::tuple(true, kTimeRef, b.OffsetOf("regn"))));
        ASSERT_TRUE(wave.RewriteHeader({48000, 0, 0, 0, true}));
        EXPECT_EQ(ReadFile(p), image(fmtFirst, {1, 2, 48000, 192000, 4, 16}).Build()) << fmtFirst;
    }
}

TEST_F(Rewrite, ReadOnlyFilesAreAskedAboutOneByOne)
{
    const std::string p1 = Put("1.wav", kPlain, true), p2 = Put("2.wav", kPlain, true), p3 = Put("3.wav", kPlain, true);
    prompt.answers = {true, false, true};
    std::vector<bool> results;
    for (const std::string& p : {p1, p2, p3, Put("w.wav", kPlain), dir / "gone.wav"}) {
        wave.SetFileName(p);
        results.push_back(wave.RewriteHeader({}));
    }
    EXPECT_EQ(results, (std::vector<bool>{true, false, true, true, false}));
    EXPECT_EQ(prompt.asked, (std::vector<std::string>{p1, p2, p3}));
    // Cancel was the user's own choice: no failure is reported for it.
    EXPECT_EQ(prompt.messages, std::vector<std::string>{});
    EXPECT_EQ(ReadFile(p2), kPlain);
    EXPECT_TRUE(testsys::IsReadOnly(p2));
    EXPECT_TRUE(Rewritten(kPlain, ReadFile(p1), 12, kCorrected));
    EXPECT_FALSE(testsys::IsReadOnly(p1));  // the mark stays cleared
    EXPECT_EQ(ReadFile(p3), ReadFile(p1));
}

TEST(ReadOnlyQuestion, PathShortenedInTheMiddle)
{
    EXPECT_EQ(ShortenMiddle("/home/user/audio/take1.wav", 26), "/home/user/audio/take1.wav");
    EXPECT_EQ(ShortenMiddle("abcdefghij", 9), "abc...hij");
    // "é" is two bytes: a cut through it leaves the whole character out.
    EXPECT_EQ(ShortenMiddle("/home/cafe\xC3\xA9/audio/t\xC3\xA9ke1234.wav", 26), "/home/cafe...ke1234.wav");
    EXPECT_EQ(RenderEnglish(WriteProtectQuestion("/home/user/audio/take12.wav")),
              "The file /home/user/.../take12.wav is Write protected\n\n"
              "Change the attribute and allow the change?\n\nCancel leaves this file unchanged");
    EXPECT_EQ(RenderEnglish(WriteProtectQuestion("%s %d.wav")).substr(0, 19), "The file %s %d.wav ");
}

TEST_F(Rewrite, FilesOf4GiBAndMoreAreReadAndWrittenAtTheirTrueOffsets)
{
    // A JUNK chunk of almost 4 GiB puts "bext" and "regn" beyond 2^32.
    WavBuilder b;
    b.Fmt(kStereo16).Chunk("JUNK", {}, false, 0xFFFFFFF0);
    const std::uint64_t bextAt = b.Size() + 0xFFFFFFF0ull;
    if (!testsys::WriteSparse(dir / "big.wav", b.Build(), bextAt,
                              WavBuilder().Chunk("bext", BextContent(7)).Chunk("regn", {}).Chunks()))
        GTEST_SKIP() << "no sparse files here";
    wave.SetFileName(dir / "big.wav");
    EXPECT_EQ(Found(), std::tuple(true, 7u, bextAt + 8 + 602));

    // RF64 with 5 GiB of audio and the "fmt " after it.
    WavBuilder rf("RF64");
    rf.Ds64(5ull << 30).Chunk("data", {}, false, 0xFFFFFFFF);
    const std::uint64_t fmtAt = rf.Size() + (5ull << 30);
    const WavBuilder tail = WavBuilder().Fmt(kStereo16).Chunk("bext", BextContent(9));
    const std::string p = dir / "rf64.wav";
    ASSERT_TRUE(testsys::WriteSparse(p, rf.Build(), fmtAt, tail.Chunks()));
    wave.SetFileName(p);
    EXPECT_EQ(Found(), std::tuple(true, 9u, 0u));
    ASSERT_TRUE(wave.RewriteHeader({}));
    const Bytes chunks = tail.Chunks();
    EXPECT_EQ(std::filesystem::file_size(p), fmtAt + chunks.size());
    EXPECT_TRUE(Rewritten(chunks, ReadFile(p, fmtAt, chunks.size()), 0, kCorrected));
    EXPECT_EQ(ReadFile(p, 0, rf.Size()), rf.Build());
}

TEST_F(Rewrite, JournalGetsThePatchFirstAndRestoreUndoesItByteForByte)
{
    const Bytes& image = kJunked;
    const std::string p = Put("j.wav", image);
    RecordingJournal journal;
    wave.SetJournal(&journal);
    wave.SetKeepTimes(true);
    wave.SetFileName(p);
    testsys::SetTimes(p, 1000000, 2000000);
    const FileIdentity identity = IdentityOf(p);
    ASSERT_TRUE(wave.RewriteHeader({48000, 0, 0, 0, true}));
    const auto times = testsys::TimesOf(p);  // before the reads below change the access time
    const Bytes after = ReadFile(p);
    EXPECT_TRUE(Rewritten(image, after, 23, {1, 2, 4, 16, 48000, 192000}));
    ASSERT_EQ(journal.patches.size(), 1u);
    EXPECT_EQ(journal.seen[0], image);  // offered before the bytes changed
    const HeaderPatch patch = journal.patches[0];
    EXPECT_EQ(patch.identity, identity);
    EXPECT_EQ(patch.offset, 33u);
    EXPECT_EQ(std::pair(patch.before, patch.after),
              std::pair(Bytes(image.begin() + 33, image.begin() + 47), Bytes(after.begin() + 33, after.begin() + 47)));
    EXPECT_EQ(times.second, 2000000);
    // Where every read changes it (wine), the access time is not the program's to keep.
    if (testsys::ReadsCanKeepTheAccessTime(Utf8Path(dir.Path()))) {
        EXPECT_EQ(times.first, 1000000);
    }

    ASSERT_TRUE(wave.RestorePatch(patch));
    EXPECT_EQ(ReadFile(p), image);
    ASSERT_EQ(journal.patches.size(), 2u);
    EXPECT_EQ(std::pair(journal.patches[1].before, journal.patches[1].after), std::pair(patch.after, patch.before));
    EXPECT_EQ(testsys::TimesOf(p).second, 2000000);
    // Already undone: the bytes are no longer those the patch wrote.
    EXPECT_FALSE(wave.RestorePatch(patch));
    EXPECT_EQ(prompt.messages.back(),
              "The bytes that were changed in " + p + " have been changed again since; the file was left unchanged.");
    // Another file under the name, even with the same bytes, is not the one patched.
    WriteFile(dir / "copy.wav", after);
    std::filesystem::rename(NativePath(dir / "copy.wav"), NativePath(p));
    EXPECT_FALSE(wave.RestorePatch(patch));
    EXPECT_EQ(prompt.messages.back(),
              p
                  + " is no longer the file that was changed (it was replaced, or its length "
                    "differs); it was left unchanged.");
    EXPECT_EQ(ReadFile(p), after);

    // A refusing journal: nothing written.
    journal.accept = false;
    EXPECT_FALSE(wave.RewriteHeader({96000, 0, 0, 0, true}));
    EXPECT_EQ(journal.patches.size(), 3u);
    EXPECT_EQ(ReadFile(p), after);
    EXPECT_EQ(prompt.messages.size(), 2u);  // the journal speaks for itself
}

TEST_F(Rewrite, ExtensibleValidBitsAndMaskFollowOnlyAContradictingChange)
{
    struct Case {
        Fmt fmt;
        std::uint16_t valid;
        std::uint32_t mask;
        HeaderChangeRequest request;
        Fmt wantFmt;
        std::uint16_t wantValid;
        std::uint32_t wantMask;
    };
    const Case cases[] = {
        // 5.1 to stereo: the two lowest speakers stay.
        {{0xFFFE, 6, 48000, 864000, 18, 24},
         24,
         0x3F,
         {0, 2, 0, 0, false, true},
         {0xFFFE, 2, 48000, 864000, 18, 24},
         24,
         0x3},
        {{0xFFFE, 2, 48000, 288000, 6, 24},
         24,
         0x3,
         {0, 0, 4, 16, false, false, true, true},
         {0xFFFE, 2, 48000, 192000, 4, 16},
         16,
         0x3},
        // 24 valid bits in a 32-bit container, changed to 24: they fit.
        {{0xFFFE, 2, 48000, 384000, 8, 32},
         24,
         0x3,
         {0, 0, 6, 24, false, false, true, true},
         {0xFFFE, 2, 48000, 288000, 6, 24},
         24,
         0x3},
        // Rate only: an already inconsistent extension is left alone.
        {{0xFFFE, 2, 44100, 0, 6, 24}, 32, 0x3F, {48000, 0, 0, 0, true}, {0xFFFE, 2, 48000, 288000, 6, 24}, 32, 0x3F},
        // More channels than the mask names: no speaker assignment.
        {{0xFFFE, 2, 48000, 192000, 4, 16},
         16,
         0x3,
         {0, 4, 8, 0, false, true, false, true},
         {0xFFFE, 4, 48000, 384000, 8, 16},
         16,
         0},
    };
    for (const Case& c : cases) {
        const std::string p
            = SetFile("x.wav", WavBuilder().Fmt(c.fmt, Extension(c.valid, c.mask)).Chunk("data", Pattern(24)).Build());
        EXPECT_EQ(std::tuple(wave.Format().extensible, wave.Format().validBitsPerSample, wave.Format().channelMask),
                  std::tuple(true, c.valid, c.mask));
        ASSERT_TRUE(wave.RewriteHeader(c.request));
        EXPECT_EQ(ReadFile(p),
                  WavBuilder().Fmt(c.wantFmt, Extension(c.wantValid, c.wantMask)).Chunk("data", Pattern(24)).Build())
            << c.fmt.channels << " ch " << c.fmt.bitsPerSample << " bit";
    }

    // Not extensible as far as the rewrite goes: a shorter extension, or one cut by the end of the file.
    const Fmt six{0xFFFE, 6, 48000, 864000, 18, 24};
    const Bytes cut = WavBuilder().Fmt(six, Extension(24, 0x3F)).Build();
    for (const Bytes& image : {Bytes(cut.begin(), cut.end() - 1), WavBuilder().Fmt(six, {0, 0}).Build()}) {
        const std::string p = SetFile("y.wav", image);
        EXPECT_FALSE(wave.Format().extensible);
        ASSERT_TRUE(wave.RewriteHeader({0, 2, 0, 0, false, true}));
        EXPECT_TRUE(Rewritten(image, ReadFile(p), 12, {0xFFFE, 2, 18, 24, 48000, 864000}));
    }
}

// An edited journal record may name any range: a restore writes only what a
// rewrite writes, never a chunk's id, size, tag, cbSize or sub-format.
TEST_F(Rewrite, RestoreWritesOnlyTheBytesARewriteWrites)
{
    const Bytes plain = kPlain;
    const Bytes pcm40 = WavBuilder().Fmt(kStereo16, Extension(16, 3)).Chunk("data", Pattern(24)).Build();
    const Bytes cbOnly = WavBuilder().Fmt(kStereo16, {0, 0}).Chunk("data", Pattern(24)).Build();
    const Fmt ext{0xFFFE, 2, 48000, 192000, 4, 16};
    const Bytes extensible = WavBuilder().Fmt(ext, Extension(16, 3)).Chunk("data", Pattern(24)).Build();
    Bytes shortCb = extensible;
    shortCb[12 + 24] = 0;  // cbSize 0: the extension declares nothing
    const struct Range {
        const Bytes* image;
        std::size_t at, count, changed;  // relative to "fmt "; changed: the byte before differs in
        bool restored;
    } rows[] = {
        {&plain, 0, 4, 0, false},  // the chunk's id
        {&plain, 4, 4, 4, false},  // its size
        {&plain, 8, 2, 8, false},  // the format tag
        {&plain, 8, 6, 10, false},  // starting on the tag
        {&plain, 9, 1, 9, false},  // the tag's second byte
        {&plain, 9, 15, 12, false},  // from there over the format bytes
        {&plain, 23, 2, 23, false},  // ending one past a 16-byte chunk
        {&plain, 10, 14, 12, true},  // the 14 format bytes
        {&plain, 22, 4, 22, false},  // past a 16-byte chunk
        {&plain, 10, 0, 10, false},  // nothing
        {&pcm40, 24, 2, 24, false},  // cbSize of a 40-byte PCM chunk
        {&pcm40, 26, 6, 26, false},  // its valid bits and mask
        {&pcm40, 10, 22, 12, false},      {&cbOnly, 24, 2, 24, false},  // cbSize of an 18-byte chunk
        {&extensible, 26, 6, 26, true},  // valid bits and mask
        {&extensible, 10, 22, 12, true},  // across cbSize, which stays
        {&extensible, 10, 22, 24, false}, {&extensible, 24, 2, 25, false},
        {&extensible, 31, 2, 31, false},  // into the sub-format
        {&extensible, 32, 16, 32, false}, {&shortCb, 26, 6, 26, false},
    };
    const std::size_t fmt = 12;
    for (const Range& row : rows) {
        SCOPED_TRACE(testing::Message() << row.at << "+" << row.count << " changing " << row.changed);
        const std::string p = Put("t.wav", *row.image);
        HeaderPatch patch{IdentityOf(p), fmt + row.at, {}, {}};
        patch.after.assign(row.image->begin() + static_cast<std::ptrdiff_t>(patch.offset),
                           row.image->begin() + static_cast<std::ptrdiff_t>(patch.offset + row.count));
        patch.before = patch.after;
        if (row.count > 0)
            patch.before[row.changed - row.at] ^= 0x5A;
        Bytes restored = *row.image;
        std::copy(patch.before.begin(), patch.before.end(),
                  restored.begin() + static_cast<std::ptrdiff_t>(patch.offset));
        wave.CAudioFile::SetFileName(p);
        prompt.messages.clear();
        EXPECT_EQ(wave.RestorePatch(patch), row.restored);
        EXPECT_EQ(ReadFile(p), row.restored ? restored : *row.image);
        EXPECT_EQ(prompt.messages,
                  row.restored
                      ? std::vector<std::string>{}
                      : std::vector<std::string>{"The recorded change of " + p
                                                 + " lies outside the format fields that a change writes; the file "
                                                   "was left unchanged."});
    }
}

TEST_F(Rewrite, ANameSwappedForALinkDuringTheQuestionDoesNotRedirectTheWrite)
{
    const Bytes secret = WavBuilder().Fmt(kFmtA).Build();
    const std::string p = Put("v0.wav", kPlain, true), target = Put("secret.wav", secret);
    prompt.answers = {true};
    bool swapped = false;
    prompt.whileAsking = [&](const std::string& path) {
        // Windows refuses to rename a file held open, which settles it there.
        std::error_code error;
        std::filesystem::rename(NativePath(path), NativePath(dir / "moved.wav"), error);
        swapped = !error && testsys::MakeSymbolicLink(target, path, false);
    };
    wave.CAudioFile::SetFileName(p);
    wave.RewriteHeader({48000, 0, 0, 0, true});
    EXPECT_EQ(ReadFile(target), secret);
    EXPECT_EQ(prompt.asked, std::vector<std::string>{p});
    if (!swapped)
        GTEST_SKIP() << "the name could not be swapped for a link here";
}
