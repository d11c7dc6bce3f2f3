// What Windows does differently from POSIX systems, checked on the platform's
// own calls: the read-only attribute, sharing, letter case and short names,
// UTF-16 names and junctions.
#include "platform/CFile.h"
#include "platform/CFolder.h"
#include "platform/CPathWalker.h"
#include "platform/CProfileFile.h"
#include "platform/Folders.h"

#include "SystemHelpers.h"
#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <winioctl.h>

#include <cstring>
#include <vector>

namespace {

using testwav::TempDir;

std::wstring Wide(const std::string& path)
{
    return NativePath(path).wstring();
}

DWORD Attributes(const std::string& path)
{
    return GetFileAttributesW(Wide(path).c_str());
}

FILETIME WriteTime(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

}  // namespace

TEST(Windows, ReadOnlyAttributeIsTheMarkAndClearedAlone)
{
    TempDir dir;
    const std::string path = dir / "a.wav";
    testwav::WriteFile(path, testwav::Pattern(64));
    ASSERT_TRUE(SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    const FILETIME before = WriteTime(path);

    CFile file;
    ASSERT_EQ(file.Open(path, FileMode::ReadWrite), OpenStatus::Opened);
    EXPECT_TRUE(file.ReadOnlyMarked());
    EXPECT_FALSE(file.CanWrite());
    ASSERT_EQ(file.ClearReadOnlyMark(), OpenFailureCause::None);
    EXPECT_TRUE(file.CanWrite());
    const unsigned char now[2] = {1, 2};
    const unsigned char was[2] = {0, 1};
    EXPECT_TRUE(file.ReplaceAt(0, now, was, 2));
    EXPECT_TRUE(file.RestoreTimes());
    file.Close();

    // Hidden stays, the mark is gone, and the time is the one it had.
    EXPECT_EQ(Attributes(path) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), FILE_ATTRIBUTE_HIDDEN);
    const FILETIME after = WriteTime(path);
    EXPECT_EQ(CompareFileTime(&before, &after), 0);
}

TEST(Windows, DenyWriteAclIsARefusalNotTheMark)
{
    TempDir dir;
    const std::string path = dir / "a.wav";
    testwav::WriteFile(path, testwav::Pattern(64));
    // Everyone denied writing the data, the attribute left clear.
    SECURITY_DESCRIPTOR* descriptor = nullptr;
    const wchar_t* denyWrite = L"D:(D;;FW;;;WD)(A;;FA;;;WD)";
    using Convert = BOOL(WINAPI*)(LPCWSTR, DWORD, PSECURITY_DESCRIPTOR*, PULONG);
    const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        GetProcAddress(LoadLibraryW(L"advapi32.dll"), "ConvertStringSecurityDescriptorToSecurityDescriptorW")));
    ASSERT_NE(convert, nullptr);
    ASSERT_TRUE(convert(denyWrite, 1, reinterpret_cast<PSECURITY_DESCRIPTOR*>(&descriptor), nullptr));
    const BOOL applied = SetFileSecurityW(Wide(path).c_str(), DACL_SECURITY_INFORMATION, descriptor);
    LocalFree(descriptor);
    const HANDLE probe = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        GTEST_SKIP() << "this system does not enforce file ACLs (wine keeps them but grants access)";
    }
    ASSERT_TRUE(applied);
    CFile file;
    EXPECT_EQ(file.Open(path, FileMode::ReadWrite), OpenStatus::Failed);
    EXPECT_EQ(file.LastCause(), OpenFailureCause::AccessDenied);
    EXPECT_FALSE(file.ReadOnlyMarked());
}

TEST(Windows, FileHeldWithoutSharingFailsInWordsAndStaysUnchanged)
{
    TempDir dir;
    const std::string path = dir / "a.wav";
    const testwav::Bytes image = testwav::Pattern(64);
    testwav::WriteFile(path, image);
    const HANDLE holder = CreateFileW(Wide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    CFile file;
    EXPECT_EQ(file.Open(path, FileMode::ReadWrite), OpenStatus::Failed);
    EXPECT_EQ(file.LastCause(), OpenFailureCause::SharingViolation);
    EXPECT_EQ(RenderEnglish(CauseText(file.LastFailure(), "a.wav")),
              "A sharing violation occurred while accessing a.wav (it is in use).");
    CloseHandle(holder);
    EXPECT_EQ(testwav::ReadFile(path), image);
}

TEST(Windows, OneFileUnderTwoSpellingsIsOneFile)
{
    TempDir dir;
    const std::string path = dir / "Take One.wav";
    testwav::WriteFile(path, testwav::Pattern(64));
    const auto named = IdentityOfPath(path);
    const auto upper = IdentityOfPath(dir / "TAKE ONE.WAV");
    ASSERT_TRUE(named && upper);
    EXPECT_EQ(*named, *upper);
    // The identity the journal records is the one the open file has.
    CFile file;
    ASSERT_EQ(file.Open(dir / "take ONE.wav", FileMode::Read), OpenStatus::Opened);
    EXPECT_EQ(file.Identity(), *named);
}

TEST(Windows, TheProfileIsReplacedWholeAndTheReadOnlyAttributeRefusesIt)
{
    TempDir dir;
    const std::string path = dir / "Quelbrook.INI";
    testwav::WriteFile(path, {'[', 'A', ']', '\r', '\n', 'b', '=', '1', '\r', '\n'});
    ASSERT_TRUE(SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_HIDDEN));
    CProfileFile profile(NativePath(path));
    ASSERT_TRUE(profile.WriteString("a", "c", "two"));
    EXPECT_EQ(testwav::ReadText(path), "[A]\r\nb=1\r\nc=two\r\n");
    EXPECT_EQ(CProfileFile(NativePath(path)).GetString("A", "C"), "two");
    // The new file keeps the old one's attributes, and no temporary file stays behind.
    EXPECT_EQ(Attributes(path) & FILE_ATTRIBUTE_HIDDEN, DWORD{FILE_ATTRIBUTE_HIDDEN});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);

    testsys::SetReadOnly(path, true);
    EXPECT_FALSE(profile.WriteString("A", "b", "2"));
    testsys::SetReadOnly(path, false);
    EXPECT_EQ(testwav::ReadText(path), "[A]\r\nb=1\r\nc=two\r\n");
}

