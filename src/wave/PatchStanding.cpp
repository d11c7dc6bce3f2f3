#include "PatchStanding.h"

#include "platform/CFile.h"

#include <vector>

PatchStanding StandingOf(CFile& file, const HeaderPatch& patch)
{
    const FileIdentity identity = file.Identity();
    if (!SameFile(identity, patch.identity))
        return PatchStanding::OtherFile;
    if (identity.size != patch.identity.size)
        return PatchStanding::OtherLength;
    std::vector<unsigned char> now(patch.after.size());
    if (patch.offset > identity.size || now.size() > identity.size - patch.offset
        || file.ReadAt(patch.offset, now.data(), now.size()) != now.size())
        return PatchStanding::Unreadable;
    if (now == patch.after)
        return PatchStanding::Applied;
    return now == patch.before ? PatchStanding::Undone : PatchStanding::ChangedSince;
}
