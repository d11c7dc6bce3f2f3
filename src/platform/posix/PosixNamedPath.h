#pragma once

#include "platform/CoreText.h"

#include <optional>
#include <string>

// Opens path as open(2) with flags would, but follows links only as
// NamedPath.h says, and a path longer than the system takes whole is walked
// one component at a time, each opened inside the folder before it. Returns
// the descriptor, or -1 with errno set (EACCES and refusal set for a link
// not followed).
int OpenNamedPath(const std::string& path, int flags, std::optional<CoreText>& refusal);
