#pragma once

#include "wave/HeaderPatch.h"

#include <cstddef>

class CInputOrderGate;
class CJournalWriter;

// One file's view of the batch journal when files run side by side: its
// record goes in only after the records of every earlier file (or their
// end), so the journal reads in input order whatever the timing.
class COrderedJournal : public CPatchJournal {
public:
    COrderedJournal(CPatchJournal& journal, CInputOrderGate& gate, std::size_t index);
    // The batch journal: its record is made before the turn, and only the
    // append waits for the earlier files.
    COrderedJournal(CJournalWriter& journal, CInputOrderGate& gate, std::size_t index);

    bool RecordPatch(const std::string& path, const HeaderPatch& patch) override;

    // The batch journal turned this file's record down, so it was not written.
    bool Refused() const { return refused; }

private:
    CPatchJournal& journal;
    CJournalWriter* writer = nullptr;  // the same journal, when it can encode ahead
    CInputOrderGate& gate;
    std::size_t index;
    bool refused = false;
};
