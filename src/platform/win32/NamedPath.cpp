#include "NamedPath.h"

#include "CFolder.h"
#include "WideText.h"

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <atomic>
#include <memory>
#include <vector>

namespace {

std::atomic<bool> followEvery{false};

// Rights that let their holder change what a file says or who may: its
// data, its access list, its owner; in a folder, its entries as well.
constexpr DWORD ChangeRights
    = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_DELETE_CHILD | WRITE_DAC | WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;

struct LocalFreer {
    void operator()(void* memory) const { LocalFree(memory); }
};

struct HandleCloser {
    void operator()(HANDLE opened) const { CloseHandle(opened); }
};
using HandleHolder = std::unique_ptr<void, HandleCloser>;

using Sid = std::vector<unsigned char>;

Sid SidBytes(PSID sid)
{
    const auto* bytes = static_cast<const unsigned char*>(sid);
    return Sid(bytes, bytes + GetLengthSid(sid));
}

Sid WellKnown(WELL_KNOWN_SID_TYPE type)
{
    Sid sid(SECURITY_MAX_SID_SIZE);
    DWORD size = static_cast<DWORD>(sid.size());
    if (CreateWellKnownSid(type, nullptr, sid.data(), &size) == 0)
        return {};
    sid.resize(size);
    return sid;
}

// This user, the administrators and the system, who may change anything
// anyway; CREATOR OWNER and OWNER RIGHTS stand for the owner, judged apart.
std::vector<Sid> TrustedAccounts()
{
    std::vector<Sid> trusted;
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token) != 0) {
        const HandleHolder held(token);
        DWORD size = 0;
        GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        std::vector<unsigned char> user(size);
        if (size != 0 && GetTokenInformation(token, TokenUser, user.data(), size, &size) != 0)
            trusted.push_back(SidBytes(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid));
    }
    for (const auto type :
         {WinBuiltinAdministratorsSid, WinLocalSystemSid, WinCreatorOwnerSid, WinCreatorOwnerRightsSid})
        trusted.push_back(WellKnown(type));
    return trusted;
}

bool IsTrusted(const std::vector<Sid>& trusted, PSID sid)
{
    for (const Sid& account : trusted)
        if (!account.empty() && EqualSid(const_cast<unsigned char*>(account.data()), sid) != 0)
            return true;
    return false;
}

std::string AccountName(PSID sid)
{
    wchar_t name[256];
    wchar_t domain[256];
    DWORD nameSize = 256;
    DWORD domainSize = 256;
    SID_NAME_USE use{};
    if (LookupAccountSidW(nullptr, sid, name, &nameSize, domain, &domainSize, &use) != 0)
        return domainSize == 0 ? Utf8FromWide(name) : Utf8FromWide(domain) + "\\" + Utf8FromWide(name);
    wchar_t* text = nullptr;
    if (ConvertSidToStringSidW(sid, &text) == 0)
        return "an unknown account";
    const std::unique_ptr<void, LocalFreer> held(text);
    return Utf8FromWide(text);
}

// Why someone but the trusted may change what handle leads to, in words
// about subject ("it" or "its folder" and its path); empty when nobody may.
std::string WhyOthersMayChange(HANDLE handle, const std::string& subject)
{
    PSID owner = nullptr;
    PACL list = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const DWORD error = GetSecurityInfo(handle, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
                                        &owner, nullptr, &list, nullptr, &descriptor);
    if (error != ERROR_SUCCESS)
        return "the access list of " + subject + " cannot be read (" + SystemErrorText(error) + ")";
    const std::unique_ptr<void, LocalFreer> held(descriptor);
    const std::vector<Sid> trusted = TrustedAccounts();
    if (owner != nullptr && !IsTrusted(trusted, owner))
        return subject + " belongs to " + AccountName(owner);
    // No access list at all (FAT, or one taken away) grants everything to everyone.
    if (list == nullptr)
        return subject + " has no access list, so anyone may write it";
    // Denials are not weighed: a right granted to another account is reason
    // enough, however a denial ahead of it may narrow it.
    for (DWORD i = 0; i < list->AceCount; ++i) {
        void* entry = nullptr;
        if (GetAce(list, i, &entry) == 0)
            continue;
        const auto* header = static_cast<const ACE_HEADER*>(entry);
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE || (header->AceFlags & INHERIT_ONLY_ACE) != 0)
            continue;
        auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(entry);
        const PSID account = &allowed->SidStart;
        if ((allowed->Mask & ChangeRights) != 0 && !IsTrusted(trusted, account))
            return AccountName(account) + " may write " + subject;
    }
    return {};
}

// The folder at path for asking about it; empty when it cannot be opened.
HandleHolder OpenFolderToAsk(const std::string& path, DWORD access)
{
    const HANDLE opened = CreateFileW(SystemPath(path).c_str(), access | FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    return HandleHolder(opened != INVALID_HANDLE_VALUE ? opened : nullptr);
}

bool IsFolderOf(const HandleHolder& folder, const ResolvedPath& at)
{
    BY_HANDLE_FILE_INFORMATION info{};
    return folder && GetFileInformationByHandle(folder.get(), &info) != 0
        && info.dwVolumeSerialNumber == at.folderDevice
        && ((static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow) == at.folderInode;
}

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
    BY_HANDLE_FILE_INFORMATION info{};
    GetFileInformationByHandle(reinterpret_cast<HANDLE>(folder->Handle()), &info);
    resolved.folderPath = folderPath;
    resolved.folderDevice = info.dwVolumeSerialNumber;
    resolved.folderInode = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    resolved.entry = {std::move(folder), name};
    return true;
}

namespace {

std::string WhyOthersMayChangeWords(const CFile& file, const ResolvedPath& at, const std::string& ownFolder)
{
    if (std::string reason = WhyOthersMayChange(reinterpret_cast<HANDLE>(file.Handle()), "it"); !reason.empty())
        return reason;
    // Whoever may add or delete entries of the folder may put another file
    // in its place. Opened again to read its access list: it must still be
    // the folder the file was opened in.
    const HandleHolder folder = OpenFolderToAsk(at.folderPath, READ_CONTROL);
    if (!IsFolderOf(folder, at))
        return "its folder " + at.folderPath + " was replaced or cannot be read";
    std::string reason = WhyOthersMayChange(folder.get(), "its folder " + at.folderPath);
    // The user's own state folder is judged by its files alone.
    if (!reason.empty() && !ownFolder.empty() && IsFolderOf(OpenFolderToAsk(ownFolder, 0), at))
        reason.clear();
    return reason;
}

}  // namespace

std::optional<CoreText> WhyOthersMayChange(const CFile& file, const ResolvedPath& at, const std::string& ownFolder)
{
    // The reasons name accounts as Windows spells them, so they stay as they are.
    const std::string reason = WhyOthersMayChangeWords(file, at, ownFolder);
    return reason.empty() ? std::nullopt : std::optional<CoreText>(reason);
}
