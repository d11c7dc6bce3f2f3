#include "NamedPath.h"

#include "CFolder.h"

#include <windows.h>

#include <atomic>

namespace {

std::atomic<bool> followEvery{false};

}  // namespace

void SetFollowEveryLink(bool every)
{
    // Windows lets only administrators and trusted developers make symbolic
    // links, so there is no other user's link for an administrator to fear.
    followEvery.store(every, std::memory_order_relaxed);
}

bool FollowsRootLinksOnly()
{
    return false;
}

bool ResolveNamedPath(const std::string& path, ResolvedPath& resolved, PathFailure& failure)
{
    const std::size_t slash = path.find_last_of("\\/");
    // "C:name" lies in the current folder of drive C.
    const std::size_t drive = path.size() >= 2 && path[1] == ':' ? 2 : 0;
    std::string folderPath = slash != std::string::npos ? path.substr(0, slash + 1) : path.substr(0, drive);
    const std::string name = slash != std::string::npos ? path.substr(slash + 1) : path.substr(drive);
    if (folderPath.empty() || folderPath == path.substr(0, drive))
        folderPath += ".";
    auto folder = std::make_shared<CFolder>();
    const FileFailure opened = folder->Open(folderPath);
    if (name.empty() || opened.cause != OpenFailureCause::None) {
        failure.error = static_cast<int>(name.empty() ? ERROR_INVALID_NAME : GetLastError());
        failure.cause = name.empty() ? OpenFailureCause::BadPath : opened.cause;
        failure.missing = opened.cause == OpenFailureCause::FileNotFound;
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info {};
    GetFileInformationByHandle(reinterpret_cast<HANDLE>(folder->Handle()), &info);
    resolved.folderPath = folderPath;
    resolved.folderDevice = info.dwVolumeSerialNumber;
    resolved.folderInode = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    resolved.entry = {std::move(folder), name};
    return true;
}

std::optional<CoreText> WhyOthersMayChange(const CFile&, const ResolvedPath&, const std::string&)
{
    // A user's own folders (%LOCALAPPDATA% above all) are closed to other
    // users by their ACLs; a journal elsewhere is trusted as the ACLs of its
    // folder are, which this check does not read.
    return std::nullopt;
}
