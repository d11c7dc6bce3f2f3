#include "app/CBatchEditorDlg.h"

#include "app/CAboutDlg.h"
#include "app/CBatchEditorApp.h"
#include "app/CDialogUnits.h"
#include "app/CInvListBox.h"
#include "app/CMessageBoxPrompt.h"
#include "app/CPathLabel.h"
#include "platform/CPathWalker.h"
#include "controls/CHoverBitmapButton.h"
#include "journal/CBatchUndo.h"
#include "journal/CJournalFolder.h"
#include "journal/CJournalReader.h"
#include "journal/CJournalWriter.h"
#include "opendlg/CXDlg2.h"
#include "opendlg/FolderOfPath.h"
#include "platform/CProfileFile.h"
#include "platform/OpenFailureCause.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QShortcut>
#include <QUrl>

#include "Version.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>
#include <limits>

namespace {

constexpr std::array<std::uint32_t, 10> RateValues{8000, 11025, 16000, 22050, 32000,
                                                   44100, 48000, 88200, 96000, 192000};
constexpr std::array<std::uint16_t, 3> ResolutionValues{8, 16, 24};
constexpr int ChannelItems = 2;
constexpr int ByteItems = 4;

// A batch shows its progress once per slice of this many milliseconds, so that
// showing the walk costs little beside rewriting the files.
constexpr int BatchSliceMs = 30;
constexpr int ProgressDelayMs = 500;

constexpr const char* ProfileSection = "Folders";
constexpr const char* ProfileStartFolder = "OpenDefault";

std::string LocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// What the engine told the user about one file, as one line.
QString Reasons(const std::vector<std::string>& messages)
{
    QStringList lines;
    for (const std::string& message : messages)
        lines << QString::fromStdString(message).simplified();
    return lines.join(QStringLiteral("; "));
}

// The reason for a file about which the engine said nothing.
QString SilentReason(const QString& path, const QString& otherwise)
{
    return QFileInfo::exists(path) ? otherwise : QStringLiteral("the file does not exist");
}

QString ProgressText(int done, int total)
{
    const QLocale locale;
    return QStringLiteral("Changing headers: %1 of %2 files").arg(locale.toString(done), locale.toString(total));
}

// Position of value in values, or the position after the last item ("undefined").
template <typename Values, typename Value>
int ItemOf(const Values& values, Value value)
{
    const auto found = std::find(values.begin(), values.end(), value);
    return static_cast<int>(std::distance(values.begin(), found));
}

// Places a widget whose natural height differs from the template's in the
// vertical middle of the template rectangle.
void PlaceCentred(QWidget* widget, const QRect& rect)
{
    const int height = widget->sizeHint().height();
    if (height <= rect.height()) {
        widget->setGeometry(rect);
        return;
    }
    widget->setGeometry(rect.x(), rect.center().y() - height / 2, rect.width(), height);
}

// The local files and folders a drag carries; anything else makes the whole drag unwelcome.
QStringList DraggedPaths(const QMimeData* data)
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

} // namespace

const QString CBatchEditorDlg::PromptText = QStringLiteral("[Press the Open button to select sound files]");

const QString CBatchEditorDlg::ChangeConfirmation = QStringLiteral(
    "Warning!  Changing the header info can affect the ability for an application to play the WAV file.\n\n"
    "All files will be changed to the settings currently displayed (and selected for change)!\n\n"
    "Note - the data will not be changed, just the header information.\n\n"
    "\t\t\t\tContinue?");

