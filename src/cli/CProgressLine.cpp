#include "CProgressLine.h"

#include "FileReport.h"

#include "wave/ConfirmWritable.h"

#include <ostream>

namespace {

constexpr auto RedrawInterval = std::chrono::milliseconds(100);
constexpr const char* WipeLine = "\r\033[K";
constexpr std::size_t PathWidth = 48;

}  // namespace

CProgressLine::CProgressLine(std::ostream& errStream, bool isEnabled, std::chrono::milliseconds delay)
    : err(errStream), enabled(isEnabled), start(Clock::now()), nextDraw(start + delay)
{}

void CProgressLine::Update(std::size_t done, std::size_t failed, const std::string& lastPath)
{
    if (!enabled) {
        return;
    }
    const auto now = Clock::now();
    if (now < nextDraw) {
        return;
    }
    const std::lock_guard lock(terminal);
    nextDraw = now + RedrawInterval;
    // One write per redraw: standard error is unbuffered.
    std::string line = WipeLine;
    line += std::to_string(done) + (done == 1 ? " file" : " files");
    if (failed > 0) {
        line += ", " + std::to_string(failed) + " not changed";
    }
    line += " ... " + EscapeControls(ShortenMiddle(lastPath, PathWidth));
    err << line << std::flush;
    visible = true;
}

void CProgressLine::Clear()
{
    const std::lock_guard lock(terminal);
    ClearLocked();
}

std::unique_lock<std::mutex> CProgressLine::Hold()
{
    std::unique_lock lock(terminal);
    ClearLocked();
    return lock;
}

void CProgressLine::ClearLocked()
{
    if (visible) {
        err << WipeLine << std::flush;
        visible = false;
    }
}
