#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Marks an English format string as translatable for lupdate (which is told
// to read it as QT_TRANSLATE_NOOP) while the engine itself stays free of Qt.
#define QB_TRANSLATABLE(context, text) text

// Every text the engine hands to the user. The English wording lives in one
// table in CoreText.cpp; the command-line tool renders it as it is, the
// desktop program translates it in the context "Engine".
enum class TextId {
    Verbatim,  // a file name or an already finished text
    Number,  // a whole number, grouped as the language groups digits
    Lines,  // the arguments, one a line
    Clause,  // the argument without its closing full stop, to sit inside a sentence

    CauseNone,
    CauseGeneric,
    CauseFileNotFound,
    CauseBadPath,
    CauseTooManyOpenFiles,
    CauseAccessDenied,
    CauseInvalidFile,
    CauseRemoveCurrentDir,
    CauseDirectoryFull,
    CauseBadSeek,
    CauseHardIO,
    CauseSharingViolation,
    CauseLockViolation,
    CauseDiskFull,
    CauseEndOfFile,

    CauseNoneBecause,
    CauseGenericBecause,
    CauseFileNotFoundBecause,
    CauseBadPathBecause,
    CauseTooManyOpenFilesBecause,
    CauseAccessDeniedBecause,
    CauseInvalidFileBecause,
    CauseRemoveCurrentDirBecause,
    CauseDirectoryFullBecause,
    CauseBadSeekBecause,
    CauseHardIOBecause,
    CauseSharingViolationBecause,
    CauseLockViolationBecause,
    CauseDiskFullBecause,
    CauseEndOfFileBecause,

    ReasonReadOnlyFileSystem,
    ReasonPermissionDenied,
    ReasonNoSpace,
    ReasonQuotaExceeded,
    ReasonVanished,
    ReasonIsFolder,
    ReasonInUse,
    ReasonNotRegularFile,
    ReasonSymbolicLink,
    ReasonNotAFolderInPath,
    ReasonNameTooLong,
    ReasonTooManyLinks,
    ReasonTooManyOpenFiles,
    ReasonInputOutput,
    ReasonNoDevice,
    ReasonNoLocks,

    OpenFailed,
    OpenFailedBecause,
    NoFileName,
    FileAlreadyOpen,
    ShortFmtChunkOneByte,
    ShortFmtChunk,
    NotWave,
    NoFmtChunk,
    AlignmentTooLarge,
    FileReplaced,
    PatchOutsideFields,
    ChangedAgain,
    WriteProtectQuestion,
    WriteProtected,

    JournalNotStarted,
    JournalIncomplete,
    NoJournalFolder,
    StateHomeUnsetPosix,
    StateHomeUnsetWindows,
    JournalFolderNotCreated,
    JournalFileFailed,
    AppendNotCreated,
    AppendNotWritten,
    AppendNotSaved,
    JournalNotTrusted,
    OwnedByOther,
    WritableByOthers,
    FolderOwnedByOther,
    FolderWritableByOthers,
    LinkOfOtherUser,
    NoJournal,
    NoJournalBecause,
    LineTooLong,
    NotJsonObject,
    KeyNotWholeNumber,
    KeyNotText,
    KeyNotHex,
    UnknownJournalVersion,
    PathHoldsNul,
    BeforeAfterMismatch,
    RecordUnreadable,
    RecordDamaged,

    UndoMissing,
    UndoReplaced,
    UndoLengthDiffers,
    UndoUnreadable,
    UndoAlreadyBefore,
    UndoBytesChanged,
    UndoNotWritten,
    ClosedWithNewValues,
    ClosedWithOldValues,
    ClosedUnreadable,

    SummarySampleRate,
    SummaryChannels,
    SummaryResolution,
    SummaryBlockAlignPerChannel,
    SummaryBlockAlignOneByte,
    SummaryBlockAlign,
    SummaryChangesOfOneFile,
    SummaryChangesOfFiles,
    SummaryChangesOfOneFileAlthough,
    SummaryChangesOfFilesAlthough,
    SummaryOneOfOneUnreadable,
    SummaryOneOfFilesUnreadable,
    SummaryUnreadable,

    Count
};

// An identifier with its arguments (%1, %2, ... in the format), which may be
// texts of their own, as a system reason inside a failure sentence.
struct CoreText {
    TextId id = TextId::Verbatim;
    std::vector<CoreText> args;
    std::string verbatim;  // the text itself when id is Verbatim

    CoreText() = default;  // an empty text
    CoreText(TextId textId, std::vector<CoreText> arguments = {}) : id(textId), args(std::move(arguments)) {}
    // A file name or a number, taken into a message as it is.
    CoreText(std::string text) : verbatim(std::move(text)) {}
    CoreText(const char* text) : verbatim(text) {}

    static CoreText Number(std::uint64_t value);

    bool operator==(const CoreText&) const = default;
    // A text is compared with English only once rendered: a string would
    // otherwise become a Verbatim text and never be equal.
    bool operator==(const std::string&) const = delete;
    bool operator==(const char*) const = delete;
};

// The English format string of an id ("File %1 could not be opened - code: %2").
const char* EnglishFormat(TextId id);

// The text in English, every %N replaced by its argument in one pass, so that
// an argument holding "%2" is shown as it is.
std::string RenderEnglish(const CoreText& text);
// Several texts about one file in English, "; " between them.
std::string RenderEnglishJoined(const std::vector<CoreText>& texts);
