#pragma once

// Where the code under test keeps its batch journals: XDG_STATE_HOME pointed
// at a fresh temporary folder while the object lives.

#include "WavBuilder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace testwav {

class ScopedStateHome {
public:
    ScopedStateHome()
    {
        if (const char* old = std::getenv("XDG_STATE_HOME"))
            previous = old;
        setenv("XDG_STATE_HOME", dir.Path().c_str(), 1);
    }
    ~ScopedStateHome()
    {
        if (previous)
            setenv("XDG_STATE_HOME", previous->c_str(), 1);
        else
            unsetenv("XDG_STATE_HOME");
    }
    ScopedStateHome(const ScopedStateHome&) = delete;
    ScopedStateHome& operator=(const ScopedStateHome&) = delete;

    // The batch journals, oldest first.
    std::vector<std::string> Batches() const
    {
        std::vector<std::string> batches;
        std::error_code error;
        for (std::filesystem::directory_iterator it(dir / "quelbrook/journal", error), end; !error && it != end;
             it.increment(error))
            batches.push_back(it->path().string());
        std::sort(batches.begin(), batches.end());
        return batches;
    }

private:
    TempDir dir;
    std::optional<std::string> previous;
};

}  // namespace testwav
