#pragma once

#include <functional>
#include <string>
#include <vector>

// Turns the paths of the command line into the files to work on, handing
// them out one at a time so that a huge tree costs no more memory than its
// largest folder. Plain arguments are taken whatever their name; with
// recursion a folder argument is searched for files whose name ends in
// ".wav" in any letter case. Symbolic links inside a searched folder are not
// followed, so the search never leaves the tree it was given.
class CPathWalker {
public:
    using FileHandler = std::function<void(const std::string& path)>;
    using FailureHandler = std::function<void(const std::string& path, const std::string& message)>;

    CPathWalker(bool recursive, FileHandler onFile, FailureHandler onFailure);

    void Walk(const std::vector<std::string>& arguments);

private:
    void WalkFolder(const std::string& folder);

    bool recursive;
    FileHandler onFile;
    FailureHandler onFailure;
};

// The name ends in ".wav", letter case aside.
bool HasWaveExtension(const std::string& name);