CBatchEditorDlg::CBatchEditorDlg(CProfileFile& settings, CMessageBoxPrompt& messages, QWidget* parent)
    : QDialog(parent)
    , profile(settings)
    , prompt(messages)
    , filePrompt(prompt)
    , wave(filePrompt)
{
    setWindowTitle(QStringLiteral("Quelbrook"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(CBatchEditorApp::AppIcon());
    setAcceptDrops(true);

    openDialogRunner = [this](const QString& startFolder) -> std::optional<QStringList> {
        CXDlg2 dialog(profile, prompt, this);
        if (!startFolder.isEmpty())
            dialog.setDirectory(startFolder);
        dialog.setWindowTitle(QStringLiteral("Select Sound Files"));
        dialog.SetOkButtonText(QStringLiteral("Select"));
        if (dialog.RunModal() != 1)
            return std::nullopt;
        return dialog.ChosenPaths();
    };

    CreateControls();

    themeHelper.Initialize(this);
    clearAllButton->AttachAndLoad(themeHelper);
    setAllButton->AttachAndLoad(themeHelper);

    SetAllFlags(true);
    FillSelectors();

    undoAction = new QAction(QStringLiteral("&Undo Last Change"), this);
    undoAction->setObjectName(QStringLiteral("undoLastChangeAction"));
    connect(undoAction, &QAction::triggered, this, &CBatchEditorDlg::HandleUndoLastChange);
    UpdateUndoAction();

    helpShortcut = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(helpShortcut, &QShortcut::activated, this, &CBatchEditorDlg::ShowAbout);

    // A message or question about a file of a running batch is shown with that file on display.
    filePrompt.SetBeforeShowing([this] {
        if (batchRunning && batchEntry >= 0)
            ShowBatchEntry(batchEntry);
    });

    openButton->setFocus();
}

CBatchEditorDlg::~CBatchEditorDlg() = default;

void CBatchEditorDlg::SetOpenDialogRunner(OpenDialogRunner runner)
{
    openDialogRunner = std::move(runner);
}

void CBatchEditorDlg::CreateControls()
{
    const CDialogUnits units(font());
    setFixedSize(units.Size(320, 241));

    // Created in the tab order of the window; frames and lines go below the rest.
    changeButton = new QPushButton(QStringLiteral("Change"), this);
    changeButton->setObjectName(QStringLiteral("changeButton"));
    changeButton->setGeometry(units.Rect(102, 218, 50, 16));
    changeButton->setDefault(true);
    changeButton->setEnabled(false);
    connect(changeButton, &QPushButton::clicked, this, &CBatchEditorDlg::HandleChange);

    openButton = new QPushButton(QStringLiteral("&Open..."), this);
    openButton->setObjectName(QStringLiteral("openButton"));
    openButton->setGeometry(units.Rect(25, 12, 50, 14));
    connect(openButton, &QPushButton::clicked, this, &CBatchEditorDlg::HandleOpen);

    pathStatic = new CPathLabel(PromptText, this);
    pathStatic->setObjectName(QStringLiteral("pathStatic"));
    pathStatic->setGeometry(units.Rect(87, 15, 207, 11));

    auto* formatGroup = new QGroupBox(this);
    formatGroup->setGeometry(units.Rect(14, 29, 291, 81));

    static constexpr std::array<int, RowCount> selectorTop{41, 57, 73, 90};
    static constexpr std::array<const char*, RowCount> selectorNames{"rateSelector", "channelSelector",
                                                                      "resolutionSelector", "byteSelector"};
    for (int row = 0; row < RowCount; ++row) {
        auto* selector = new QComboBox(this);
        const auto index = static_cast<std::size_t>(row);
        selector->setObjectName(QString::fromLatin1(selectorNames[index]));
        PlaceCentred(selector, units.Rect(88, selectorTop[index], 53, 12));
        connect(selector, &QComboBox::activated, this, &CBatchEditorDlg::UpdateChangeButton);
        selectors[index] = selector;
    }

    // Check boxes in template order: rate, channels, resolution, bytes.
    static constexpr std::array<int, RowCount> checkTop{42, 59, 75, 91};
    static constexpr std::array<const char*, RowCount> checkNames{"rateCheck", "channelCheck", "resolutionCheck",
                                                                   "byteCheck"};
    // All four read "Change"; a screen reader needs to tell them apart.
    static constexpr std::array<const char*, RowCount> checkSpokenNames{
        "Change sample rate", "Change number of channels", "Change resolution", "Change bytes per sample"};
    for (int row = 0; row < RowCount; ++row) {
        const auto index = static_cast<std::size_t>(row);
        auto* check = new QCheckBox(QStringLiteral("Change"), this);
        check->setObjectName(QString::fromLatin1(checkNames[index]));
        check->setAccessibleName(QString::fromLatin1(checkSpokenNames[index]));
        PlaceCentred(check, units.Rect(214, checkTop[index], 46, 10));
        connect(check, &QCheckBox::clicked, this, [this, row] { HandleToggleFlag(static_cast<Row>(row)); });
        checks[index] = check;
    }

    clearAllButton = new CHoverBitmapButton(QStringLiteral("FXCLRA"), this);
    clearAllButton->setObjectName(QStringLiteral("clearAllButton"));
    clearAllButton->move(units.X(274), units.Y(41));
    // The caption names the pictures; people get words.
    clearAllButton->setAccessibleName(QStringLiteral("Clear all Change boxes"));
    clearAllButton->setToolTip(clearAllButton->accessibleName());
    connect(clearAllButton, &QPushButton::clicked, this, &CBatchEditorDlg::HandleClearAll);

    setAllButton = new CHoverBitmapButton(QStringLiteral("FXSTA"), this);
    setAllButton->setObjectName(QStringLiteral("setAllButton"));
    setAllButton->move(units.X(274), units.Y(78));
    setAllButton->setAccessibleName(QStringLiteral("Set all Change boxes"));
    setAllButton->setToolTip(setAllButton->accessibleName());
    connect(setAllButton, &QPushButton::clicked, this, &CBatchEditorDlg::HandleSetAll);

    fileList = new CInvListBox(this);
    fileList->setObjectName(QStringLiteral("fileList"));
    fileList->setGeometry(units.Rect(27, 125, 264, 75));
    fileList->setAccessibleName(QStringLiteral("Selected files"));
    connect(fileList, &CInvListBox::SelectionChanged, this, &CBatchEditorDlg::HandleFileSelected);
    connect(fileList, &CInvListBox::FileListChanged, this, &CBatchEditorDlg::UpdateChangeButton);
    fileList->installEventFilter(this);
    fileList->viewport()->installEventFilter(this);

    quitButton = new QPushButton(QStringLiteral("Quit"), this);
    quitButton->setObjectName(QStringLiteral("quitButton"));
    quitButton->setGeometry(units.Rect(168, 218, 50, 16));
    connect(quitButton, &QPushButton::clicked, this, &CBatchEditorDlg::HandleQuit);

    static constexpr std::array<const char*, RowCount> labels{"Sample Rate:", "No. Channels:", "Resolution:",
                                                              "Bits per sample:"};
    std::array<QLabel*, RowCount> rowLabels{};
    for (std::size_t row = 0; row < labels.size(); ++row) {
        rowLabels[row] = new QLabel(QString::fromLatin1(labels[row]), this);
        rowLabels[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Names the selector for assistive technology.
        rowLabels[row]->setBuddy(selectors[row]);
    }

    auto* filesGroup = new QGroupBox(QStringLiteral(" Selected Files "), this);
    filesGroup->setGeometry(units.Rect(14, 112, 291, 97));

    auto* hertz = new QLabel(QStringLiteral("Hz"), this);
    PlaceCentred(hertz, units.Rect(147, 43, 9, 8));
    hertz->adjustSize();
    auto* bit = new QLabel(QStringLiteral("bit"), this);
    PlaceCentred(bit, units.Rect(147, 76, 9, 8));
    bit->adjustSize();

    static constexpr std::array<std::array<int, 3>, 4> lines{{{154, 64, 49}, {164, 80, 39}, {155, 95, 48}, {164, 47, 39}}};
    for (const auto& line : lines) {
        auto* etched = new QFrame(this);
        etched->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        etched->setGeometry(units.X(line[0]), units.Y(line[1]), units.X(line[2]), 2);
        etched->lower();
    }
    filesGroup->lower();
    formatGroup->lower();

    // Row labels wider than the template's first column (fonts differ from
    // platform to platform) widen that column rather than reach into the
    // frame: what lies right of it moves over, the frames and the window grow.
    int labelWidth = units.X(53);
    for (const QLabel* label : rowLabels)
        labelWidth = std::max(labelWidth, label->sizeHint().width());
    if (const int extra = labelWidth - units.X(53); extra > 0) {
        const int columnEnd = units.X(19 + 53);
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child == formatGroup || child == filesGroup || child == fileList)
                child->resize(child->width() + extra, child->height());
            else if (child->x() >= columnEnd)
                child->move(child->x() + extra, child->y());
        }
        setFixedSize(width() + extra, height());
    }
    static constexpr std::array<int, RowCount> labelTop{43, 60, 76, 92};
    for (std::size_t row = 0; row < RowCount; ++row) {
        const QRect cell = units.Rect(19, labelTop[row], 53, 8);
        PlaceCentred(rowLabels[row], QRect(cell.topLeft(), QSize(labelWidth, cell.height())));
    }
}

void CBatchEditorDlg::FillSelectors()
{
    selectors[RateRow]->addItems({QStringLiteral("8,000"), QStringLiteral("11,025"), QStringLiteral("16,000"),
                                  QStringLiteral("22,050"), QStringLiteral("32,000"), QStringLiteral("44,100"),
                                  QStringLiteral("48,000"), QStringLiteral("88,200"), QStringLiteral("96,000"),
                                  QStringLiteral("192,000"), QStringLiteral("undefined")});
    selectors[ChannelsRow]->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("undefined")});
    selectors[ResolutionRow]->addItems(
        {QStringLiteral("8"), QStringLiteral("16"), QStringLiteral("24"), QStringLiteral("undefined")});
    selectors[BytesRow]->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                   QStringLiteral("4"), QStringLiteral("undefined")});
    // Nothing is shown until the first file has been read.
    for (QComboBox* selector : selectors)
        selector->setCurrentIndex(-1);
}

