#pragma once

#include "CAudioFile.h"
#include "HeaderChangeRequest.h"
#include "HeaderPatch.h"

#include <cstdint>
#include <optional>
#include <string>

// A WAV file: the format fields of its "fmt " chunk, its Broadcast Wave time
// reference and where its Pro Tools "regn" chunk is. Naming a file loads its
// header; the file is never left open between operations.
class CWaveFile : public CAudioFile {
public:
    explicit CWaveFile(CUserPrompt& prompt);

    // Stores the name and loads the header at once.
    void SetFileName(const std::string& name) override;

    // Reads the header fields from the file. Fields of a chunk that is absent
    // keep their values, except the time reference and the "regn" position,
    // which become 0. A "fmt " chunk declared shorter than its 16 bytes of
    // fields is not read.
    void LoadHeader(bool closeAfter);

    // Writes channels, sample rate, average byte rate, block alignment and
    // bits per sample (bytes 10-23 of "fmt ") in place; for an extensible
    // header also valid bits and channel mask (bytes 26-31) when the change
    // would contradict them. Fields whose flag is off are written back as the
    // file holds them now. Every decision is made on the one open file: the
    // read-only question is asked (only once the file is found writable in
    // every other respect) and the mark cleared there. Returns false,
    // having written nothing, when the file cannot be opened for writing, has
    // no complete "fmt " chunk (the reason is shown), the journal refuses the
    // patch or the write fails (the bytes already written are put back).
    // When closing reports an error after the write, the file is read again:
    // true with a warning shown when it holds the new values. The same holds
    // for RestorePatch. When before is given it receives the file's format as found, on
    // failure too once the chunk was read.
    bool RewriteHeader(const HeaderChangeRequest& request, std::optional<WaveFormat>* before = nullptr);

    // Writes the bytes the patch changed back to what they were
    // (patch.before), with the safety of a rewrite: one open, the read-only
    // question, and only when the file is the one the patch was made to
    // (same device, inode and size), the range lies inside what a rewrite of
    // the "fmt " chunk the walk reaches writes (the 14 format bytes, valid bits
    // and channel mask of an extensible header; never cbSize), and the file
    // still holds patch.after there.
    // Otherwise nothing is written, the reason is shown and false returned.
    // The journal, when set, is told the reverse patch first.
    bool RestorePatch(const HeaderPatch& patch);

    // Every patch is offered to the journal before the file changes; a
    // refusal stops the write. Not owned; nullptr for none.
    void SetJournal(CPatchJournal* journal) { patchJournal = journal; }
    // Puts the access and modification times back after each write.
    void SetKeepTimes(bool keep) { keepTimes = keep; }
    // Rewrites go as far as the write, which is left out: the file is
    // opened for writing but the read-only question is not asked and the
    // mark not cleared (ReadOnlyMarked() tells), nothing is written, and
    // Format() holds what would have been written.
    void SetDryRun(bool dry) { dryRun = dry; }
    bool ReadOnlyMarked() const { return readOnlyMarked; }

    // True when the last load opened the file and read a whole "fmt " chunk.
    bool HeaderLoaded() const { return headerLoaded; }
    // The last load found a "fmt " chunk declared too short for its fields.
    bool FmtChunkTooShort() const { return fmtTooShort; }
    // The last load or rewrite opened a file that does not begin as a WAV
    // file does ("RIFF", "RF64" or "BW64", then "WAVE").
    bool NotWave() const { return notWave; }
    std::uint32_t BextTimeReference() const { return bextTimeReference; }
    std::uint64_t RegnOffset() const { return regnOffset; }

private:
    bool ReadFmtChunk(std::uint64_t offset);
    // Caches the file's head and tells from it whether it is a WAV file.
    void ReadHead();
    std::uint32_t ReadBextChunk(std::uint64_t offset);
    // The read-only question on the open file; false on Cancel, without a message.
    bool ConfirmWriting();
    // The patch changes only bytes a rewrite of the "fmt " chunk at fmt writes.
    bool InRewrittenFields(const HeaderPatch& patch, std::uint64_t fmt);
    bool WritePatch(const HeaderPatch& patch);
    // After a write whose close failed: true, with a warning, when the file
    // holds the patch's bytes; false when it holds the old ones or cannot be read.
    bool SettleFailedClose(const HeaderPatch& patch);
    bool Fail();
    void ReportIoFailure();

    std::uint32_t bextTimeReference = 0;
    std::uint64_t regnOffset = 0;
    bool headerLoaded = false;
    bool fmtTooShort = false;
    bool notWave = false;
    CPatchJournal* patchJournal = nullptr;
    bool keepTimes = false;
    bool dryRun = false;
    bool readOnlyMarked = false;
};

// "The "fmt " chunk of take.wav is too short to hold a format (4 bytes); the file was left unchanged."
std::string ShortFmtChunkText(const std::string& path, std::uint32_t declaredSize);

// Why no format was read from a file that could be opened:
// "a.wav is not a WAV file (no RIFF/WAVE header)" or "no complete "fmt " chunk in a.wav".
std::string NoFormatText(const std::string& path, bool notWave);

// The per-channel alignment that does not fit the 16-bit field.
std::string AlignmentTooLargeText(const std::string& path, unsigned bytesPerSample, unsigned channels);
