#include "app/CFileListing.h"

#include "app/CInvListBox.h"
#include "i18n/CoreTextTr.h"
#include "platform/CPathWalker.h"
#include "platform/OpenFailureCause.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QProgressDialog>
#include <QUrl>

#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int SliceMs = 30;
constexpr int ProgressDelayMs = 500;

// Thrown out of the folder search when the user cancels: nothing after it is looked at.
struct ListingCancelled {};

}  // namespace

CFileListing::CFileListing(QWidget* owner, CInvListBox& fileList, std::function<void()> yielding)
    : window(owner), list(fileList), beforeYielding(std::move(yielding))
{}

QString CFileListing::ProgressText(qsizetype files)
{
    // English has no catalogue: its singular is a text of its own.
    return files == 1 ? tr("Listing 1 file") : tr("Listing %Ln files", "", static_cast<int>(files));
}

QStringList CFileListing::DraggedPaths(const QMimeData* data)
{
    QStringList paths;
    if (data == nullptr || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}

CFileListing::Outcome CFileListing::ListFiles(const QStringList& files)
{
    return List(files, false);
}

CFileListing::Outcome CFileListing::ListFilesAndFolders(const QStringList& paths)
{
    return List(paths, true);
}

CFileListing::Outcome CFileListing::List(const QStringList& paths, bool searchFolders)
{
    QProgressDialog progress(window);
    progress.setWindowTitle(tr("Listing files"));
    progress.setAccessibleName(tr("Listing progress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    // Shown by the loop below, between two paths.
    progress.setMinimumDuration(std::numeric_limits<int>::max());
    // How many files a folder holds is known only when it has been searched.
    progress.setRange(0, searchFolders ? 0 : static_cast<int>(paths.size()));
    progress.setLabelText(ProgressText(searchFolders ? 0 : paths.size()));
    progress.setValue(0);

    Outcome outcome;
    std::vector<CInvListBox::Candidate> found;
    found.reserve(static_cast<std::size_t>(paths.size()));
    QElapsedTimer running;
    running.start();
    QElapsedTimer slice;
    slice.start();
    const auto take = [&](CInvListBox::Candidate candidate) {
        found.push_back(std::move(candidate));
        if (!slice.hasExpired(SliceMs))
            return;
        if (searchFolders)
            progress.setLabelText(ProgressText(static_cast<qsizetype>(found.size())));
        else
            progress.setValue(static_cast<int>(found.size()));
        if (!progress.isVisible() && running.hasExpired(ProgressDelayMs))
            progress.show();
        if (beforeYielding)
            std::exchange(beforeYielding, nullptr)();
        QCoreApplication::processEvents();
        slice.start();
        if (progress.wasCanceled())
            throw ListingCancelled{};
    };

    try {
        if (!searchFolders) {
            for (const QString& path : paths)
                take(CInvListBox::Identify(path));
        } else {
            std::vector<std::string> arguments;
            arguments.reserve(static_cast<std::size_t>(paths.size()));
            // Relative paths (from the command line) are listed as the full paths Open gives.
            for (const QString& path : paths)
                arguments.push_back(QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString());
            CPathWalker walker(
                true,
                [&](const std::string& path, const FolderEntry*) {
                    CInvListBox::Candidate candidate = CInvListBox::Identify(QFile::decodeName(path.c_str()));
                    // Only a file that exists is known by its device and inode.
                    if (std::holds_alternative<QString>(candidate.file))
                        outcome.problems << TranslateCoreText(CauseText(OpenFailureCause::FileNotFound, path));
                    else
                        take(std::move(candidate));
                },
                [&](const std::string&, const CoreText& message) { outcome.problems << TranslateCoreText(message); });
            walker.Walk(arguments);
        }
    } catch (const ListingCancelled&) {
        return {0, true, {}};
    }
    outcome.files = static_cast<qsizetype>(found.size());
    list.AddStrings(std::move(found));
    return outcome;
}
