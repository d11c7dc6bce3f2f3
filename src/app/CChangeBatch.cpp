#include "app/CChangeBatch.h"

#include "app/CInvListBox.h"
#include "app/CRecordingPrompt.h"
#include "i18n/CoreTextTr.h"
#include "wave/CWaveFile.h"
#include "wave/ConfirmWritable.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QStringList>

#include <limits>
#include <string>
#include <vector>

namespace {

// A batch shows its progress once per slice of this many milliseconds, so that
// showing the walk costs little beside rewriting the files.
constexpr int BatchSliceMs = 30;
constexpr int ProgressDelayMs = 500;

std::string Local(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// What the engine told the user about one file, as one line.
QString Reasons(const std::vector<CoreText>& messages)
{
    QStringList lines;
    for (const CoreText& message : messages)
        lines << TranslateCoreText(message).simplified();
    return lines.join(QStringLiteral("; "));
}

// The reason for a file about which the engine said nothing.
QString SilentReason(const QString& path, const QString& otherwise)
{
    return QFileInfo::exists(path) ? otherwise : CChangeBatch::tr("the file does not exist");
}

}  // namespace

CChangeBatch::CChangeBatch(QWidget* owner, CInvListBox& list, CWaveFile& file, CRecordingPrompt& recorder,
                           std::function<void(int)> show)
    : window(owner), files(list), wave(file), filePrompt(recorder), showEntry(std::move(show))
{}

QString CChangeBatch::ProgressText(int done, int total)
{
    return tr("Changing headers: %1 of %Ln files", "", total).arg(QLocale().toString(done));
}

BatchReport CChangeBatch::Run(const HeaderChangeRequest& request)
{
    BatchReport report;
    report.total = files.Count();

    QProgressDialog shown(window);
    shown.setWindowTitle(tr("Changing headers"));
    shown.setAccessibleName(tr("Change progress"));
    shown.setWindowModality(Qt::WindowModal);
    shown.setAutoReset(false);
    shown.setAutoClose(false);
    shown.setRange(0, report.total);
    shown.setLabelText(ProgressText(0, report.total));
    // Shown by the loop between two files, never by the dialog's own timer,
    // which would put it over a question that is waiting for an answer.
    shown.setMinimumDuration(std::numeric_limits<int>::max());
    shown.setValue(0);
    progress = &shown;
    // A message or question about a file is shown with that file on display.
    filePrompt.SetBeforeShowing([this] {
        if (entry >= 0)
            ShowEntry(entry);
    });
    const auto done = qScopeGuard([this] {
        filePrompt.SetBeforeShowing({});
        filePrompt.StopRecording();
        entry = -1;
        progress = nullptr;
    });

    // The display follows the walk once per slice, not once per file: an
    // event-loop round trip per file would cost more than the rewrite itself.
    QElapsedTimer running;
    running.start();
    QElapsedTimer slice;
    int i = 0;
    for (; i < files.Count() && !shown.wasCanceled(); ++i) {
        const QString path = files.Text(i);
        entry = i;
        filePrompt.StartFile();
        wave.SetFileName(Local(path));
        if (!slice.isValid() || slice.hasExpired(BatchSliceMs)) {
            ShowEntry(i);
            if (!shown.isVisible() && running.hasExpired(ProgressDelayMs))
                shown.show();
            QCoreApplication::processEvents();
            slice.start();
            if (shown.wasCanceled())
                break;
        }
        // Without a freshly read header there are no values of this file to keep;
        // a chunk too short for them goes on so that the rewrite says why it is left alone.
        if (!wave.HeaderLoaded() && !wave.FmtChunkTooShort()) {
            const QString reason = filePrompt.Messages().empty()
                ? SilentReason(path, TranslateCoreText(NoFormatText(Local(path), wave.NotWave())))
                : Reasons(filePrompt.Messages());
            report.notChanged.push_back({path, BatchReport::Outcome::Failed, reason});
        } else if (wave.RewriteHeader(request)) {
            ++report.changed;
            // Said about a file that changed: a warning, such as an error reported when it was closed.
            if (!filePrompt.Messages().empty())
                report.warned.push_back({path, BatchReport::Outcome::Changed, Reasons(filePrompt.Messages())});
        } else if (filePrompt.DeclinedReadOnly()) {
            report.notChanged.push_back(
                {path, BatchReport::Outcome::Skipped, TranslateCoreText(WriteProtectedText(Local(path)))});
        } else {
            const QString reason = filePrompt.Messages().empty()
                ? SilentReason(path, tr("the header could not be rewritten"))
                : Reasons(filePrompt.Messages());
            report.notChanged.push_back({path, BatchReport::Outcome::Failed, reason});
        }
    }

    report.cancelled = i < files.Count();
    for (; i < files.Count(); ++i)
        report.notChanged.push_back(
            {files.Text(i), BatchReport::Outcome::Skipped, tr("not reached: Change was cancelled")});
    return report;
}

void CChangeBatch::ShowEntry(int index)
{
    showEntry(index);
    progress->setLabelText(ProgressText(index + 1, progress->maximum()));
    progress->setValue(index);
}