void CBatchEditorDlg::HandleOpen()
{
    const QString startFolder =
        QFile::decodeName(profile.GetString(ProfileSection, ProfileStartFolder).c_str());
    ListChosenFiles(openDialogRunner(startFolder).value_or(QStringList()));
}

void CBatchEditorDlg::AddFilesAndFolders(const QStringList& paths)
{
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(paths.size()));
    // Relative paths (from the command line) are listed as the full paths Open gives.
    for (const QString& path : paths)
        arguments.push_back(LocalPath(QFileInfo(path).absoluteFilePath()));

    QStringList files;
    QStringList problems;
    CPathWalker walker(
        true,
        [&](const std::string& path, const FolderEntry*) {
            const QString file = QFile::decodeName(path.c_str());
            if (QFileInfo::exists(file))
                files << file;
            else
                problems << QString::fromStdString(CauseText(OpenFailureCause::FileNotFound, path));
        },
        [&](const std::string&, const std::string& message) { problems << QString::fromStdString(message); });
    walker.Walk(arguments);
    if (!files.isEmpty())
        ListChosenFiles(files);
    if (!problems.isEmpty())
        prompt.ShowMessage(problems.join(QLatin1Char('\n')).toStdString());
}

void CBatchEditorDlg::ListChosenFiles(const QStringList& chosen)
{
    for (const QString& path : chosen)
        fileList->AddString(path);

    fileLoaded = fileList->Count() > 0;
    if (fileLoaded) {
        currentPath = fileList->Text(0);
        profile.WriteString(ProfileSection, ProfileStartFolder, StoredFolderOfPath(LocalPath(currentPath)));
        ShowCurrentFile();
    } else if (currentPath.isEmpty()) {
        currentPath = PromptText;
    }
    ShowPathText();
    UpdateChangeButton();
}

