#include "CPathWalker.h"

#include "platform/OpenFailureCause.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {

std::string FolderFailure(const std::string& folder, const std::error_code& error)
{
    return CauseText(CauseFromErrno(error.value()), folder);
}

}  // namespace

bool HasWaveExtension(const std::string& name)
{
    constexpr std::string_view extension = ".wav";
    if (name.size() < extension.size()) {
        return false;
    }
    return std::equal(extension.begin(), extension.end(), name.end() - static_cast<std::ptrdiff_t>(extension.size()),
                      [](char wanted, char c) { return wanted == (c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
}

CPathWalker::CPathWalker(bool recurse, FileHandler fileHandler, FailureHandler failureHandler)
    : recursive(recurse), onFile(std::move(fileHandler)), onFailure(std::move(failureHandler))
{
}

void CPathWalker::Walk(const std::vector<std::string>& arguments)
{
    for (const std::string& argument : arguments) {
        std::error_code error;
        // A folder named on the command line is searched even through a link.
        if (recursive && fs::is_directory(argument, error)) {
            WalkFolder(argument);
        } else {
            onFile(argument);
        }
    }
}

void CPathWalker::WalkFolder(const std::string& top)
{
    std::vector<std::string> pending{top};
    while (!pending.empty()) {
        const std::string folder = std::move(pending.back());
        pending.pop_back();

        std::error_code error;
        fs::directory_iterator it(folder, error);
        if (error) {
            onFailure(folder, FolderFailure(folder, error));
            continue;
        }
        std::vector<std::string> files;
        std::vector<std::string> folders;
        for (; it != fs::directory_iterator(); it.increment(error)) {
            // The entry's type comes from the directory listing: no call per file.
            const fs::directory_entry& entry = *it;
            std::error_code typeError;
            if (entry.is_symlink(typeError)) {
                continue;
            }
            if (entry.is_directory(typeError)) {
                folders.push_back(entry.path().string());
            } else if (entry.is_regular_file(typeError) && HasWaveExtension(entry.path().filename().string())) {
                files.push_back(entry.path().string());
            }
        }
        if (error) {
            onFailure(folder, FolderFailure(folder, error));
        }
        std::sort(files.begin(), files.end());
        std::sort(folders.begin(), folders.end());
        for (const std::string& file : files) {
            onFile(file);
        }
        // Reversed onto the stack, so the subfolders are visited in name order.
        pending.insert(pending.end(), std::make_move_iterator(folders.rbegin()),
                       std::make_move_iterator(folders.rend()));
    }
}
