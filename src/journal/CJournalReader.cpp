#include "CJournalReader.h"

#include "CJournalFolder.h"

#include "platform/NamedPath.h"
#include "platform/OpenFailureCause.h"

namespace {

// No record comes near this; a longer line is damage, not a record to load.
constexpr std::size_t MaxLineLength = 1 << 20;

}  // namespace

bool CJournalReader::Open(const std::string& journalPath)
{
    path = journalPath;
    lines.clear();
    failure = CoreText();
    // Opened inside the folder found to hold it, so that the folder judged
    // is the one the file was read from, and the file judged the one read.
    ResolvedPath where;
    PathFailure unreachable;
    if (!ResolveNamedPath(path, where, unreachable)) {
        failure = unreachable.refusal.value_or(
            CauseText(unreachable.missing ? OpenFailureCause::FileNotFound : unreachable.cause, path));
        return false;
    }
    const OpenStatus status = file.OpenIn(where.entry, FileMode::Read);
    if (status != OpenStatus::Opened) {
        failure = status == OpenStatus::Missing ? CauseText(OpenFailureCause::FileNotFound, path)
                                                : CauseText(file.LastFailure(), path);
        return false;
    }
    // Undo writes whatever a journal says, so one that anyone but this user
    // and the administrator could have written or put in place is not obeyed.
    if (auto reason = WhyOthersMayChange(file, where, CJournalFolder::DefaultPath())) {
        failure = CoreText(TextId::JournalNotTrusted, {path, std::move(*reason)});
        file.Close();
        return false;
    }

    // Where every line starts. A last line without its newline is a record
    // whose write was cut short, so its file was never written: it is left out.
    // So are the zero bytes of space reserved after it.
    unsigned char block[65536];
    std::uint64_t lineStart = 0;
    std::uint64_t at = 0;
    std::optional<Line> first;
    for (;;) {
        const std::size_t got = file.ReadAt(at, block, sizeof block);
        if (got == 0)
            break;
        std::size_t i = 0;
        for (; i < got; ++i) {
            // The zero bytes a crash left after the last record end the journal.
            if (block[i] == '\0' && at + i == lineStart)
                break;
            if (block[i] != '\n')
                continue;
            const std::uint64_t end = at + i;
            if (end - lineStart > MaxLineLength) {
                failure = CoreText(TextId::NoJournalBecause, {path, CoreText(TextId::LineTooLong)});
                return false;
            }
            const Line line{lineStart, static_cast<std::size_t>(end - lineStart)};
            if (!first)
                first = line;
            else if (line.length > 0)
                lines.push_back(line);
            lineStart = end + 1;
        }
        if (i < got)
            break;
        at += got;
    }
    if (file.LastCause() != OpenFailureCause::None) {
        failure = CauseText(file.LastFailure(), path);
        return false;
    }

    std::string text(first ? first->length : 0, '\0');
    CoreText why;
    std::optional<JournalHeader> decoded;
    const bool read = first && file.ReadAt(first->offset, text.data(), text.size()) == text.size();
    if (read)
        decoded = DecodeHeader(text, why);
    if (!decoded) {
        failure
            = read ? CoreText(TextId::NoJournalBecause, {path, std::move(why)}) : CoreText(TextId::NoJournal, {path});
        return false;
    }
    header = std::move(*decoded);
    return true;
}

std::optional<JournalRecord> CJournalReader::ReadRecord(std::size_t index)
{
    const Line& line = lines.at(index);
    std::string text(line.length, '\0');
    CoreText why(TextId::RecordUnreadable);
    std::optional<JournalRecord> record;
    if (file.ReadAt(line.offset, text.data(), text.size()) == text.size())
        record = DecodeRecord(text, why);
    if (!record)
        failure = CoreText(TextId::RecordDamaged, {CoreText::Number(index + 1), path, std::move(why)});
    return record;
}
