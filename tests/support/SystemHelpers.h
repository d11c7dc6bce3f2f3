#pragma once

// What tests do to the system beyond reading and writing files, with one
// version per system: the test bodies stay the same everywhere.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace testsys {

// A fresh folder of its own under the system's temporary folder (UTF-8 path).
std::string MakeTempFolder();

void SetEnvironment(const char* name, const std::string& value);
void UnsetEnvironment(const char* name);

// Sets or clears the system's read-only mark: the owner's write permission
// on POSIX systems, the read-only attribute on Windows.
void SetReadOnly(const std::string& path, bool readOnly);

// Whether the file carries the read-only mark.
bool IsReadOnly(const std::string& path);

// The file's access and modification times, in whole seconds since 1970.
void SetTimes(const std::string& path, std::int64_t accessed, std::int64_t modified);
std::pair<std::int64_t, std::int64_t> TimesOf(const std::string& path);

// Whether a read can leave a file's access time alone in folder, as the
// program asks: on Windows through the handle's "keep" time, which wine
// ignores; on POSIX systems O_NOATIME, the owner's right.
bool ReadsCanKeepTheAccessTime(const std::string& folder);

// Writes head at 0 and tail at tailAt of a sparse file; false when the file
// system will not hold such a file cheaply (nothing big is written then).
bool WriteSparse(const std::string& path, const std::vector<unsigned char>& head, std::uint64_t tailAt,
                 const std::vector<unsigned char>& tail);

// Lets every other user write path (a file or a folder): write permission
// for group and others on POSIX systems, an access list entry granting
// Everyone writing on Windows.
void LetOthersWrite(const std::string& path);

// Makes link a symbolic link to target (a folder's when folder); false when
// the system (or wine) cannot make one here, for the test to skip.
bool MakeSymbolicLink(const std::string& target, const std::string& link, bool folder);

// The journal reserves space ahead through a mapping and a crash leaves it
// (POSIX systems); on Windows it is written as it goes.
bool JournalReservesAhead();

// The folder is open to its owner only, as the journal's folder must be: the
// permission bits on POSIX systems; on Windows the ACL inherited from the
// user's profile, which the program does not change.
bool OwnerOnly(const std::string& folder);

// The variable that decides where the program keeps its state, and the
// journal folder below it.
const char* StateHomeVariable();
std::string JournalFolderIn(const std::string& stateHome);

}  // namespace testsys
