// What POSIX systems add: errno, mounts, other users, a walked path.
#include "platform/CFile.h"
#include "platform/Folders.h"
#include "platform/NamedPath.h"
#include "platform/OpenFailureCause.h"
#include "platform/posix/PosixNamedPath.h"

#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

using namespace testwav;

namespace {

constexpr uid_t kNobody = 65534;

// Runs body in a child acting as an unprivileged user; true when it returned true.
template <class Body>
bool AsNobody(Body body)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(setgid(kNobody) == 0 && setuid(kNobody) == 0 && body() ? 0 : 1);
    int status = -1;
    waitpid(child, &status, 0);
    return status == 0;
}

// A mount namespace of its own: directly when privileged, otherwise inside a
// user namespace in which this user is root.
bool InOwnMountNamespace()
{
    if (unshare(CLONE_NEWNS) == 0)
        return true;
    const std::string uid = std::to_string(getuid()), gid = std::to_string(getgid());
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
        return false;
    WriteFile("/proc/self/setgroups", Bytes{'d', 'e', 'n', 'y'});
    const std::string uidMap = "0 " + uid + " 1", gidMap = "0 " + gid + " 1";
    WriteFile("/proc/self/uid_map", Bytes(uidMap.begin(), uidMap.end()));
    WriteFile("/proc/self/gid_map", Bytes(gidMap.begin(), gidMap.end()));
    return true;
}

}  // namespace

TEST(OpenFailureCause, ErrnoMapsToShownCodeAndReasonAndTextsNameTheFile)
{
    const std::tuple<int, int, const char*> table[] = {
        {ENOENT, 2, "the file vanished"},
        {ENOTDIR, 3, "a part of the path is not a folder"},
        {ENAMETOOLONG, 3, "the name is too long"},
        {ELOOP, 3, "too many levels of symbolic links"},
        {EMFILE, 4, "too many open files"},
        {ENFILE, 4, "too many open files"},
        {EACCES, 5, "permission denied"},
        {EPERM, 5, "permission denied"},
        {EROFS, 5, "read-only file system"},
        {EISDIR, 5, "it is a folder"},
        {EIO, 10, "input/output error"},
        {ENXIO, 10, "no such device"},
        {ETXTBSY, 11, "it is in use"},
        {EBUSY, 1, "it is in use"},
        {ENOSPC, 13, "no space left on the device"},
        {EDQUOT, 13, "disk quota exceeded"},
        {EINVAL, 1, ""},
        {0x7FFF, 1, ""},
    };
    for (const auto& [error, code, words] : table) {
        const FileFailure failure = FailureFromSystemError(error);
        EXPECT_EQ(std::pair(static_cast<int>(failure.cause), RenderEnglish(ReasonText(failure.reason))),
                  std::pair(code, std::string(words)))
            << "errno " << error;
    }

    // Each cause's text names the file.
    const char* texts[] = {
        "No error occurred.",
        "An unknown error occurred while accessing a b.wav.",
        "a b.wav was not found.",
        "a b.wav contains an invalid path.",
        "a b.wav could not be opened because there are too many open files.",
        "Access to a b.wav was denied.",
        "An invalid file handle was associated with a b.wav.",
        "a b.wav could not be removed because it is the current directory.",
        "a b.wav could not be created because the directory is full.",
        "Seek failed on a b.wav",
        "A hardware I/O error was reported while accessing a b.wav.",
        "A sharing violation occurred while accessing a b.wav.",
        "A locking violation occurred while accessing a b.wav.",
        "Disk full while accessing a b.wav.",
        "An attempt was made to access a b.wav past its end.",
    };
    for (int code = 0; code <= 14; ++code)
        EXPECT_EQ(RenderEnglish(CauseText(static_cast<OpenFailureCause>(code), "a b.wav")), texts[code]) << code;
    // The reason goes before the full stop, and after the code.
    EXPECT_EQ(RenderEnglish(CauseText(FailureFromSystemError(EROFS), "/m/a.wav")),
              "Access to /m/a.wav was denied (read-only file system).");
    EXPECT_EQ(RenderEnglish(CauseText(OpenFailureCause::BadSeek, "a.wav", SystemReason::InputOutput)),
              "Seek failed on a.wav (input/output error)");
    EXPECT_EQ(RenderEnglish(OpenFailureMessage("/x/%2 y.wav", FailureFromSystemError(EDQUOT))),
              "File /x/%2 y.wav could not be opened - code: 13 (disk quota exceeded)");
    EXPECT_EQ(RenderEnglish(OpenFailureMessage("/x/a.wav", OpenFailureCause::AccessDenied)),
              "File /x/a.wav could not be opened - code: 5");
}

