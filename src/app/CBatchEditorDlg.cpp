#include "app/CBatchEditorDlg.h"

#include "app/CAboutDlg.h"
#include "app/CBatchEditorApp.h"
#include "app/CChangeBatch.h"
#include "app/CDesktopJournal.h"
#include "app/CDialogUnits.h"
#include "app/CFileListing.h"
#include "app/CFormatSelectors.h"
#include "app/CHeaderSurvey.h"
#include "app/CInvListBox.h"
#include "app/CMessageBoxPrompt.h"
#include "app/CPathLabel.h"
#include "app/CUndoLastChange.h"
#include "app/CWindowMenu.h"
#include "controls/CHoverBitmapButton.h"
#include "i18n/CoreTextTr.h"
#include "journal/CJournalReader.h"
#include "opendlg/CXDlg2.h"
#include "opendlg/ProfileText.h"
#include "platform/CProfileFile.h"
#include "platform/Folders.h"
#include "wave/CChangeSummary.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr const char* ProfileSection = "Folders";
constexpr const char* ProfileStartFolder = "OpenDefault";

std::string LocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

}  // namespace

QString CBatchEditorDlg::PromptText()
{
    return tr("[Press the Open button to select sound files]");
}

QString CBatchEditorDlg::OpenDialogTitle()
{
    return tr("Select Sound Files");
}

QString CBatchEditorDlg::OpenDialogOkText()
{
    return tr("Select");
}

QString CBatchEditorDlg::ChangeConfirmation()
{
    return tr("Warning!  Changing the header info can affect the ability for an application to play the WAV file.\n\n"
              "All files will be changed to the settings currently displayed (and selected for change)!\n\n"
              "Note - the data will not be changed, just the header information.\n\n"
              "\t\t\t\tContinue?");
}

