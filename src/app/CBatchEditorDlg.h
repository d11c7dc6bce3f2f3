#pragma once

#include "app/BatchReport.h"
#include "app/CFileListing.h"
#include "app/CRecordingPrompt.h"
#include "controls/CThemeHelper.h"
#include "wave/CWaveFile.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <optional>

class CFormatSelectors;
class CHoverBitmapButton;
class CInvListBox;
class CMessageBoxPrompt;
class CPathLabel;
class CProfileFile;
class CWindowMenu;
class QPushButton;
class QShortcut;

// The main window: the list of chosen WAV files, the format of one of them in
// four selectors with their change flags, and the Change command that rewrites
// the flagged fields of every listed file.
class CBatchEditorDlg : public QDialog {
    Q_OBJECT

public:
    // Runs the open dialog from startFolder: the chosen paths, or nothing
    // when it was cancelled.
    using OpenDialogRunner = std::function<std::optional<QStringList>(const QString& startFolder)>;

    static QString PromptText();
    static QString ChangeConfirmation();
    // The open dialog's title and OK caption as this window gives them.
    static QString OpenDialogTitle();
    static QString OpenDialogOkText();

    CBatchEditorDlg(CProfileFile& profile, CMessageBoxPrompt& prompt, QWidget* parent = nullptr);
    ~CBatchEditorDlg() override;

    // Replaces the open dialog (tests answer it in advance).
    void SetOpenDialogRunner(OpenDialogRunner runner);

    const QString& CurrentPath() const { return currentPath; }

    // Lists files, and the WAV files found in folders and their subfolders,
    // as if they had been chosen with Open (files dropped on the window, or
    // named on the command line). Paths that do not exist are reported.
    void AddFilesAndFolders(const QStringList& paths);

public slots:
    // Only the Quit command and the close box end the window.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void HandleOpen();
    CFileListing::Outcome ListPaths(const QStringList& paths, bool searchFolders);
    void ShowListedFiles();
    void HandleChange();
    // Asks before a Change, naming what it does to the listed files.
    bool ConfirmChange(const HeaderChangeRequest& request);
    void HandleQuit();
    void HandleFileSelected();
    void HandleClearAll();
    void HandleSetAll();
    void ShowCurrentFile();
    void ShowFormat();
    void ShowPathText();
    void ShowBatchEntry(int index);
    void SetBatchRunning(bool running);
    // Ends SetBatchRunning(true) and gives the focus back to focused.
    void Unlock(const QPointer<QWidget>& focused);
    void KeepOnly(const BatchReport& report);
    void UpdateChangeButton();
    void ShowAbout();
    void ShowContextMenu(const QPoint& at);
    void ShowContextMenuAtFocus();
    // Enabled while the newest batch is a Change made here, not an undo.
    void UpdateUndoAction();
    void HandleUndoLastChange();

    CProfileFile& profile;
    CMessageBoxPrompt& prompt;
    OpenDialogRunner openDialogRunner;

    QString currentPath;
    bool fileLoaded = false;
    bool quitRequested = false;
    // A Change, an undo or a listing is under way: it lets the window repaint, and nothing else may start.
    bool batchRunning = false;
    CThemeHelper themeHelper;
    CRecordingPrompt filePrompt;
    CWaveFile wave;

    CPathLabel* pathStatic = nullptr;
    CFormatSelectors* formatRows = nullptr;
    QPushButton* changeButton = nullptr;
    QPushButton* openButton = nullptr;
    QPushButton* quitButton = nullptr;
    QShortcut* helpShortcut = nullptr;
    CInvListBox* fileList = nullptr;
    CHoverBitmapButton* clearAllButton = nullptr;
    CHoverBitmapButton* setAllButton = nullptr;
    CWindowMenu* menu = nullptr;
};
