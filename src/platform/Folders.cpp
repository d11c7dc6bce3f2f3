#include "Folders.h"

#include <system_error>

namespace fs = std::filesystem;

fs::path NativePath(const std::string& utf8)
{
    // A path made from char8_t text is UTF-8 on every system; one made from
    // char text would be read in the system's 8-bit code page on Windows.
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Path(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    return Utf8Path(NativePath(folder) / NativePath(name));
}

std::string FileNameOf(const std::string& path)
{
    return Utf8Path(NativePath(path).filename());
}

std::string CurrentFolder()
{
    std::error_code error;
    const fs::path current = fs::current_path(error);
    return error ? std::string() : Utf8Path(current);
}

std::string AbsolutePath(const std::string& path)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(NativePath(path), error);
    return error ? path : Utf8Path(absolute.lexically_normal());
}

bool CreateFolders(const std::string& path, std::string& failure)
{
    std::error_code error;
    if (fs::create_directories(NativePath(path), error))
        fs::permissions(NativePath(path), fs::perms::owner_all, error);
    if (error)
        failure = error.message();
    return !error;
}

std::vector<std::string> RegularFilesIn(const std::string& folder)
{
    std::vector<std::string> files;
    std::error_code error;
    for (fs::directory_iterator it(NativePath(folder), error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file(error))
            files.push_back(Utf8Path(it->path()));
    return files;
}

PathKind KindOfPath(const std::string& path)
{
    std::error_code error;
    switch (fs::status(NativePath(path), error).type()) {
    case fs::file_type::not_found:
        return PathKind::Missing;
    case fs::file_type::regular:
        return PathKind::File;
    case fs::file_type::directory:
        return PathKind::Folder;
    default:
        break;
    }
    return error ? PathKind::Unknown : PathKind::Other;
}

bool PathExists(const std::string& path)
{
    std::error_code error;
    return fs::exists(NativePath(path), error);
}

bool RemoveFile(const std::string& path)
{
    std::error_code error;
    return fs::remove(NativePath(path), error);
}
