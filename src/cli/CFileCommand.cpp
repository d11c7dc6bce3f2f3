#include "CFileCommand.h"

#include "CProgressLine.h"
#include "CommandLine.h"

#include <ostream>

CFileCommand::CFileCommand(std::ostream& output, bool asJson, CTerminalPrompt& userPrompt,
                           CProgressLine& progressLine)
    : out(output), json(asJson), jsonWriter(output), prompt(userPrompt), progress(progressLine)
{
}

void CFileCommand::Count(const std::string& path, bool fileFailed)
{
    ++done;
    if (fileFailed) {
        ++failed;
    }
    progress.Update(done, failed, path);
}

void CFileCommand::WriteLine(const std::string& line)
{
    progress.Clear();
    out << line << '\n';
    // Keep the order of the two streams when they share a terminal.
    if (progress.Enabled()) {
        out.flush();
    }
}

void CFileCommand::WriteJson(const nlohmann::ordered_json& element)
{
    progress.Clear();
    jsonWriter.Add(element);
    if (progress.Enabled()) {
        out.flush();
    }
}

int CFileCommand::Finish()
{
    progress.Clear();
    if (json) {
        jsonWriter.Close();
    } else {
        out << Summary() << '\n';
    }
    out.flush();
    return failed == 0 ? ExitSuccess : ExitFileProblem;
}
