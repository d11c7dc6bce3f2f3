#include "SystemHelpers.h"

#include <cstdlib>
#include <filesystem>

#include <sys/stat.h>

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

const char* StateHomeVariable()
{
    return "XDG_STATE_HOME";
}

std::string JournalFolderIn(const std::string& stateHome)
{
    return stateHome + "/quelbrook/journal";
}

}  // namespace testsys
