#include "SystemHelpers.h"

#include <cstdlib>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace testsys {

std::string MakeTempFolder()
{
    std::string templ = (std::filesystem::temp_directory_path() / "quelbrook-test-XXXXXX").string();
    if (mkdtemp(templ.data()) == nullptr)
        std::abort();
    return templ;
}

void SetEnvironment(const char* name, const std::string& value)
{
    setenv(name, value.c_str(), 1);
}

void UnsetEnvironment(const char* name)
{
    unsetenv(name);
}

void SetReadOnly(const std::string& path, bool readOnly)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || ::chmod(path.c_str(), readOnly ? info.st_mode & ~0222u : info.st_mode | 0200u) != 0)
        std::abort();
}

bool MakeSymbolicLink(const std::string& target, const std::string& link, bool)
{
    return ::symlink(target.c_str(), link.c_str()) == 0;
}

bool JournalReservesAhead()
{
    return true;
}

bool OwnerOnly(const std::string& folder)
{
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && (info.st_mode & 0777) == 0700;
}

const char* StateHomeVariable()
{
    return "XDG_STATE_HOME";
}

std::string JournalFolderIn(const std::string& stateHome)
{
    return stateHome + "/quelbrook/journal";
}

}  // namespace testsys
