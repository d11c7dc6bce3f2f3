#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class CJournalWriter;

// The journal of one batch run by the tool, its header naming the arguments:
// in file when one is given, otherwise a new batch in the journal folder.
// undoes names the batch an undo works on. Empty, after telling err why,
// when it cannot be written: then no file may be touched.
std::unique_ptr<CJournalWriter> OpenBatchJournal(const std::vector<std::string>& args, const std::string& file,
                                                 const std::string& undoes, std::ostream& err);

// Makes the journal durable; false after telling err it may be incomplete.
bool CloseBatchJournal(CJournalWriter& journal, std::ostream& err);
