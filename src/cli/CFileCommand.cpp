#include "CFileCommand.h"

#include "CFilePrompt.h"
#include "CParallelRunner.h"
#include "CProgressLine.h"
#include "CommandLine.h"

#include <mutex>
#include <ostream>
#include <utility>

CFileCommand::CFileCommand(const Output& output, bool asJson, CTerminalPrompt& terminalPrompt,
                           CProgressLine& progressLine)
    : out(output.stream),
      outIsTerminal(output.isTerminal),
      json(asJson),
      jsonWriter(output.stream),
      terminal(terminalPrompt),
      progress(progressLine)
{}

bool CFileCommand::SubmitFailure(CParallelRunner& runner, const std::string& path, const std::string& message)
{
    return SubmitWork(runner, path,
                      [this, path, message](CFilePrompt&, std::size_t) { return Failure(path, message); });
}

void CFileCommand::Emit(const std::string& path, const Result& result)
{
    {
        // On a shared terminal a report line must not cut into a question or the progress line.
        std::unique_lock<std::mutex> terminalHold;
        if (outIsTerminal) {
            terminalHold = progress.Hold();
        }
        if (json) {
            jsonWriter.Add(result.text);
        } else {
            out << result.text;
        }
        if (outIsTerminal && progress.Enabled()) {
            out.flush();
        }
    }
    ++tallies[result.tally];
    ++done;
    if (result.failed) {
        ++failed;
    }
    progress.Update(done, failed, path);
}

bool CFileCommand::OutputFailed() const
{
    return !out;
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
    return failed == 0 && out ? ExitSuccess : ExitFileProblem;
}