void CBatchEditorDlg::ShowCurrentFile()
{
    wave.SetFileName(LocalPath(currentPath));
    ShowFormat();
}

void CBatchEditorDlg::ShowFormat()
{
    // Values the last load could not read belong to no file: none of them is shown.
    if (!wave.HeaderLoaded()) {
        for (QComboBox* selector : selectors)
            selector->setCurrentIndex(selector->count() - 1);
        return;
    }
    const WaveFormat& format = wave.Format();

    selectors[RateRow]->setCurrentIndex(ItemOf(RateValues, format.sampleRate));
    selectors[ChannelsRow]->setCurrentIndex(format.channels == 1 || format.channels == 2 ? format.channels - 1
                                                                                         : ChannelItems);
    selectors[ResolutionRow]->setCurrentIndex(ItemOf(ResolutionValues, format.bitsPerSample));
    // A file may name zero channels: its bytes per sample are undefined then.
    const int bytes = format.channels == 0 ? 0 : format.blockAlign / format.channels;
    selectors[BytesRow]->setCurrentIndex(bytes >= 1 && bytes <= ByteItems ? bytes - 1 : ByteItems);
}

void CBatchEditorDlg::ShowPathText()
{
    const bool unreadable = wave.HasFileName() && !wave.HeaderLoaded();
    pathStatic->setText(unreadable ? QStringLiteral("%1 (header could not be read)").arg(currentPath) : currentPath);
}

