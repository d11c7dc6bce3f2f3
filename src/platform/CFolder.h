#pragma once

#include "FileIdentity.h"
#include "OpenFailureCause.h"

#include <optional>
#include <string>
#include <vector>

// One open folder, closed when the object goes. A subfolder is opened by its
// name inside its open parent and never through a symbolic link, so a walk
// stays inside the tree it was given even while someone swaps names in it.
class CFolder {
public:
    enum class EntryType { File, Folder, Other };
    struct Entry {
        std::string name;
        EntryType type;  // a symbolic link is Other
    };

    CFolder() = default;
    ~CFolder();
    CFolder(const CFolder&) = delete;
    CFolder& operator=(const CFolder&) = delete;

    // Opens the folder at path, following links on the way as a named path
    // may (see NamedPath.h). Returns the failure (None on success; BadPath
    // for anything but a folder; AccessDenied with LinkRefusal() for a link
    // not followed).
    FileFailure Open(const std::string& path);
    const std::optional<CoreText>& LinkRefusal() const { return linkRefusal; }
    // Opens the subfolder name of parent; a link (or a junction) there fails
    // with BadPath, SymbolicLink.
    FileFailure OpenIn(const CFolder& parent, const std::string& name);
    // For the platform's own calls: files are opened inside the folder.
    SystemHandle Handle() const { return handle; }
    // Takes over a folder the platform opened otherwise.
    void Adopt(SystemHandle opened, std::string openedPath);
    // The path the folder was opened by, for messages.
    const std::string& Path() const { return path; }

    // The entries but "." and "..", in the order the system lists them.
    // Returns the failure; entries listed before it stay.
    FileFailure List(std::vector<Entry>& entries) const;

private:
    SystemHandle handle = NoHandle;
    std::string path;
    std::optional<CoreText> linkRefusal;
};
