#include "platform/CPathWalker.h"

#include "platform/CFolder.h"
#include "platform/Folders.h"
#include "platform/OpenFailureCause.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

// A folder still to be searched: its name inside its parent, kept open
// until the last of its pending subfolders has been opened.
struct PendingFolder {
    std::shared_ptr<const CFolder> parent;
    std::string name;
    std::string path;
};

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
{}

void CPathWalker::Walk(const std::vector<std::string>& arguments)
{
    for (const std::string& argument : arguments) {
        Walk(argument);
    }
}

void CPathWalker::Walk(const std::string& argument)
{
    // A folder named on the command line is searched even through a link.
    if (recursive && KindOfPath(argument) == PathKind::Folder) {
        WalkFolder(argument);
    } else {
        onFile(argument, nullptr);
    }
}

void CPathWalker::WalkFolder(const std::string& top)
{
    std::vector<PendingFolder> pending{{nullptr, top, top}};
    while (!pending.empty()) {
        const PendingFolder next = std::move(pending.back());
        pending.pop_back();

        auto folder = std::make_shared<CFolder>();
        const FileFailure failure = next.parent ? folder->OpenIn(*next.parent, next.name) : folder->Open(next.path);
        if (failure.cause != OpenFailureCause::None) {
            onFailure(next.path, folder->LinkRefusal().value_or(CauseText(failure, next.path)));
            continue;
        }
        std::vector<CFolder::Entry> entries;
        const FileFailure listFailure = folder->List(entries);
        if (listFailure.cause != OpenFailureCause::None) {
            onFailure(next.path, CauseText(listFailure, next.path));
        }
        std::sort(entries.begin(), entries.end(),
                  [](const CFolder::Entry& a, const CFolder::Entry& b) { return a.name < b.name; });
        for (const CFolder::Entry& entry : entries) {
            if (entry.type == CFolder::EntryType::File && HasWaveExtension(entry.name)) {
                const FolderEntry at{folder, entry.name};
                onFile(JoinPath(next.path, entry.name), &at);
            }
        }
        // Reversed onto the stack, so the subfolders are visited in name order.
        for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
            if (it->type == CFolder::EntryType::Folder) {
                pending.push_back({folder, it->name, JoinPath(next.path, it->name)});
            }
        }
    }
}
