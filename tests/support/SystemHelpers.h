#pragma once

// What tests do to the system beyond reading and writing files, with one
// version per system: the test bodies stay the same everywhere.

#include <string>

namespace testsys {

// A fresh folder of its own under the system's temporary folder (UTF-8 path).
std::string MakeTempFolder();

void SetEnvironment(const char* name, const std::string& value);
void UnsetEnvironment(const char* name);

// Sets or clears the system's read-only mark: the owner's write permission
// on POSIX systems, the read-only attribute on Windows.
void SetReadOnly(const std::string& path, bool readOnly);

// The variable that decides where the program keeps its state, and the
// journal folder below it.
const char* StateHomeVariable();
std::string JournalFolderIn(const std::string& stateHome);

}  // namespace testsys
