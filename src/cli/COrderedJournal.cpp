#include "COrderedJournal.h"

#include "CInputOrderGate.h"

#include "journal/CJournalWriter.h"

COrderedJournal::COrderedJournal(CPatchJournal& batchJournal, CInputOrderGate& orderGate, std::size_t fileIndex)
    : journal(batchJournal), gate(orderGate), index(fileIndex)
{}

COrderedJournal::COrderedJournal(CJournalWriter& batchJournal, CInputOrderGate& orderGate, std::size_t fileIndex)
    : journal(batchJournal), writer(&batchJournal), gate(orderGate), index(fileIndex)
{}

bool COrderedJournal::RecordPatch(const std::string& path, const HeaderPatch& patch)
{
    if (writer != nullptr && !gate.IsTurn(index))
        writer->PrepareRecord(path, patch);
    gate.WaitTurn(index);
    const bool recorded = journal.RecordPatch(path, patch);
    gate.Pass(index);
    refused = !recorded;
    return recorded;
}
