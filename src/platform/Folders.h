#pragma once

#include "FileIdentity.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Paths are UTF-8 text everywhere in the program; these are the only places
// where they become the system's own path type and back (UTF-16 on Windows).
std::filesystem::path NativePath(const std::string& utf8);
std::string Utf8Path(const std::filesystem::path& path);

// folder and name joined with the system's separator.
std::string JoinPath(const std::string& folder, const std::string& name);

// The last component of the path.
std::string FileNameOf(const std::string& path);

// The folder part of a path: the text before the last separator, except that
// a root keeps its separator ("/audio/x.wav" -> "/audio", "/x.wav" -> "/";
// on Windows "C:\x.wav" -> "C:\", "\\server\share\a.wav" ->
// "\\server\share"); no separator gives "". Only Windows takes "\" for a
// separator: elsewhere it is a character of a name.
std::string FolderOfPath(std::string_view path);

// The folder as the recent-folder list stores it: always ending in the path's
// own separator ("/audio/", "/", "C:\Audio\", "C:\"); "" when there is no folder.
std::string StoredFolderOfPath(std::string_view path);

// The current folder; empty when the system cannot say.
std::string CurrentFolder();

// The absolute spelling of path that journals keep: under folder when it is
// relative, with the system's one separator. out is reused, so that a batch
// allocates nothing per file.
void AbsolutePathInto(const std::string& folder, const std::string& path, std::string& out);

// The path made absolute against the current folder, in the system's
// spelling (one separator style); the path itself when that fails.
std::string AbsolutePath(const std::string& path);

// Creates the folder and its missing parents, new ones open to their owner
// only. False with the system's words in failure.
bool CreateFolders(const std::string& path, std::string& failure);

// The full paths of the regular files in folder (none when it cannot be read).
std::vector<std::string> RegularFilesIn(const std::string& folder);

enum class PathKind { Missing, File, Folder, Other, Unknown };

// What the path leads to, links followed; Unknown when the system would not say.
PathKind KindOfPath(const std::string& path);

// Which file the path leads to (links followed); nothing when there is none
// or it cannot be looked at.
std::optional<FileIdentity> IdentityOfPath(const std::string& path);

// The folder at the top of a file system ("/", a drive's root).
bool IsFileSystemRoot(const std::string& path);

// Something exists under the path.
bool PathExists(const std::string& path);

// Removes a file; false when it could not be removed.
bool RemoveFile(const std::string& path);
