#pragma once

#include "CFile.h"
#include "OpenFailureCause.h"

#include <cstdint>
#include <optional>
#include <string>

// Paths named to the program (arguments, lines of a list, journal records)
// are opened through here. The system follows every symbolic link on the
// way; for a process running as root that would let any user who can swap a
// name for a link between the naming and the open make root write a file of
// root's. Run as root, a link is therefore followed only when root owns it.

// Follow every link, as root too (the user asked for it).
void SetFollowEveryLink(bool every);
// The process runs as root and follows only links that root owns.
bool FollowsRootLinksOnly();

struct PathFailure {
    int error = 0;  // the system's error code (see FailureFromSystemError)
    OpenFailureCause cause = OpenFailureCause::None;
    bool missing = false;  // nothing exists under the path
    // A symbolic link that was not followed, in words that name it and its
    // owner; empty for any other failure.
    std::optional<CoreText> refusal;
};

// The folder that holds the file a path leads to, reached one component at a
// time as above, and what the system says of it as opened. The file itself
// need not exist (a link may lead to a name not yet taken).
struct ResolvedPath {
    FolderEntry entry;  // the open folder and the file's name in it, no link when looked at
    std::string folderPath;  // the folder's path, for messages
    std::uint64_t folderDevice = 0;
    std::uint64_t folderInode = 0;
    unsigned folderOwner = 0;
    unsigned folderPermissions = 0;
    bool throughProcesses = false;  // a link of /proc on the way (/dev/fd/1 is one)
};
bool ResolveNamedPath(const std::string& path, ResolvedPath& resolved, PathFailure& failure);

// Why the file, opened from resolved, may have been written or put in place
// by someone other than this user and the system's administrator; empty when
// nobody else could. A file in ownFolder (the user's own state folder) is
// judged by itself alone.
std::optional<CoreText> WhyOthersMayChange(const CFile& file, const ResolvedPath& resolved,
                                           const std::string& ownFolder);
