#pragma once

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
    // may (see NamedPath.h). Returns 0 or the errno of the failure (ENOTDIR
    // for anything but a folder; EACCES with LinkRefusal() for a link not
    // followed).
    int Open(const std::string& path);
    const std::string& LinkRefusal() const { return linkRefusal; }
    // Opens the subfolder name of parent; a link there fails with ELOOP.
    int OpenIn(const CFolder& parent, const std::string& name);
    int Fd() const { return fd; }

    // The entries but "." and "..", in the order the system lists them.
    // Returns 0 or the errno of the failure; entries listed before it stay.
    int List(std::vector<Entry>& entries) const;

private:
    int fd = -1;
    std::string linkRefusal;
};
