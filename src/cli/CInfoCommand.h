#pragma once

#include "CPathCommand.h"

struct RegionPreview;

// quelbrook-cli info: the format fields, the Broadcast Wave time reference
// and the Pro Tools regions of each file, positions also as timecode.
class CInfoCommand : public CPathCommand {
public:
    using CPathCommand::CPathCommand;

private:
    enum Count : std::size_t { Read, Failed };

    Result Process(const std::string& path, const FolderEntry* entry, CFilePrompt& prompt, CInputOrderGate& gate,
                   std::size_t index) const override;
    Result Failure(const std::string& path, const std::string& message) const override;
    // A file without a usable format: the failure, and the time reference
    // and regions as far as they could be read.
    Result PartialRead(const std::string& path, const std::string& message, const RegionPreview& preview) const;
    std::string Summary() const override;
};