void CBatchEditorDlg::UpdateChangeButton()
{
    bool enable = !batchRunning && fileList->Count() > 0;
    bool anyFlag = false;
    for (std::size_t row = 0; row < RowCount; ++row) {
        if (!changeFlags[row])
            continue;
        anyFlag = true;
        const QComboBox* selector = selectors[row];
        if (selector->currentIndex() == selector->count() - 1)
            enable = false;
    }
    changeButton->setEnabled(enable && anyFlag);
}

void CBatchEditorDlg::HandleFileSelected()
{
    // A running batch owns the shown file: reading another now would redirect its rewrite.
    const int selected = fileList->CurrentSelection();
    if (selected < 0 || batchRunning)
        return;
    currentPath = fileList->Text(selected);
    ShowCurrentFile();
    ShowPathText();
    UpdateChangeButton();
}

void CBatchEditorDlg::HandleToggleFlag(Row row)
{
    const auto index = static_cast<std::size_t>(row);
    changeFlags[index] = !changeFlags[index];
    selectors[index]->setEnabled(changeFlags[index]);
    UpdateChangeButton();
}

void CBatchEditorDlg::SetAllFlags(bool on)
{
    for (std::size_t row = 0; row < RowCount; ++row) {
        changeFlags[row] = on;
        checks[row]->setChecked(on);
        selectors[row]->setEnabled(on);
    }
}

void CBatchEditorDlg::HandleClearAll()
{
    SetAllFlags(false);
    UpdateChangeButton();
}

void CBatchEditorDlg::HandleSetAll()
{
    SetAllFlags(true);
    UpdateChangeButton();
}

HeaderChangeRequest CBatchEditorDlg::BuildChangeRequest() const
{
    const WaveFormat& shown = wave.Format();
    HeaderChangeRequest request;
    request.sampleRate = shown.sampleRate;
    request.channels = shown.channels;
    request.bitsPerSample = shown.bitsPerSample;
    request.blockAlign = shown.blockAlign;

    const int rate = selectors[RateRow]->currentIndex();
    if (rate >= 0 && rate < static_cast<int>(RateValues.size()))
        request.sampleRate = RateValues[static_cast<std::size_t>(rate)];
    const int channels = selectors[ChannelsRow]->currentIndex();
    if (channels >= 0 && channels < ChannelItems)
        request.channels = static_cast<std::uint16_t>(channels + 1);
    const int resolution = selectors[ResolutionRow]->currentIndex();
    if (resolution >= 0 && resolution < static_cast<int>(ResolutionValues.size()))
        request.bitsPerSample = ResolutionValues[static_cast<std::size_t>(resolution)];
    // Bytes per sample of one channel times the channel count settled above.
    const int bytes = selectors[BytesRow]->currentIndex();
    if (bytes >= 0 && bytes < ByteItems)
        request.blockAlign = static_cast<std::uint16_t>((bytes + 1) * request.channels);

    request.changeSampleRate = changeFlags[RateRow];
    request.changeChannels = changeFlags[ChannelsRow];
    request.changeBitsPerSample = changeFlags[ResolutionRow];
    request.changeBlockAlign = changeFlags[BytesRow];
    return request;
}

