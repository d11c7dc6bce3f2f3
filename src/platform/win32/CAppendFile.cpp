#include "CAppendFile.h"

#include "AppendFileCalls.h"
#include "OpenFailureCause.h"
#include "WideText.h"

#include <windows.h>

#include <algorithm>
#include <random>

// The new file under a temporary name beside the one it replaces.
struct CAppendFile::Replacement {
    std::wstring temporary;
    std::wstring target;
    bool renamed = false;
};

namespace {

HANDLE Created(const std::wstring& path, DWORD disposition)
{
    // FILE_SHARE_DELETE: the new file is renamed over the old one while open.
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

AppendFileCalls& CurrentAppendFileCalls()
{
    static AppendFileCalls calls{WriteFile, FlushFileBuffers, CloseHandle};
    return calls;
}

CAppendFile::CAppendFile() = default;

CAppendFile::~CAppendFile()
{
    Close();
    if (replacement && !replacement->renamed && !replacement->temporary.empty())
        DeleteFileW(replacement->temporary.c_str());
}

void CAppendFile::Close()
{
    if (handle == NoHandle)
        return;
    CurrentAppendFileCalls().closeHandle(reinterpret_cast<HANDLE>(handle));
    handle = NoHandle;
}

bool CAppendFile::Create(const std::string& named, CreateMode createMode)
{
    path = named;
    mode = createMode;
    const std::wstring target = SystemPath(path);
    HANDLE opened = INVALID_HANDLE_VALUE;
    if (mode == CreateMode::NewFile) {
        opened = Created(target, CREATE_NEW);
    } else {
        // A device (NUL, CON) is written in place.
        opened = CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (opened != INVALID_HANDLE_VALUE && GetFileType(opened) == FILE_TYPE_DISK) {
            CloseHandle(opened);
            opened = INVALID_HANDLE_VALUE;
        }
        if (opened == INVALID_HANDLE_VALUE) {
            replacement = std::make_unique<Replacement>();
            replacement->target = target;
            std::random_device random;
            for (int attempt = 0; attempt < 100 && opened == INVALID_HANDLE_VALUE; ++attempt) {
                replacement->temporary = target + L"." + std::to_wstring(random() % 1000000000);
                opened = Created(replacement->temporary, CREATE_NEW);
                if (opened == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
                    break;
            }
            if (opened == INVALID_HANDLE_VALUE)
                replacement->temporary.clear();
        }
    }
    if (opened == INVALID_HANDLE_VALUE) {
        Fail(TextId::AppendNotCreated, static_cast<int>(GetLastError()));
        return false;
    }
    handle = reinterpret_cast<SystemHandle>(opened);
    return true;
}

bool CAppendFile::Commit()
{
    if (!replacement || replacement->renamed)
        return true;
    if (MoveFileExW(replacement->temporary.c_str(), replacement->target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
        == 0) {
        Fail(TextId::AppendNotCreated, static_cast<int>(GetLastError()));
        return false;
    }
    replacement->renamed = true;
    return true;
}

void CAppendFile::Discard()
{
    Close();
    if (mode == CreateMode::NewFile)
        DeleteFileW(SystemPath(path).c_str());
    replacement.reset();
}

bool CAppendFile::Append(const char* data, std::size_t size)
{
    // The cache manager holds the bytes once WriteFile returns: a crash of
    // the program loses none of them.
    while (size > 0) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        DWORD wrote = 0;
        if (CurrentAppendFileCalls().writeFile(reinterpret_cast<HANDLE>(handle), data, chunk, &wrote, nullptr) == 0
            || wrote == 0) {
            Fail(TextId::AppendNotWritten,
                 wrote == 0 && GetLastError() == ERROR_SUCCESS ? ERROR_DISK_FULL : static_cast<int>(GetLastError()));
            return false;
        }
        data += wrote;
        size -= wrote;
        written += wrote;
    }
    return true;
}

bool CAppendFile::Finish()
{
    if (handle == NoHandle)
        return !failure;
    const auto opened = reinterpret_cast<HANDLE>(handle);
    // A device keeps nothing to make durable.
    AppendFileCalls& calls = CurrentAppendFileCalls();
    if (GetFileType(opened) == FILE_TYPE_DISK && calls.flushFileBuffers(opened) == 0 && !failure)
        Fail(TextId::AppendNotSaved, static_cast<int>(GetLastError()));
    handle = NoHandle;
    if (calls.closeHandle(opened) == 0 && !failure)
        Fail(TextId::AppendNotSaved, static_cast<int>(GetLastError()));
    return !failure;
}

void CAppendFile::Fail(TextId what, int error)
{
    failure = CoreText(what, {SystemErrorWords(error)});
}
