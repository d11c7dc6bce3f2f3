#pragma once

#include "CFileCommand.h"

#include <cstddef>

// quelbrook-cli info: the format fields, the Broadcast Wave time reference
// and the Pro Tools regions of each file, positions also as timecode.
class CInfoCommand : public CFileCommand {
public:
    using CFileCommand::CFileCommand;

    void Process(const std::string& path, const FolderEntry* entry) override;
    void ReportFolderFailure(const std::string& path, const std::string& message) override;

private:
    void ReportFailure(const std::string& path, const std::string& message);
    std::string Summary() const override;

    std::size_t readCount = 0;
    std::size_t failedCount = 0;
};
