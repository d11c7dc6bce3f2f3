#pragma once

#include "NamedPath.h"

#include <string>

// A new file that takes the name of a named path only once its writer
// commits it: until then it lies beside the old file under a temporary name
// and the old file stays as it was. The path is reached as any named path
// (links as NamedPath.h allows) and the rename made inside the folder found.
class CReplacementFile {
public:
    CReplacementFile() = default;
    ~CReplacementFile();  // removes a file that was never committed
    CReplacementFile(const CReplacementFile&) = delete;
    CReplacementFile& operator=(const CReplacementFile&) = delete;

    // The new file's descriptor (read and write, mode 0600; the caller closes
    // it). A device or another file that is no regular file under the name
    // (/dev/null) is opened itself, to be written in place. -1 with errno,
    // and refusal set for a link not followed.
    int Create(const std::string& path, std::optional<CoreText>& refusal);
    // The new file takes the name. False with errno.
    bool Commit();
    // Makes the new name durable. False with errno.
    bool SyncFolder() const;

private:
    ResolvedPath where;
    std::string temporary;  // the new file's name until committed; empty when written in place
    bool renamed = false;
};
