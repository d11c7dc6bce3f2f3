#pragma once

#include <QString>

#include <algorithm>
#include <vector>

// What one Change did: how many files were rewritten, each file that was
// not, with why, and each file that was with a warning.
struct BatchReport {
    enum class Outcome { Skipped, Failed, Changed };

    struct Entry {
        QString path;
        Outcome outcome;
        QString reason;
    };

    int total = 0;
    int changed = 0;
    bool cancelled = false;
    std::vector<Entry> notChanged;  // in list order
    std::vector<Entry> warned;  // changed all the same (Outcome::Changed), in list order

    int Count(Outcome outcome) const
    {
        return static_cast<int>(std::count_if(notChanged.begin(), notChanged.end(),
                                              [outcome](const Entry& e) { return e.outcome == outcome; }));
    }
};
