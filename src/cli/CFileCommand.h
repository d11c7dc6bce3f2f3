#pragma once

#include "CJsonArrayWriter.h"

#include "platform/CFile.h"

#include <cstddef>
#include <iosfwd>
#include <string>

class CProgressLine;
class CTerminalPrompt;

// What info and set share: a report on standard output, one line or JSON
// object per file, a closing summary and the exit status.
class CFileCommand {
public:
    struct Output {
        std::ostream& stream;
        bool isTerminal;  // the progress line must be wiped before each report line
    };

    CFileCommand(const Output& out, bool json, CTerminalPrompt& prompt, CProgressLine& progress);
    CFileCommand(const CFileCommand&) = delete;
    CFileCommand& operator=(const CFileCommand&) = delete;
    virtual ~CFileCommand() = default;

    // Works on one file and reports it; entry says where a file found by a
    // folder search is to be opened (nullptr: by its path).
    virtual void Process(const std::string& path, const FolderEntry* entry) = 0;
    // Reports a folder that could not be searched.
    virtual void ReportFolderFailure(const std::string& path, const std::string& message) = 0;

    // Ends the report; returns the exit status.
    int Finish();

protected:
    // A finished file; failed counts for the exit status.
    void Count(const std::string& path, bool failed);
    // One line of the human report, or one element of the JSON one.
    void WriteLine(const std::string& line);
    void WriteJson(const nlohmann::ordered_json& element);
    virtual std::string Summary() const = 0;

    bool Json() const { return json; }
    CTerminalPrompt& Prompt() { return prompt; }

private:
    void BeforeOutput();
    void AfterOutput();

    std::ostream& out;
    bool outIsTerminal;
    bool json;
    CJsonArrayWriter jsonWriter;
    CTerminalPrompt& prompt;
    CProgressLine& progress;
    std::size_t done = 0;
    std::size_t failed = 0;
};
