#include "app/CHeaderSurvey.h"

#include "app/CInvListBox.h"
#include "wave/CChangeSummary.h"
#include "wave/CFormatReader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QProgressDialog>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr auto SliceTime = std::chrono::milliseconds(30);
constexpr int ProgressDelayMs = 500;
// Reads in flight at once: enough to keep a disk's queue busy.
constexpr int Readers = 8;

}  // namespace

CHeaderSurvey::CHeaderSurvey(QWidget* owner, const CInvListBox& list) : window(owner), files(list) {}

bool CHeaderSurvey::Run(CChangeSummary& summary)
{
    const int total = files.Count();
    std::vector<std::string> paths;
    paths.reserve(static_cast<std::size_t>(total));
    for (int i = 0; i < total; ++i)
        paths.push_back(QFile::encodeName(files.Text(i)).toStdString());

    std::vector<std::optional<WaveFormat>> formats(paths.size());
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable finished;
    int running = 0;
    {
        std::vector<std::jthread> readers;
        const auto read = [&] {
            CFormatReader reader;
            for (std::size_t i = next++; i < paths.size() && !stop; i = next++)
                formats[i] = reader.Read(paths[i]);
            const std::lock_guard lock(mutex);
            --running;
            finished.notify_one();
        };
        running = std::min(Readers, std::max(total, 1));
        for (int r = running; r > 0; --r)
            readers.emplace_back(read);

        QProgressDialog progress(window);
        progress.setWindowTitle(tr("Reading headers"));
        progress.setAccessibleName(tr("Reading headers"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setAutoReset(false);
        progress.setAutoClose(false);
        progress.setRange(0, total);
        progress.setMinimumDuration(std::numeric_limits<int>::max());
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            {
                std::unique_lock lock(mutex);
                if (finished.wait_for(lock, SliceTime, [&running] { return running == 0; }))
                    break;
            }
            if (waited.hasExpired(ProgressDelayMs)) {
                const int reached = static_cast<int>(std::min(next.load(), paths.size()));
                const QLocale locale;
                progress.setLabelText(tr("Reading headers: %1 of %Ln files", "", total).arg(locale.toString(reached)));
                progress.setValue(reached);
                progress.show();
            }
            QCoreApplication::processEvents();
            if (progress.wasCanceled()) {
                stop = true;
                return false;  // the readers are joined on the way out
            }
        }
    }
    for (const auto& format : formats)
        summary.Add(format);
    return true;
}