CBatchEditorDlg::CBatchEditorDlg(CProfileFile& settings, CMessageBoxPrompt& messages, QWidget* parent)
    : QDialog(parent), profile(settings), prompt(messages), filePrompt(prompt), wave(filePrompt)
{
    setWindowTitle(CMessageBoxPrompt::ProgramName());
    // Customised, so that the window manager offers only these: the window has one size.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setWindowIcon(CBatchEditorApp::AppIcon());
    setAcceptDrops(true);

    openDialogRunner = [this](const QString& startFolder) -> std::optional<QStringList> {
        CXDlg2 dialog(profile, prompt, this);
        if (!startFolder.isEmpty())
            dialog.setDirectory(startFolder);
        dialog.setWindowTitle(OpenDialogTitle());
        dialog.SetOkButtonText(OpenDialogOkText());
        if (dialog.RunModal() != 1)
            return std::nullopt;
        return dialog.ChosenPaths();
    };

    CreateControls();

    themeHelper.Initialize(this);
    clearAllButton->AttachAndLoad(themeHelper);
    setAllButton->AttachAndLoad(themeHelper);

    menu = new CWindowMenu(this, *fileList);
    connect(menu->UndoAction(), &QAction::triggered, this, &CBatchEditorDlg::HandleUndoLastChange);
    connect(menu, &CWindowMenu::AboutRequested, this, &CBatchEditorDlg::ShowAbout);
    UpdateUndoAction();

    helpShortcut = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(helpShortcut, &QShortcut::activated, this, &CBatchEditorDlg::ShowAbout);
    // Nothing starts while files are listed or changed (Quit refuses by itself).
    const auto whenIdle = [this](void (CBatchEditorDlg::*command)()) {
        return [this, command] {
            if (!batchRunning)
                (this->*command)();
        };
    };
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this), &QShortcut::activated, this,
            whenIdle(&CBatchEditorDlg::HandleOpen));
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this,
            &CBatchEditorDlg::HandleQuit);
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this,
            whenIdle(&CBatchEditorDlg::HandleUndoLastChange));
    // The context menu from the keyboard, whichever control has the focus. The
    // Menu key needs no shortcut: the platform turns it into a context-menu
    // event for the control, which passes it on to the window.
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this), &QShortcut::activated, this,
            &CBatchEditorDlg::ShowContextMenuAtFocus);

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
    changeButton = new QPushButton(tr("Change"), this);
    changeButton->setObjectName(QStringLiteral("changeButton"));
    changeButton->setGeometry(units.Rect(102, 218, 50, 16));
    changeButton->setDefault(true);
    changeButton->setEnabled(false);
    connect(changeButton, &QPushButton::clicked, this, &CBatchEditorDlg::HandleChange);

    openButton = new QPushButton(tr("&Open..."), this);
    openButton->setObjectName(QStringLiteral("openButton"));
    openButton->setGeometry(units.Rect(25, 12, 50, 14));
    connect(openButton, &QPushButton::clicked, this, &CBatchEditorDlg::HandleOpen);

    pathStatic = new CPathLabel(PromptText(), this);
    pathStatic->setObjectName(QStringLiteral("pathStatic"));
    pathStatic->setGeometry(units.Rect(87, 15, 207, 11));

    auto* formatGroup = new QGroupBox(this);
    formatGroup->setGeometry(units.Rect(14, 29, 291, 81));

    formatRows = new CFormatSelectors(this, units);
    connect(formatRows, &CFormatSelectors::Changed, this, &CBatchEditorDlg::UpdateChangeButton);

    clearAllButton = new CHoverBitmapButton(QStringLiteral("FXCLRA"), this);
    clearAllButton->setObjectName(QStringLiteral("clearAllButton"));
    clearAllButton->move(units.X(274), units.Y(41));
    // The caption names the pictures; people get words.
    clearAllButton->setAccessibleName(tr("Clear all Change boxes"));
    clearAllButton->setToolTip(clearAllButton->accessibleName());
    connect(clearAllButton, &QPushButton::clicked, this, &CBatchEditorDlg::HandleClearAll);

    setAllButton = new CHoverBitmapButton(QStringLiteral("FXSTA"), this);
    setAllButton->setObjectName(QStringLiteral("setAllButton"));
    setAllButton->move(units.X(274), units.Y(78));
    setAllButton->setAccessibleName(tr("Set all Change boxes"));
    setAllButton->setToolTip(setAllButton->accessibleName());
    connect(setAllButton, &QPushButton::clicked, this, &CBatchEditorDlg::HandleSetAll);

    fileList = new CInvListBox(this);
    fileList->setObjectName(QStringLiteral("fileList"));
    fileList->setGeometry(units.Rect(27, 125, 264, 75));
    fileList->setAccessibleName(tr("Selected files"));
    connect(fileList, &CInvListBox::SelectionChanged, this, &CBatchEditorDlg::HandleFileSelected);
    connect(fileList, &CInvListBox::FileListChanged, this, &CBatchEditorDlg::UpdateChangeButton);
    fileList->installEventFilter(this);
    fileList->viewport()->installEventFilter(this);

    quitButton = new QPushButton(tr("Quit"), this);
    quitButton->setObjectName(QStringLiteral("quitButton"));
    quitButton->setGeometry(units.Rect(168, 218, 50, 16));
    connect(quitButton, &QPushButton::clicked, this, &CBatchEditorDlg::HandleQuit);

    auto* filesGroup = new QGroupBox(tr(" Selected Files "), this);
    filesGroup->setGeometry(units.Rect(14, 112, 291, 97));

    auto* hertz = new QLabel(tr("Hz"), this);
    CDialogUnits::PlaceCentred(hertz, units.Rect(147, 43, 9, 8));
    hertz->adjustSize();
    auto* bit = new QLabel(tr("bit"), this);
    CDialogUnits::PlaceCentred(bit, units.Rect(147, 76, 9, 8));
    bit->adjustSize();

    static constexpr std::array<std::array<int, 3>, 4> lines{
        {{154, 64, 49}, {164, 80, 39}, {155, 95, 48}, {164, 47, 39}}};
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
    const int labelWidth = std::max(units.X(53), formatRows->LabelWidth());
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
    formatRows->PlaceLabels(units, labelWidth);
}

void CBatchEditorDlg::HandleOpen()
{
    const QString startFolder = FromProfileText(profile.GetString(ProfileSection, ProfileStartFolder));
    if (const std::optional<QStringList> chosen = openDialogRunner(startFolder))
        ListPaths(*chosen, false);
    // Also after a cancelled Open or listing: entry 0 is read again.
    ShowListedFiles();
}

