#include "CProfileFile.h"

#include "CFile.h"
#include "Folders.h"

#include <charconv>
#include <limits>
#include <system_error>
#include <utility>

namespace {

enum class ReadResult { Read, Missing, Failed };

// What the path names, when it is a profile: a folder, a FIFO, a device or an
// oversized file is none (opening or reading one may block or never end).
ReadResult Examine(const std::string& path, FileStamp& stamp, bool& readOnly)
{
    switch (LookAtPath(path, stamp, readOnly)) {
    case PathLook::Missing:
        return ReadResult::Missing;
    case PathLook::Other:
        return ReadResult::Failed;
    case PathLook::Regular:
        break;
    }
    return stamp.size > CProfileFile::MaxSize ? ReadResult::Failed : ReadResult::Read;
}

ReadResult ReadWhole(const std::string& path, std::string& content)
{
    CFile file;
    switch (file.Open(path, FileMode::Read)) {
    case OpenStatus::Missing:
        return ReadResult::Missing;
    case OpenStatus::Failed:
        return ReadResult::Failed;
    case OpenStatus::Opened:
        break;
    }
    // The length as opened bounds the read, however the file grows meanwhile.
    if (file.Length() > CProfileFile::MaxSize)
        return ReadResult::Failed;
    content.resize(static_cast<std::size_t>(file.Length()));
    content.resize(file.ReadAt(0, content.data(), content.size()));
    return file.LastCause() == OpenFailureCause::None ? ReadResult::Read : ReadResult::Failed;
}

}  // namespace

CProfileFile::CProfileFile(std::filesystem::path file) : path(std::move(file)) {}

const CIniDocument* CProfileFile::CurrentDocument() const
{
    FileStamp now;
    bool readOnly = false;
    if (Examine(Utf8Path(path), now, readOnly) != ReadResult::Read) {
        cachedStamp.reset();
        return nullptr;
    }
    if (cachedStamp == now)
        return &cachedDocument;
    cachedStamp.reset();
    std::string content;
    if (ReadWhole(Utf8Path(path), content) != ReadResult::Read)
        return nullptr;
    ++contentReads;
    cachedDocument = CIniDocument(content);
    cachedStamp = now;
    return &cachedDocument;
}

std::string CProfileFile::GetString(std::string_view section, std::string_view key, std::string_view def) const
{
    const CIniDocument* document = CurrentDocument();
    const std::optional<std::string_view> value = document ? document->Value(section, key) : std::nullopt;
    return std::string(value.value_or(def));
}

int CProfileFile::GetInt(std::string_view section, std::string_view key, int def) const
{
    const std::string text = GetString(section, key, {});
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end == digits.data())
        return def;
    if (negative)
        value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return def;
    return static_cast<int>(value);
}

bool CProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    if (!CIniDocument::Fits(section, key, value))
        return false;

    // A profile that is a link keeps being one: the file it points to is replaced.
    std::error_code ec;
    const bool link = std::filesystem::is_symlink(path, ec);
    const std::filesystem::path target = link ? std::filesystem::weakly_canonical(path, ec) : path;
    if (link && ec)
        return false;
    const std::string targetPath = Utf8Path(target);

    FileStamp stamp;
    bool readOnly = false;
    const ReadResult state = Examine(targetPath, stamp, readOnly);
    if (state == ReadResult::Failed || (state == ReadResult::Read && readOnly))
        return false;
    std::string content;
    if (state == ReadResult::Read) {
        if (cachedStamp == stamp && cachedDocument.Holds(section, key, value))
            return true;
        // Read afresh, so that what another program wrote meanwhile is kept.
        const ReadResult read = ReadWhole(targetPath, content);
        if (read == ReadResult::Failed)
            return false;
        if (read == ReadResult::Read)
            ++contentReads;
    }
    CIniDocument document(content);
    document.SetValue(section, key, value);
    const std::string out = document.Text();
    // Grown past the limit, the profile would no longer be read at all.
    if (out.size() > MaxSize)
        return false;
    std::optional<FileStamp> written;
    if (out != content) {
        if (target.has_parent_path())
            std::filesystem::create_directories(target.parent_path(), ec);
        if (!ReplaceFileContent(targetPath, out, written))
            return false;
    }
    cachedDocument = std::move(document);
    cachedStamp = out != content ? written : std::optional(stamp);
    return true;
}

bool CProfileFile::WriteInt(std::string_view section, std::string_view key, int value)
{
    return WriteString(section, key, std::to_string(value));
}
