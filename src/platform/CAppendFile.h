#pragma once

#include "CoreText.h"
#include "FileIdentity.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// A file written from start to end in one go: a batch's journal. Each
// Append is in the system (the page cache, not a buffer of ours) when it
// returns, so a crash of the program loses nothing appended; Finish makes
// it durable. On POSIX systems a regular file is written through a shared
// mapping, which costs no system call per append, with its space allocated
// ahead and cut back at the end, so a file left by a crash ends in zero
// bytes. Not safe for concurrent use: the caller serialises.
class CAppendFile {
public:
    enum class CreateMode {
        NewFile,  // an existing file is never replaced
        Replace,  // created, or replaced once Commit() is called
    };

    CAppendFile();
    ~CAppendFile();  // closes; a new file that was never committed is removed
    CAppendFile(const CAppendFile&) = delete;
    CAppendFile& operator=(const CAppendFile&) = delete;

    // False with Failure().
    bool Create(const std::string& path, CreateMode mode);
    // A replacement takes the file's name (the old file stays whole until
    // then). False with Failure().
    bool Commit();
    bool Append(const char* data, std::size_t size);
    // Makes the file durable (its new name too) and closes it.
    bool Finish();
    // Closes and removes a new file.
    void Discard();

    bool IsOpen() const { return handle != NoHandle; }
    // "could not be written: no space left on the device", for the caller to name the file.
    const std::optional<CoreText>& Failure() const { return failure; }

private:
    bool MapFrom(std::uint64_t offset, std::size_t atLeast);
    void Unmap(bool cutToRecords = true);
    void Fail(TextId what, int error);
    void Close();

    // The new file beside the old one until Commit(); each system has its own.
    struct Replacement;

    SystemHandle handle = NoHandle;
    std::string path;
    CreateMode mode = CreateMode::NewFile;
    std::unique_ptr<Replacement> replacement;
    bool mapped = false;  // the mapping (POSIX systems)
    unsigned char* map = nullptr;
    std::uint64_t mapStart = 0;
    std::uint64_t mapLength = 0;
    std::uint64_t written = 0;
    std::optional<CoreText> failure;
};
