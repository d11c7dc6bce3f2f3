#pragma once

#include "CFile.h"
#include "OpenFailureCause.h"

#include <cstdint>
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
    int error = 0;  // the errno of the failure
    OpenFailureCause cause = OpenFailureCause::None;
    bool missing = false;  // nothing exists under the path
    // A symbolic link that was not followed, in words that name it and its
    // owner; empty for any other failure.
    std::string refusal;
};

// Opens path as open(2) with flags would, but follows links only as above,
// and a path longer than the system takes whole is walked one component at
// a time, each opened inside the folder before it. Returns the descriptor,
// or -1 with errno set (EACCES and refusal set for a link not followed).
int OpenNamedPath(const std::string& path, int flags, std::string& refusal);

// The folder that holds the file a path leads to, reached one component at a
// time as above, and what the system says of it as opened. The file itself
// need not exist (a link may lead to a name not yet taken).
struct ResolvedPath {
    FolderEntry entry;       // the open folder and the file's name in it, no link when looked at
    std::string folderPath;  // the folder's path, for messages
    std::uint64_t folderDevice = 0;
    std::uint64_t folderInode = 0;
    unsigned folderOwner = 0;
    unsigned folderPermissions = 0;
    bool throughProcesses = false;  // a link of /proc on the way (/dev/fd/1 is one)
};
bool ResolveNamedPath(const std::string& path, ResolvedPath& resolved, PathFailure& failure);

// folderPath names the folder in which resolved lies (false when it names
// none).
bool IsFolderOf(const ResolvedPath& resolved, const std::string& folderPath);

// The user this process acts as (the effective user).
unsigned ProcessUserId();
// A user's login name, or "user N" when the number has none.
std::string UserName(unsigned id);
