#pragma once

#include "OpenFailureCause.h"

#include <string>

// The read-only mark of a file is the absence of its owner's write permission.
enum class ReadOnlyState { Missing, Writable, ReadOnly };

ReadOnlyState QueryReadOnly(const std::string& path);

// Grants the owner's write permission and changes nothing else (other
// permission bits, times). Returns None or the cause of the failure.
OpenFailureCause ClearReadOnly(const std::string& path);
