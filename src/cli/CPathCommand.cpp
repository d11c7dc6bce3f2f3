#include "CPathCommand.h"

#include "CParallelRunner.h"

#include <optional>
#include <utility>

bool CPathCommand::Submit(CParallelRunner& runner, const std::string& path, const FolderEntry* entry, bool afterEarlier)
{
    // The work may run after the search has moved on: it holds its own copy of the entry.
    std::optional<FolderEntry> at;
    if (entry != nullptr) {
        at = *entry;
    }
    return SubmitWork(
        runner, path,
        [this, &runner, path, at = std::move(at)](CFilePrompt& prompt, std::size_t index) {
            return Process(path, at ? &*at : nullptr, prompt, runner.Gate(), index);
        },
        afterEarlier);
}