// A file on a read-only mount is refused for writing in the system's words;
// the mount is made in a namespace of a child of its own.
TEST(CFile, AFileOnAReadOnlyMountIsRefusedAsSuch)
{
    TempDir dir;
    const std::string mount = dir / "ro";
    ASSERT_EQ(::mkdir(mount.c_str(), 0755), 0);
    const pid_t child = fork();
    if (child == 0) {
        if (!InOwnMountNamespace() || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || ::mount("tmpfs", mount.c_str(), "tmpfs", 0, nullptr) != 0)
            _exit(77);
        WriteFile(mount + "/a.wav", Bytes(10, 1));
        if (::mount(nullptr, mount.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            _exit(77);
        CFile file;
        const bool refused = file.Open(mount + "/a.wav", FileMode::ReadWrite) == OpenStatus::Failed
            && file.LastFailure() == FileFailure{OpenFailureCause::AccessDenied, SystemReason::ReadOnlyFileSystem}
            && file.Open(mount + "/a.wav", FileMode::Read) == OpenStatus::Opened;
        _exit(refused ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "no mount namespace here";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(CFile, ClearingTheReadOnlyMarkAddsOwnerWriteOnlyAndKeepsTimes)
{
    TempDir dir;
    const std::string path = PutFile(dir, "ro.wav", Bytes(10, 1), 0444);
    struct timespec times[2] = {{1000000, 111}, {2000000, 222}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    CFile file;
    ASSERT_EQ(file.Open(path, FileMode::ReadWrite), OpenStatus::Opened);
    EXPECT_TRUE(file.ReadOnlyMarked());
    EXPECT_FALSE(file.CanWrite());  // root included
    EXPECT_FALSE(file.ReplaceAt(0, "\2", "\1", 1));
    EXPECT_EQ(file.ClearReadOnlyMark(), OpenFailureCause::None);
    EXPECT_TRUE(file.CanWrite());
    ASSERT_TRUE(file.Close());
    const struct stat st = StatOf(path);
    EXPECT_EQ(std::tuple(st.st_mode & 07777, st.st_mtim.tv_sec, st.st_mtim.tv_nsec), std::tuple(0644u, 2000000, 222));
    EXPECT_EQ(ReadFile(path), Bytes(10, 1));
    EXPECT_EQ(file.Open(dir / "none.wav", FileMode::ReadWrite), OpenStatus::Missing);
}

// Keeping the access time is the owner's right only: another user's
// writable file still opens, and so do the files after it.
TEST(CFile, AnotherUsersFileOpensThoughItsAccessTimeCannotBeKept)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    TempDir dir;
    const std::string path = PutFile(dir, "a.wav", Bytes(100, 1), 0666);
    ASSERT_EQ(chmod(dir.Path().c_str(), 0755), 0);
    EXPECT_TRUE(AsNobody([&] {
        CFile other;
        const auto opens
            = [&] { return other.Open(path, FileMode::ReadWrite) == OpenStatus::Opened && other.CanWrite(); };
        return opens() && opens();
    }));
}

TEST(CFile, WithoutPrivilegeTheSecondOpenForWritingMustFindTheSameFile)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    TempDir dir;
    ASSERT_EQ(chmod(dir.Path().c_str(), 0711), 0);
    const std::string sub = dir / "own";
    ASSERT_EQ(mkdir(sub.c_str(), 0755), 0);
    ASSERT_EQ(chown(sub.c_str(), kNobody, kNobody), 0);
    const std::string path = sub + "/ro.wav", other = sub + "/other.wav";
    for (const bool swapped : {false, true}) {
        for (const auto& [name, byte, mode] : {std::tuple{path, 1, 0444}, {other, 2, 0644}}) {
            WriteFile(name, Bytes(10, static_cast<unsigned char>(byte)));
            ASSERT_EQ(chown(name.c_str(), kNobody, kNobody), 0);
            ASSERT_EQ(chmod(name.c_str(), static_cast<mode_t>(mode)), 0);
        }
        // The owner cannot open a marked file for writing: the mark is cleared on a read-only open, then reopened.
        EXPECT_TRUE(AsNobody([&] {
            CFile file;
            return file.Open(path, FileMode::ReadWrite) == OpenStatus::Opened && file.ReadOnlyMarked()
                && (!swapped || rename(other.c_str(), path.c_str()) == 0)
                && file.ClearReadOnlyMark() == (swapped ? OpenFailureCause::AccessDenied : OpenFailureCause::None)
                && (swapped || file.ReplaceAt(0, "\3", "\1", 1));
        })) << "swapped "
            << swapped;
        EXPECT_EQ(ReadFile(path), swapped ? Bytes(10, 2) : (Bytes{3, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    }
}

// A path too long to be opened whole is walked one component at a time; the
// walk must land where the system would, for root and for anyone else.
TEST(NamedPath, AWalkedPathLandsWhereTheSystemWould)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "a");
    WriteFile(dir / "a/f", {'A'});
    WriteFile(dir / "f", {'T'});
    for (const auto& [target, name] : {std::pair{"a", "rel"}, {"loop", "loop"}, {"a/f", "file"}})
        std::filesystem::create_symlink(target, dir / name);
    std::filesystem::create_symlink(dir / "a", dir / "abs");
    // Thousands of "/." put the path over the system's limit.
    std::string far = dir.Path().string();
    for (int i = 0; i < 2100; ++i)
        far += "/.";
    // The byte the file holds, or the errno of the failure.
    const std::pair<std::string, int> cases[] = {
        {"/a/f", 'A'},          {"/rel/f", 'A'},    {"/abs/f", 'A'},     {"/file", 'A'},      {"/rel/../f", 'T'},
        {"/a/../rel/./f", 'A'}, {"/loop/f", ELOOP}, {"/a/f/x", ENOTDIR}, {"/none/f", ENOENT},
    };
    const auto lands = [&](const std::string& path, int expected) {
        std::optional<CoreText> refusal;
        const int fd = OpenNamedPath(far + path, O_RDONLY | O_CLOEXEC, refusal);
        char byte = 0;
        const int got = fd < 0 ? errno : ::read(fd, &byte, 1) == 1 ? byte : -1;
        if (fd >= 0)
            ::close(fd);
        return got == expected && !refusal;
    };
    for (const auto& [path, expected] : cases)
        EXPECT_TRUE(lands(path, expected)) << path;

    // Run as root, a link of another user on the way is named and not followed.
    if (FollowsRootLinksOnly()) {
        ASSERT_EQ(lchown((dir / "rel").c_str(), kNobody, kNobody), 0);
        std::optional<CoreText> refusal;
        EXPECT_EQ(OpenNamedPath(far + "/rel/f", O_RDONLY | O_CLOEXEC, refusal), -1);
        EXPECT_EQ(errno, EACCES);
        const std::string said = refusal ? RenderEnglish(*refusal) : std::string();
        EXPECT_NE(said.find(dir / "rel is a symbolic link that belongs to nobody"), std::string::npos) << said;
    }
}

TEST(FolderOfPath, OnlySlashesSeparate)
{
    // path, its folder, the folder as stored (with its separator)
    const std::string cases[][3] = {
        {"/audio/x.wav", "/audio", "/audio/"},
        {"/a/b/c.wav", "/a/b", "/a/b/"},
        {"/x.wav", "/", "/"},
        {"x.wav", "", ""},
        {"a/x.wav", "a", "a/"},
        // A backslash is a character of a name here; "C:" is a relative folder.
        {"/audio/a\\b.wav", "/audio", "/audio/"},
        {"C:\\x.wav", "", ""},
        {"C:/x.wav", "C:", "C:/"},
    };
    for (const auto& [path, folder, stored] : cases)
        EXPECT_EQ(std::pair(FolderOfPath(path), StoredFolderOfPath(path)), std::pair(folder, stored)) << path;
}