TEST(Windows, FolderOfPathTakesBothSeparatorsAndDriveRoots)
{
    // path, its folder, the folder as stored (with its separator)
    const std::string cases[][3] = {
        {"C:\\x.wav", "C:\\", "C:\\"},
        {"C:\\Audio\\x.wav", "C:\\Audio", "C:\\Audio\\"},
        {"C:/Audio/x.wav", "C:/Audio", "C:/Audio/"},
        {"\\\\server\\share\\a.wav", "\\\\server\\share", "\\\\server\\share\\"},
        {"\\x.wav", "\\", "\\"},
        {"x.wav", "", ""},
    };
    for (const auto& [path, folder, stored] : cases)
        EXPECT_EQ(std::pair(FolderOfPath(path), StoredFolderOfPath(path)), std::pair(folder, stored)) << path;
}

TEST(Windows, Utf16NamesRoundTripThroughUtf8)
{
    TempDir dir;
    const std::string name = "caf\xC3\xA9 \xC3\xBC \xE2\x99\xAA.wav";  // café ü ♪.wav
    const std::string path = dir / name;
    testwav::WriteFile(path, testwav::Pattern(64));
    // Windows holds the name as the UTF-16 text it stands for, not as bytes.
    EXPECT_NE(Attributes(path), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(
        GetFileAttributesW((NativePath(Utf8Path(dir.Path())).wstring() + L"\\caf\u00e9 \u00fc \u266a.wav").c_str()),
        INVALID_FILE_ATTRIBUTES);
    CFolder folder;
    ASSERT_EQ(folder.Open(Utf8Path(dir.Path())).cause, OpenFailureCause::None);
    std::vector<CFolder::Entry> entries;
    ASSERT_EQ(folder.List(entries).cause, OpenFailureCause::None);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, name);
    // Longer than the 260 characters of the old limit.
    std::string deep = Utf8Path(dir.Path());
    for (int i = 0; i < 30; ++i) {
        deep += "\\folder-" + std::to_string(i);
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + Wide(deep)).c_str(), nullptr));
    }
    const std::string distant = deep + "\\" + name;
    const HANDLE created
        = CreateFileW((L"\\\\?\\" + Wide(distant)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(created, INVALID_HANDLE_VALUE);
    CloseHandle(created);
    CFile file;
    EXPECT_EQ(file.Open(distant, FileMode::ReadWrite), OpenStatus::Opened);
}

TEST(Windows, SearchNeverFollowsAJunction)
{
    TempDir dir;
    TempDir outside;
    testwav::WriteFile(outside / "elsewhere.wav", testwav::Pattern(64));
    testwav::WriteFile(dir / "here.wav", testwav::Pattern(64));
    const std::string junction = dir / "link";
    ASSERT_TRUE(CreateDirectoryW(Wide(junction).c_str(), nullptr));
    // A mount-point reparse point, as mklink /J makes one.
    const std::wstring target = L"\\??\\" + outside.Path().wstring();
    std::vector<unsigned char> buffer(sizeof(DWORD) + 2 * sizeof(WORD) + 4 * sizeof(WORD) + (target.size() + 2) * 2);
    auto* header = reinterpret_cast<DWORD*>(buffer.data());
    header[0] = IO_REPARSE_TAG_MOUNT_POINT;
    auto* words = reinterpret_cast<WORD*>(buffer.data() + sizeof(DWORD));
    words[0] = static_cast<WORD>(buffer.size() - 8);  // data length
    words[2] = 0;  // substitute name offset
    words[3] = static_cast<WORD>(target.size() * 2);  // and length
    words[4] = static_cast<WORD>(target.size() * 2 + 2);
    words[5] = 0;
    std::memcpy(words + 6, target.c_str(), target.size() * 2);
    const HANDLE folder = CreateFileW(Wide(junction).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    ASSERT_NE(folder, INVALID_HANDLE_VALUE);
    DWORD returned = 0;
    const BOOL made = DeviceIoControl(folder, FSCTL_SET_REPARSE_POINT, buffer.data(), static_cast<DWORD>(buffer.size()),
                                      nullptr, 0, &returned, nullptr);
    CloseHandle(folder);
    if (!made || (Attributes(junction) & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        GTEST_SKIP() << "this system cannot make a junction (error " << GetLastError() << ")";

    std::vector<std::string> found;
    CPathWalker walker(
        true, [&](const std::string& path, const FolderEntry*) { found.push_back(FileNameOf(path)); },
        [](const std::string&, const CoreText&) {});
    walker.Walk(Utf8Path(dir.Path()));
    EXPECT_EQ(found, std::vector<std::string>{"here.wav"});
}
