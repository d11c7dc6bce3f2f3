#pragma once

#include "HeaderPatch.h"

class CFile;

// Where a file stands against a patch a batch wrote to it: what an undo
// decides by, and all it decides by.
enum class PatchStanding {
    Applied,  // the same file and length, holding what the patch wrote
    Undone,  // the same file and length, holding what it held before
    OtherFile,  // another file has the name now
    OtherLength,  // the same file with another length
    Unreadable,  // the patched bytes lie beyond the end or could not be read
    ChangedSince,  // other bytes where the patch wrote
};

// Read from the open file itself, never again by its name.
PatchStanding StandingOf(CFile& file, const HeaderPatch& patch);