void CBatchEditorDlg::HandleChange()
{
    // A press that still reaches the button during a batch (a script, an
    // assistive tool) must not start a second batch inside the first.
    if (batchRunning || !prompt.AskYesNo(ChangeConfirmation))
        return;
    const HeaderChangeRequest request = BuildChangeRequest();
    CJournalWriter journal;
    if (!BeginBatch(journal, {}))
        return;
    wave.SetJournal(&journal);
    const auto endBatch = qScopeGuard([this, &journal] {
        wave.SetJournal(nullptr);
        EndBatch(journal);
    });

    const QPointer<QWidget> focused = focusWidget();
    SetBatchRunning(true);
    const BatchReport report = RunBatch(request);
    // Input that came in during the batch reaches the disabled controls now
    // instead of being acted on once they are enabled again.
    QCoreApplication::processEvents();
    SetBatchRunning(false);
    if (focused)
        focused->setFocus();

    if (fileList->Count() > 0) {
        fileList->SetCurrentSelection(0);
        HandleFileSelected();
    }
    QApplication::beep();
    if (report.notChanged.empty() && report.warned.empty()) {
        const QString changed = report.changed == 1
            ? QStringLiteral("1 file changed")
            : QStringLiteral("%1 files changed").arg(QLocale().toString(report.changed));
        pathStatic->setText(changed);
    } else if (prompt.ShowBatchReport(report)) {
        KeepOnly(report);
    }
}

