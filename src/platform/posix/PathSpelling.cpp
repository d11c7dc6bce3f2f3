#include "Folders.h"

void AbsolutePathInto(const std::string& folder, const std::string& path, std::string& out)
{
    if (path.empty() || path.front() == '/' || folder.empty())
        out.assign(path);
    else
        out.assign(folder).append(1, '/').append(path);
}
