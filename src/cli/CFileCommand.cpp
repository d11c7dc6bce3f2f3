#include "CFileCommand.h"

#include "CProgressLine.h"
#include "CommandLine.h"

#include <ostream>

CFileCommand::CFileCommand(const Output& output, bool asJson, CTerminalPrompt& userPrompt,
                           CProgressLine& progressLine)
    : out(output.stream),
      outIsTerminal(output.isTerminal),
      json(asJson),
      jsonWriter(output.stream),
      prompt(userPrompt),
      progress(progressLine)
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
    BeforeOutput();
    out << line << '\n';
    AfterOutput();
}

void CFileCommand::WriteJson(const nlohmann::ordered_json& element)
{
    BeforeOutput();
    jsonWriter.Add(element);
    AfterOutput();
}

void CFileCommand::BeforeOutput()
{
    if (outIsTerminal) {
        progress.Clear();
    }
}

void CFileCommand::AfterOutput()
{
    // Keep the order of the two streams when they share a terminal.
    if (outIsTerminal && progress.Enabled()) {
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