BatchReport CBatchEditorDlg::RunBatch(const HeaderChangeRequest& request)
{
    BatchReport report;
    report.total = fileList->Count();

    QProgressDialog progress(this);
    progress.setWindowTitle(QStringLiteral("Changing headers"));
    progress.setAccessibleName(QStringLiteral("Change progress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setRange(0, report.total);
    progress.setLabelText(ProgressText(0, report.total));
    // Shown by the loop between two files, never by the dialog's own timer,
    // which would put it over a question that is waiting for an answer.
    progress.setMinimumDuration(std::numeric_limits<int>::max());
    progress.setValue(0);
    batchProgress = &progress;

    // The display follows the walk once per slice, not once per file: an
    // event-loop round trip per file would cost more than the rewrite itself.
    QElapsedTimer running;
    running.start();
    QElapsedTimer slice;
    int i = 0;
    for (; i < fileList->Count() && !progress.wasCanceled(); ++i) {
        const QString path = fileList->Text(i);
        batchEntry = i;
        filePrompt.StartFile();
        wave.SetFileName(LocalPath(path));
        if (!slice.isValid() || slice.hasExpired(BatchSliceMs)) {
            ShowBatchEntry(i);
            if (!progress.isVisible() && running.hasExpired(ProgressDelayMs))
                progress.show();
            QCoreApplication::processEvents();
            slice.start();
            if (progress.wasCanceled())
                break;
        }
        // Without a freshly read header there are no values of this file to keep;
        // a chunk too short for them goes on so that the rewrite says why it is left alone.
        if (!wave.HeaderLoaded() && !wave.FmtChunkTooShort()) {
            const QString reason = filePrompt.Messages().empty()
                ? SilentReason(path, QStringLiteral("no complete \"fmt \" chunk"))
                : Reasons(filePrompt.Messages());
            report.notChanged.push_back({path, BatchReport::Outcome::Failed, reason});
        } else if (wave.RewriteHeader(request)) {
            ++report.changed;
            // Said about a file that changed: a warning, such as an error reported when it was closed.
            if (!filePrompt.Messages().empty())
                report.warned.push_back({path, BatchReport::Outcome::Changed, Reasons(filePrompt.Messages())});
        } else if (filePrompt.ReadOnlyDeclined()) {
            report.notChanged.push_back({path, BatchReport::Outcome::Skipped,
                                         QStringLiteral("Cancel was answered to the write-protect question")});
        } else {
            const QString reason = filePrompt.Messages().empty()
                ? SilentReason(path, QStringLiteral("the header could not be rewritten"))
                : Reasons(filePrompt.Messages());
            report.notChanged.push_back({path, BatchReport::Outcome::Failed, reason});
        }
    }
    filePrompt.StopRecording();
    batchEntry = -1;
    batchProgress = nullptr;

    report.cancelled = i < fileList->Count();
    for (; i < fileList->Count(); ++i)
        report.notChanged.push_back({fileList->Text(i), BatchReport::Outcome::Skipped,
                                     QStringLiteral("not reached: Change was cancelled")});
    return report;
}

void CBatchEditorDlg::ShowBatchEntry(int index)
{
    // The file was just read by the batch: show what was read, without reading it again.
    fileList->SetCurrentSelection(index);
    currentPath = fileList->Text(index);
    ShowFormat();
    ShowPathText();
    batchProgress->setLabelText(ProgressText(index + 1, batchProgress->maximum()));
    batchProgress->setValue(index);
}

void CBatchEditorDlg::SetBatchRunning(bool running)
{
    batchRunning = running;
    openButton->setEnabled(!running);
    quitButton->setEnabled(!running);
    clearAllButton->setEnabled(!running);
    setAllButton->setEnabled(!running);
    helpShortcut->setEnabled(!running);
    for (std::size_t row = 0; row < RowCount; ++row) {
        checks[row]->setEnabled(!running);
        selectors[row]->setEnabled(!running && changeFlags[row]);
    }
    UpdateChangeButton();
}

void CBatchEditorDlg::KeepOnly(const BatchReport& report)
{
    QSet<QString> kept;
    for (const BatchReport::Entry& entry : report.notChanged)
        kept.insert(entry.path);
    for (int i = fileList->Count() - 1; i >= 0; --i) {
        if (!kept.contains(fileList->Text(i)))
            fileList->DeleteString(i);
    }
    if (fileList->Count() > 0) {
        fileList->SetCurrentSelection(0);
        HandleFileSelected();
    }
    UpdateChangeButton();
}

void CBatchEditorDlg::HandleQuit()
{
    if (batchRunning)
        return;
    quitRequested = true;
    reject();
}

void CBatchEditorDlg::reject()
{
    if (quitRequested)
        QDialog::reject();
}

void CBatchEditorDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CBatchEditorDlg::closeEvent(QCloseEvent* event)
{
    // The files being rewritten are finished first.
    if (batchRunning) {
        event->ignore();
        return;
    }
    HandleQuit();
    event->accept();
}

void CBatchEditorDlg::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    UpdateUndoAction();
    menu.addAction(undoAction);
    // Every item, whenever added, waits while a batch runs.
    connect(&menu, &QMenu::aboutToShow, &menu, [this, &menu] {
        if (batchRunning) {
            for (QAction* action : menu.actions())
                action->setEnabled(false);
        }
    });
    menu.addAction(QStringLiteral("&About Quelbrook..."), this, &CBatchEditorDlg::ShowAbout);
    menu.exec(event->globalPos());
}

void CBatchEditorDlg::dragEnterEvent(QDragEnterEvent* event)
{
    // Not while files are being rewritten: the list is being walked.
    if (!batchRunning && !DraggedPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CBatchEditorDlg::dropEvent(QDropEvent* event)
{
    const QStringList paths = DraggedPaths(event->mimeData());
    if (batchRunning || paths.isEmpty())
        return;
    event->acceptProposedAction();
    // Queued: the file manager that dragged them waits for the drop to end,
    // and a long folder search or a message box must not hold it up.
    QMetaObject::invokeMethod(this, [this, paths] { AddFilesAndFolders(paths); }, Qt::QueuedConnection);
}

bool CBatchEditorDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The list walks with the batch; clicks and keys (Delete) are dropped meanwhile.
    if (batchRunning && (watched == fileList || watched == fileList->viewport())) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CBatchEditorDlg::ShowAbout()
{
    CAboutDlg about(prompt, this);
    about.exec();
}

QString CBatchEditorDlg::UndoConfirmation(std::size_t files)
{
    return QStringLiteral("Undo the last Change to %1?\n\n"
                          "Each file gets back the header it had before, unless it has been changed since.")
        .arg(files == 1 ? QStringLiteral("1 file") : QStringLiteral("%1 files").arg(files));
}

bool CBatchEditorDlg::BeginBatch(CJournalWriter& journal, const std::string& undoes)
{
    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments())
        arguments.push_back(argument.toStdString());
    const JournalHeader header{JournalFormatVersion, JournalTimeNow(), DesktopProgramName, QuelbrookVersion,
                               std::move(arguments), undoes};
    std::string failure;
    if (CJournalFolder().CreateBatch(journal, header, failure))
        return true;
    prompt.ShowMessage(failure + ". No file was changed.");
    return false;
}

void CBatchEditorDlg::EndBatch(CJournalWriter& journal)
{
    if (!journal.Finish())
        prompt.ShowMessage(journal.Failure() + ". The change may not be undone completely.");
    UpdateUndoAction();
}

void CBatchEditorDlg::UpdateUndoAction()
{
    const auto newest = CJournalFolder().NewestBatch();
    CJournalReader batch;
    undoAction->setEnabled(newest && batch.Open(*newest) && batch.Header().program == DesktopProgramName
                           && batch.Header().undoes.empty());
}

void CBatchEditorDlg::HandleUndoLastChange()
{
    UpdateUndoAction();
    const auto newest = CJournalFolder().NewestBatch();
    CJournalReader batch;
    if (!undoAction->isEnabled() || !newest || !batch.Open(*newest))
        return;
    if (!prompt.AskYesNo(UndoConfirmation(batch.RecordCount())))
        return;
    CJournalWriter journal;
    if (!BeginBatch(journal, *newest))
        return;

    CBatchUndo undo(prompt);
    undo.SetJournal(&journal);
    std::size_t restored = 0;
    QStringList leftAlone;
    QStringList warnings;  // about files that were restored all the same
    {
        // A question about a read-only file opens an event loop: nothing may start meanwhile.
        SetBatchRunning(true);
        const auto running = qScopeGuard([this] { SetBatchRunning(false); });
        for (std::size_t i = batch.RecordCount(); i-- > 0;) {
            const auto record = batch.ReadRecord(i);
            const UndoOutcome outcome = record ? undo.Restore(*record) : UndoOutcome{UndoStatus::Failed, batch.Failure()};
            if (outcome.status != UndoStatus::Restored) {
                leftAlone << QString::fromStdString(outcome.message);
                continue;
            }
            ++restored;
            if (!outcome.message.empty())
                warnings << QString::fromStdString(outcome.message);
        }
    }
    EndBatch(journal);
    // The shown file is read again; the line above it no longer speaks of the Change.
    if (fileLoaded) {
        ShowCurrentFile();
        ShowPathText();
    }

    // Long lists are cut: the journal keeps every record.
    constexpr qsizetype ListedFiles = 20;
    QString report = QStringLiteral("%1 of %2 files were restored.").arg(restored).arg(batch.RecordCount());
    if (!leftAlone.isEmpty()) {
        report += QStringLiteral("\n\nLeft alone:\n") + leftAlone.mid(0, ListedFiles).join(QLatin1Char('\n'));
        if (leftAlone.size() > ListedFiles)
            report += QStringLiteral("\n... and %1 more").arg(leftAlone.size() - ListedFiles);
    }
    if (!warnings.isEmpty()) {
        report += tr("\n\nRestored with a warning:\n") + warnings.mid(0, ListedFiles).join(QLatin1Char('\n'));
        if (warnings.size() > ListedFiles)
            report += tr("\n... and %1 more").arg(warnings.size() - ListedFiles);
    }
    prompt.ShowMessage(report.toStdString());
}
