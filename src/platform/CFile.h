#pragma once

#include "CUpdateLock.h"
#include "FileIdentity.h"
#include "OpenFailureCause.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

class CFolder;

enum class FileMode { Read, ReadWrite };

// A file named inside an open folder: opened there, never through a
// symbolic link (or, on Windows, a junction) in its place.
struct FolderEntry {
    // Kept open for as long as a copy of the entry lives, so that the file
    // can be opened after the search has left its folder.
    std::shared_ptr<const CFolder> folder;
    std::string name;
};

enum class OpenStatus {
    Opened,
    Missing,  // nothing exists under the path: callers stay silent
    Failed,  // see LastCause()
};

// One open regular file, closed when the object goes. Every decision about
// the file (is it regular, does it carry the read-only mark) is made on the
// descriptor it was opened as, never again by path. Reads and writes are
// positional, so there is no shared file position to keep track of.
class CFile {
public:
    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Opens an existing regular file once, following symbolic links on the
    // way as a named path may (see NamedPath.h; LinkRefusal() says why one
    // was not); never creates or truncates it, never blocks on a FIFO. A
    // directory fails with AccessDenied and any other non-regular file with
    // InvalidFile, without a byte read. For ReadWrite, a file with the
    // read-only mark (no write permission for its owner) is opened all the
    // same but cannot be written until ClearReadOnlyMark(), even by a
    // privileged user.
    OpenStatus Open(const std::string& path, FileMode mode);
    // The same for an entry of an open folder; a symbolic link there is
    // refused (BadPath), never followed.
    OpenStatus OpenIn(const FolderEntry& entry, FileMode mode);
    bool IsOpen() const { return handle != NoHandle; }
    // False when nothing was open or when closing reported an error (a
    // network file system reports delayed write errors there; see LastCause()).
    bool Close();

    // Waits until no other process updates the file and keeps others waiting
    // until Close(): the header read from now on is still the file's when
    // it is written (see CUpdateLock).
    void LockForUpdate();

    // Length of the file when it was opened.
    std::uint64_t Length() const { return length; }
    // Which file this is, with its length when it was opened.
    FileIdentity Identity() const { return {device, inode, length}; }

    bool ReadOnlyMarked() const { return readOnlyMarked; }
    // Grants the owner's write permission on the open file (nothing else
    // changes, not even the times) and makes it writable. When the file was
    // opened for reading only, the path is opened again for writing and
    // refused unless it is still the same file.
    OpenFailureCause ClearReadOnlyMark();
    // Open for writing, and without the read-only mark.
    bool CanWrite() const { return writable && !readOnlyMarked; }

    // Chunk headers of ordinary files lie well inside this (a broadcast
    // extension with its coding history included), and a read no longer than
    // needed copies less out of the page cache.
    static constexpr std::size_t HeadBytes = 2048;

    // Reads the first bytes of the file once (at most HeadBytes), so that
    // later small reads inside them cost no system call.
    void CacheHead(std::size_t bytes = HeadBytes);
    std::span<const unsigned char> CachedHead() const { return {head.data(), headSize}; }

    // The first offset from offset on that is not inside a hole of a sparse
    // file (holes read as zeros); Length() when only a hole follows, offset
    // itself when the file system cannot tell.
    std::uint64_t NextData(std::uint64_t offset) const;

    // Reads up to count bytes at offset; fewer at the end of the file. A
    // failed read counts as end of file and records its cause.
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count);

    // Replaces count bytes at offset, which hold previous, with bytes. When
    // the write comes up short the bytes already written get previous back,
    // so a failure leaves the file as it was; false with LastCause() then.
    bool ReplaceAt(std::uint64_t offset, const void* bytes, const void* previous, std::size_t count);

    // Puts back the access and modification times the file had when opened.
    bool RestoreTimes();

    OpenFailureCause LastCause() const { return lastFailure.cause; }
    const FileFailure& LastFailure() const { return lastFailure; }
    // The symbolic link the last open refused to follow, in words; empty when none.
    const std::optional<CoreText>& LinkRefusal() const { return linkRefusal; }
    // The open file's owner and permission bits (POSIX systems; 0 on Windows).
    unsigned OwnerId() const { return owner; }
    unsigned Permissions() const { return permissions; }
    // For the platform's own calls (the file's access list on Windows).
    SystemHandle Handle() const { return handle; }

private:
    OpenStatus OpenAt(const CFolder* inFolder, const std::string& name, FileMode mode, bool followLinks);
    bool WriteAll(std::uint64_t offset, const unsigned char* bytes, std::size_t count, std::size_t& done);
    // One read or write as the system does it: what it took, 0 at the end
    // of the file or after a failure (LastCause() then).
    std::size_t ReadSome(std::uint64_t offset, unsigned char* out, std::size_t count);
    std::size_t WriteSome(std::uint64_t offset, const unsigned char* bytes, std::size_t count);
    void Forget();

    SystemHandle handle = NoHandle;
    const CFolder* folder = nullptr;  // where name was opened, for the second open for writing
    std::string name;
    bool followLinks = true;
    bool writable = false;
    bool readOnlyMarked = false;
    unsigned permissions = 0;  // mode bits; file attributes on Windows
    std::uint64_t length = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    FileTimes times;
    std::array<unsigned char, HeadBytes> head;  // left uninitialised: the read fills what is used
    std::size_t headSize = 0;
    FileFailure lastFailure;
    unsigned owner = 0;
    std::optional<CoreText> linkRefusal;
    CUpdateLock updateLock;
};
