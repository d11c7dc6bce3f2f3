#pragma once

#include "CoreText.h"

#include <string>

// Where this user's state of the program lives (the batch journals):
// $XDG_STATE_HOME/quelbrook or ~/.local/state/quelbrook on Linux,
// %LOCALAPPDATA%\Quelbrook on Windows. Empty when the system names no such
// place (no home).
std::string UserStateFolder();

// Why UserStateFolder() came back empty, in words for a message.
CoreText MissingStateFolderReason();

// This process's number, which tells batches started in the same instant apart.
unsigned long CurrentProcessId();
