#include "app/CHeaderSurvey.h"

#include "app/CInvListBox.h"
#include "wave/CChangeSummary.h"
#include "wave/CFormatReader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QProgressDialog>

#include <limits>

namespace {

constexpr int SliceMs = 30;
constexpr int ProgressDelayMs = 500;

} // namespace

CHeaderSurvey::CHeaderSurvey(QWidget* owner, const CInvListBox& list)
    : window(owner), files(list)
{
}

bool CHeaderSurvey::Run(CChangeSummary& summary)
{
    const int total = files.Count();
    QProgressDialog progress(window);
    progress.setWindowTitle(tr("Reading headers"));
    progress.setAccessibleName(tr("Reading headers"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setRange(0, total);
    progress.setMinimumDuration(std::numeric_limits<int>::max());

    CFormatReader reader;
    QElapsedTimer running;
    running.start();
    QElapsedTimer slice;
    slice.start();
    for (int i = 0; i < total; ++i) {
        summary.Add(reader.Read(QFile::encodeName(files.Text(i)).toStdString()));
        if (!slice.hasExpired(SliceMs))
            continue;
        if (running.hasExpired(ProgressDelayMs)) {
            const QLocale locale;
            progress.setLabelText(
                tr("Reading headers: %1 of %2 files").arg(locale.toString(i + 1), locale.toString(total)));
            progress.setValue(i + 1);
            progress.show();
        }
        QCoreApplication::processEvents();
        if (progress.wasCanceled())
            return false;
        slice.start();
    }
    return true;
}
