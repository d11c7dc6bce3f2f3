#pragma once

#include "platform/CoreText.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class CJournalWriter;
struct JournalHeader;

// The folder of batch journals: one file per batch, named by its UTC start
// time and process id so that names sort oldest first; the newest
// KeptBatches are kept. An undo is a batch of its own whose header names the
// batch it undid, so the newest batch is never one already undone.
class CJournalFolder {
public:
    static constexpr std::size_t KeptBatches = 100;

    // The journal folder in UserStateFolder();
    // empty when there is no home to put it in.
    static std::string DefaultPath();

    explicit CJournalFolder(std::string path = DefaultPath());

    const std::string& Path() const { return folder; }

    // Creates the folder when needed and a new batch in it (header written),
    // then removes the oldest batches beyond KeptBatches. False, with
    // failure, when the journal cannot be created.
    bool CreateBatch(CJournalWriter& writer, const JournalHeader& header, CoreText& failure) const;

    // The batch files, oldest first.
    std::vector<std::string> Batches() const;
    std::optional<std::string> NewestBatch() const;

private:
    void RemoveOldBatches(const std::string& current) const;

    std::string folder;
};
