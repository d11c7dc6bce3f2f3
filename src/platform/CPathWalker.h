#pragma once

#include "platform/CFile.h"
#include "platform/CoreText.h"

#include <functional>
#include <string>
#include <vector>

// Turns the paths of the command line into the files to work on, handing
// them out one at a time so that a huge tree costs no more memory than its
// largest folder. Plain arguments are taken whatever their name (a link
// among them is followed, once); with recursion a folder argument is
// searched for files whose name ends in ".wav" in any letter case. Inside a
// searched folder every folder and file is opened by name within its open
// parent and no symbolic link is followed, so the search never leaves the
// tree it was given, even when names are swapped for links meanwhile.
class CPathWalker {
public:
    // entry: where a file found by the search is to be opened (a copy keeps
    // its folder open); nullptr for a file named on the command line.
    using FileHandler = std::function<void(const std::string& path, const FolderEntry* entry)>;
    // message: why path could not be searched, for the front end to render.
    using FailureHandler = std::function<void(const std::string& path, const CoreText& message)>;

    CPathWalker(bool recursive, FileHandler onFile, FailureHandler onFailure);

    void Walk(const std::vector<std::string>& arguments);
    void Walk(const std::string& argument);

private:
    void WalkFolder(const std::string& folder);

    bool recursive;
    FileHandler onFile;
    FailureHandler onFailure;
};

// The name ends in ".wav", letter case aside.
bool HasWaveExtension(const std::string& name);
