#pragma once

// Where the code under test keeps its batch journals: XDG_STATE_HOME pointed
// at a fresh temporary folder while the object lives.

#include "SystemHelpers.h"
#include "WavBuilder.h"

#include "platform/Folders.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace testwav {

class ScopedStateHome {
public:
    ScopedStateHome()
    {
        if (const char* old = std::getenv(testsys::StateHomeVariable()))
            previous = old;
        testsys::SetEnvironment(testsys::StateHomeVariable(), Utf8Path(dir.Path()));
    }
    ~ScopedStateHome()
    {
        if (previous)
            testsys::SetEnvironment(testsys::StateHomeVariable(), *previous);
        else
            testsys::UnsetEnvironment(testsys::StateHomeVariable());
    }
    ScopedStateHome(const ScopedStateHome&) = delete;
    ScopedStateHome& operator=(const ScopedStateHome&) = delete;

    // The batch journals, oldest first.
    std::vector<std::string> Batches() const
    {
        std::vector<std::string> batches = RegularFilesIn(testsys::JournalFolderIn(Utf8Path(dir.Path())));
        std::sort(batches.begin(), batches.end());
        return batches;
    }

private:
    TempDir dir;
    std::optional<std::string> previous;
};

}  // namespace testwav