void CBatchEditorDlg::AddFilesAndFolders(const QStringList& paths)
{
    // A drop that arrives while files are listed or changed waits for them.
    if (batchRunning) {
        QTimer::singleShot(100, this, [this, paths] { AddFilesAndFolders(paths); });
        return;
    }
    const CFileListing::Outcome outcome = ListPaths(paths, true);
    if (outcome.cancelled)
        return;
    if (outcome.files > 0)
        ShowListedFiles();
    if (!outcome.problems.isEmpty())
        prompt.ShowWarning(outcome.problems.join(QLatin1Char('\n')));
}

CFileListing::Outcome CBatchEditorDlg::ListPaths(const QStringList& paths, bool searchFolders)
{
    // A listing long enough to let the window repaint locks it meanwhile:
    // nothing else may start.
    const QPointer<QWidget> focused = focusWidget();
    bool locked = false;
    CFileListing listing(this, *fileList, [this, &locked] {
        locked = true;
        SetBatchRunning(true);
    });
    const CFileListing::Outcome outcome = searchFolders ? listing.ListFilesAndFolders(paths) : listing.ListFiles(paths);
    if (locked)
        Unlock(focused);
    return outcome;
}

void CBatchEditorDlg::ShowListedFiles()
{
    fileLoaded = fileList->Count() > 0;
    if (fileLoaded) {
        currentPath = fileList->Text(0);
        profile.WriteString(ProfileSection, ProfileStartFolder, StoredFolderOfPath(ToProfileText(currentPath)));
        ShowCurrentFile();
    } else if (currentPath.isEmpty()) {
        currentPath = PromptText();
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
    formatRows->ShowFormat(wave.HeaderLoaded() ? &wave.Format() : nullptr);
}

void CBatchEditorDlg::ShowPathText()
{
    const bool unreadable = wave.HasFileName() && !wave.HeaderLoaded();
    pathStatic->setText(unreadable ? tr("%1 (header could not be read)").arg(currentPath) : currentPath);
}

void CBatchEditorDlg::UpdateChangeButton()
{
    changeButton->setEnabled(!batchRunning && fileList->Count() > 0 && formatRows->AnyFlag()
                             && !formatRows->HoldsChangeBack());
    // A greyed Change says why, also to assistive technology.
    const QString why = fileList->Count() > 0 ? formatRows->Reasons() : QString();
    changeButton->setToolTip(why);
    changeButton->setAccessibleDescription(why);
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

void CBatchEditorDlg::HandleClearAll()
{
    formatRows->SetAllFlags(false);
    UpdateChangeButton();
}

void CBatchEditorDlg::HandleSetAll()
{
    formatRows->SetAllFlags(true);
    UpdateChangeButton();
}

bool CBatchEditorDlg::ConfirmChange(const HeaderChangeRequest& request)
{
    // What the request does to each listed file is read from the files now.
    CChangeSummary summary(request, formatRows->Untouched());
    bool read = false;
    {
        const QPointer<QWidget> focused = focusWidget();
        SetBatchRunning(true);
        const auto unlock = qScopeGuard([this, &focused] {
            SetBatchRunning(false);
            if (focused)
                focused->setFocus();
        });
        read = CHeaderSurvey(this, *fileList).Run(summary);
    }
    return read && prompt.ConfirmChange(ChangeConfirmation(), TranslateCoreText(summary.Text()));
}

void CBatchEditorDlg::HandleChange()
{
    // A press that still reaches the button during a batch (a script, an
    // assistive tool) must not start a second batch inside the first.
    if (batchRunning)
        return;
    const HeaderChangeRequest request = formatRows->BuildRequest(wave.Format());
    if (!ConfirmChange(request))
        return;
    CDesktopJournal journal(prompt);
    if (!journal.Begin({}))
        return;
    wave.SetJournal(&journal.Writer());
    const auto endBatch = qScopeGuard([this, &journal] {
        wave.SetJournal(nullptr);
        journal.Finish();
        UpdateUndoAction();
    });

    const QPointer<QWidget> focused = focusWidget();
    SetBatchRunning(true);
    const BatchReport report
        = CChangeBatch(this, *fileList, wave, filePrompt, [this](int entry) { ShowBatchEntry(entry); }).Run(request);
    Unlock(focused);

    if (fileList->Count() > 0) {
        fileList->SetCurrentSelection(0);
        HandleFileSelected();
    }
    QApplication::beep();
    if (report.notChanged.empty() && report.warned.empty()) {
        // English has no catalogue: its singular is a text of its own.
        pathStatic->setText(report.changed == 1 ? tr("1 file changed") : tr("%Ln files changed", "", report.changed));
    } else if (prompt.ShowBatchReport(report)) {
        KeepOnly(report);
    }
}

void CBatchEditorDlg::ShowBatchEntry(int index)
{
    // The file was just read by the batch: show what was read, without reading it again.
    fileList->SetCurrentSelection(index);
    currentPath = fileList->Text(index);
    ShowFormat();
    ShowPathText();
}

void CBatchEditorDlg::SetBatchRunning(bool running)
{
    batchRunning = running;
    openButton->setEnabled(!running);
    quitButton->setEnabled(!running);
    clearAllButton->setEnabled(!running);
    setAllButton->setEnabled(!running);
    helpShortcut->setEnabled(!running);
    formatRows->SetLocked(running);
    UpdateChangeButton();
}

void CBatchEditorDlg::Unlock(const QPointer<QWidget>& focused)
{
    // Input that came in meanwhile reaches the disabled controls now instead
    // of being acted on once they are enabled again.
    QCoreApplication::processEvents();
    SetBatchRunning(false);
    if (focused)
        focused->setFocus();
}

void CBatchEditorDlg::KeepOnly(const BatchReport& report)
{
    QSet<QString> kept;
    for (const BatchReport::Entry& entry : report.notChanged)
        kept.insert(entry.path);
    std::vector<int> changed;
    for (int i = 0; i < fileList->Count(); ++i) {
        if (!kept.contains(fileList->Text(i)))
            changed.push_back(i);
    }
    fileList->DeleteStrings(std::move(changed));
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
    ShowContextMenu(event->globalPos());
}

void CBatchEditorDlg::ShowContextMenuAtFocus()
{
    QWidget* focused = focusWidget() != nullptr ? focusWidget() : this;
    QPoint at = focused->rect().center();
    if (focused == fileList && fileList->currentItem() != nullptr)
        at = fileList->viewport()->mapTo(fileList, fileList->visualItemRect(fileList->currentItem()).center());
    ShowContextMenu(focused->mapToGlobal(at));
}

void CBatchEditorDlg::ShowContextMenu(const QPoint& at)
{
    UpdateUndoAction();
    menu->Exec(at, batchRunning);
}

void CBatchEditorDlg::dragEnterEvent(QDragEnterEvent* event)
{
    // Not while files are being rewritten: the list is being walked.
    if (!batchRunning && !CFileListing::DraggedPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CBatchEditorDlg::dropEvent(QDropEvent* event)
{
    const QStringList paths = CFileListing::DraggedPaths(event->mimeData());
    if (batchRunning || paths.isEmpty())
        return;
    event->acceptProposedAction();
    // Queued: the file manager that dragged them waits for the drop to end,
    // and a long folder search or a message box must not hold it up.
    QMetaObject::invokeMethod(
        this, [this, paths] { AddFilesAndFolders(paths); }, Qt::QueuedConnection);
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

void CBatchEditorDlg::UpdateUndoAction()
{
    menu->UndoAction()->setEnabled(CUndoLastChange::UndoableBatch().has_value());
}

void CBatchEditorDlg::HandleUndoLastChange()
{
    const auto newest = CUndoLastChange::UndoableBatch();
    menu->UndoAction()->setEnabled(newest.has_value());
    CJournalReader batch;
    if (!newest || !batch.Open(*newest))
        return;
    if (!prompt.AskYesNo(CUndoLastChange::Confirmation(batch.RecordCount())))
        return;
    CDesktopJournal journal(prompt);
    if (!journal.Begin(*newest))
        return;
    CUndoLastChange::Report report;
    {
        // A question about a read-only file opens an event loop: nothing may start meanwhile.
        SetBatchRunning(true);
        const auto running = qScopeGuard([this] { SetBatchRunning(false); });
        report = CUndoLastChange::Restore(batch, journal.Writer(), prompt);
    }
    journal.Finish();
    UpdateUndoAction();
    // The shown file is read again; the line above it no longer speaks of the Change.
    if (fileLoaded) {
        ShowCurrentFile();
        ShowPathText();
    }
    // A complete undo is news; files left alone are a problem to look at.
    if (report.complete)
        prompt.ShowInformation(report.text);
    else
        prompt.ShowWarning(report.text);
}
