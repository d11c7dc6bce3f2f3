#pragma once

#include <string>
#include <string_view>

// The folder part of a path, with '/' and '\' both taken as separators: the
// text before the last separator, except that a root keeps its separator.
// "/audio/x.wav" -> "/audio", "/x.wav" -> "/", "C:\x.wav" -> "C:\",
// "\\server\share\a.wav" -> "\\server\share"; no separator gives "".
std::string FolderOfPath(std::string_view path);

// The folder as the recent-folder list stores it: always ending in the path's
// own separator ("/audio/", "/", "C:\Audio\", "C:\"); "" when there is no folder.
std::string StoredFolderOfPath(std::string_view path);
