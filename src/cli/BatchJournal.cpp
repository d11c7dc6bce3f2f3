#include "BatchJournal.h"

#include "journal/CJournalFolder.h"
#include "journal/CJournalWriter.h"

#include <ostream>

std::unique_ptr<CJournalWriter> OpenBatchJournal(const std::vector<std::string>& args, const std::string& file,
                                                 const std::string& undoes, std::ostream& err)
{
    const JournalHeader header = NewBatchHeader(CliProgramName, args, undoes);
    auto journal = std::make_unique<CJournalWriter>();
    CoreText failure;
    const bool created = file.empty() ? CJournalFolder().CreateBatch(*journal, header, failure)
                                      : journal->Create(file, header, CJournalWriter::CreateMode::Replace);
    if (created)
        return journal;
    const CoreText notStarted(TextId::JournalNotStarted, {file.empty() ? failure : journal->Failure()});
    err << CliProgramName << ": " << RenderEnglish(notStarted)
        << " --journal FILE writes it elsewhere; --no-journal runs without one, and the batch cannot be undone.\n";
    return nullptr;
}

bool CloseBatchJournal(CJournalWriter& journal, std::ostream& err)
{
    if (journal.Finish())
        return true;
    err << CliProgramName << ": " << RenderEnglish(CoreText(TextId::JournalIncomplete, {journal.Failure()})) << '\n';
    return false;
}
