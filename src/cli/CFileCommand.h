#pragma once

#include "CFilePrompt.h"
#include "CInputOrderGate.h"
#include "CJsonArrayWriter.h"
#include "CParallelRunner.h"

#include <cstddef>
#include <iosfwd>
#include <string>
#include <utility>

class CProgressLine;
class CTerminalPrompt;

// What info, set and undo share: a report on standard output, one line or JSON
// object per file in input order, a closing summary and the exit status.
class CFileCommand {
public:
    struct Output {
        std::ostream& stream;
        bool isTerminal;  // the progress line must be wiped before each report line
    };

    CFileCommand(const Output& out, bool json, CTerminalPrompt& terminal, CProgressLine& progress);
    CFileCommand(const CFileCommand&) = delete;
    CFileCommand& operator=(const CFileCommand&) = delete;
    virtual ~CFileCommand() = default;

    // Hands in the report of a path that could not be searched or taken.
    bool SubmitFailure(CParallelRunner& runner, const std::string& path, const std::string& message);

    // The report could not be written (a full disk, a closed pipe).
    bool OutputFailed() const;

    // Ends the report; returns the exit status.
    int Finish();

protected:
    // The most counts a command's summary has (undo's five statuses).
    static constexpr std::size_t MaxTallies = 5;

    // One file's report, made where the file was worked on.
    struct Result {
        std::string text;  // the report lines (each ending in a newline) or the JSON element
        std::size_t tally;  // which count of the summary it adds to (below MaxTallies)
        bool failed;  // counts for the exit status
    };

    // Work on one item, run on a worker thread beside other items with the
    // item's own prompt and its place in the input (with the runner's Gate(),
    // for steps in input order such as a COrderedJournal). Its result is
    // reported under path in input order. The work must own what it uses.
    // afterEarlier: the item touches a file an earlier item touches too, so
    // it starts only once every earlier item is done (it must see what they
    // wrote, and its record must follow theirs).
    template <typename ItemWork>
    bool SubmitWork(CParallelRunner& runner, const std::string& path, ItemWork&& work, bool afterEarlier = false)
    {
        return runner.Submit(
            [this, &runner, path, work = std::forward<ItemWork>(work), afterEarlier](std::size_t index) mutable {
                const PassWhenDone pass{finished, index};
                if (afterEarlier) {
                    finished.WaitTurn(index);
                }
                CFilePrompt prompt(terminal, runner.Gate(), index);
                Result result = work(prompt, index);
                // The work runs once: its report takes over the path rather than copy it.
                return [this, path = std::move(path), result = std::move(result)] { Emit(path, result); };
            });
    }

    virtual Result Failure(const std::string& path, const std::string& message) const = 0;
    virtual std::string Summary() const = 0;

    bool Json() const { return json; }
    std::size_t Tally(std::size_t which) const { return tallies[which]; }

private:
    // Marks an item done however its work ends.
    struct PassWhenDone {
        CInputOrderGate& gate;
        std::size_t index;
        ~PassWhenDone() { gate.Pass(index); }
    };

    void Emit(const std::string& path, const Result& result);

    CInputOrderGate finished;  // passed by each item once its work is done
    std::ostream& out;
    bool outIsTerminal;
    bool json;
    CJsonArrayWriter jsonWriter;
    CTerminalPrompt& terminal;
    CProgressLine& progress;
    std::size_t done = 0;
    std::size_t failed = 0;
    std::size_t tallies[MaxTallies] = {};
};
