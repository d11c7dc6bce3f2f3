#include "BatchJournal.h"

#include "journal/CJournalFolder.h"
#include "journal/CJournalWriter.h"

#include "Version.h"

#include <ostream>

std::unique_ptr<CJournalWriter> OpenBatchJournal(const std::vector<std::string>& args, const std::string& file,
                                                 const std::string& undoes, std::ostream& err)
{
    const JournalHeader header{JournalFormatVersion, JournalTimeNow(), CliProgramName, QuelbrookVersion, args, undoes};
    auto journal = std::make_unique<CJournalWriter>();
    std::string failure;
    const bool created = file.empty() ? CJournalFolder().CreateBatch(*journal, header, failure)
                                      : journal->Create(file, header, CJournalWriter::CreateMode::Replace);
    if (created)
        return journal;
    err << CliProgramName << ": " << (file.empty() ? failure : journal->Failure()) << ". No file was changed"
        << " (--journal FILE writes it elsewhere; --no-journal runs without one, and the batch cannot be undone).\n";
    return nullptr;
}

bool CloseBatchJournal(CJournalWriter& journal, std::ostream& err)
{
    if (journal.Finish())
        return true;
    err << CliProgramName << ": " << journal.Failure() << ". The batch may not be undone completely.\n";
    return false;
}
