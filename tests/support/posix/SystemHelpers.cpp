#include "SystemHelpers.h"

#include <cstdlib>
#include <filesystem>

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

const char* StateHomeVariable()
{
    return "XDG_STATE_HOME";
}

std::string JournalFolderIn(const std::string& stateHome)
{
    return stateHome + "/quelbrook/journal";
}

}  // namespace testsys
