#include "UserFolders.h"

#include <cstdlib>
#include <unistd.h>

std::string UserStateFolder()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/')
        return std::string(state) + "/quelbrook";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return std::string(home) + "/.local/state/quelbrook";
    return {};
}

CoreText MissingStateFolderReason()
{
    return TextId::StateHomeUnsetPosix;
}

unsigned long CurrentProcessId()
{
    return static_cast<unsigned long>(::getpid());
}
