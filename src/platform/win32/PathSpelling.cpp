#include "Folders.h"

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

}  // namespace

void AbsolutePathInto(const std::string& folder, const std::string& path, std::string& out)
{
    const bool withDrive = path.size() >= 3 && path[1] == ':' && IsSeparator(path[2]);
    const bool network = path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
    if (withDrive || network || folder.empty()) {
        out.assign(path);
    } else if (!path.empty() && IsSeparator(path[0])) {
        // Rooted on the working folder's drive.
        out.assign(folder, 0, folder.size() >= 2 && folder[1] == ':' ? 2 : 0).append(path);
    } else {
        // "C:name" is relative to that drive's own working folder, which
        // Windows keeps per process: AbsolutePath asks it.
        if (path.size() >= 2 && path[1] == ':') {
            out.assign(AbsolutePath(path));
            return;
        }
        out.assign(folder);
        if (!IsSeparator(out.back()))
            out += '\\';
        out.append(path);
    }
    for (char& c : out)
        if (c == '/')
            c = '\\';
}
