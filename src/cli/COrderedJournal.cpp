#include "COrderedJournal.h"

#include "CInputOrderGate.h"

COrderedJournal::COrderedJournal(CPatchJournal& batchJournal, CInputOrderGate& orderGate, std::size_t fileIndex)
    : journal(batchJournal), gate(orderGate), index(fileIndex)
{
}

bool COrderedJournal::RecordPatch(const std::string& path, const HeaderPatch& patch)
{
    gate.WaitTurn(index);
    const bool recorded = journal.RecordPatch(path, patch);
    gate.Pass(index);
    refused = !recorded;
    return recorded;
}
