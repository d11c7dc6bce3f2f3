#pragma once

#include "CFileCommand.h"

#include "platform/CFile.h"

#include <cstddef>
#include <string>

class CInputOrderGate;

// info and set: commands that work on the files named or found by a search.
class CPathCommand : public CFileCommand {
public:
    using CFileCommand::CFileCommand;

    // Hands one file to the runner; false once the run is stopping. entry
    // says where a file found by a folder search is to be opened (nullptr:
    // by its path); the work keeps its folder open. afterEarlier: the file
    // was handed in before, and this turn must see what that one did.
    bool Submit(CParallelRunner& runner, const std::string& path, const FolderEntry* entry, bool afterEarlier);

protected:
    // Works on one file. Runs on a worker thread beside other files: it may
    // use only the command's settings and the file's own prompt, and takes
    // its steps in input order (a journal record) through gate at index.
    virtual Result Process(const std::string& path, const FolderEntry* entry, CFilePrompt& prompt,
                           CInputOrderGate& gate, std::size_t index) const = 0;
};
