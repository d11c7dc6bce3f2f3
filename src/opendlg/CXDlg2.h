#pragma once

#include <QFileDialog>
#include <QString>
#include <QTimer>

#include <memory>

class CFileDialogParts;
class CProfileFile;
class CRecentFolders;
class CRegionPreviewPanel;
class CUserPrompt;
class QComboBox;

// The open dialog for WAV files: Qt's own (non-native) file dialog for
// several existing files, with a panel of recent folders and a preview of the
// highlighted file's Pro Tools regions and Broadcast Wave time stamp below its
// controls. Confirming files records their folder in the recent-folder list.
class CXDlg2 : public QFileDialog {
    Q_OBJECT
public:
    CXDlg2(CProfileFile& profile, CUserPrompt& prompt, QWidget* parent = nullptr);
    ~CXDlg2() override;

    // Applied to the accept button when the dialog becomes ready.
    void SetOkButtonText(const QString& text);

    // 1 when the user confirmed a selection, 2 when the dialog was cancelled.
    int RunModal();

    // Full paths of the chosen files, in the order the dialog lists them.
    QStringList ChosenPaths() const;

    // Fills the preview list and the time stamp for the file at path; an
    // empty path, or a file whose header cannot be read, leaves both empty.
    void RefreshPreview(const QString& path);

    // The dialog's size is kept for the next run.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildPanel();
    void ApplyFirstSize();
    // Columns as wide as their header and cell texts.
    void FitFileColumns();
    void OnDialogReady();
    void OnHighlightChange();
    void OnRecentFolderPicked(int index);
    void OnFilesAccepted(const QStringList& files);
    void LoadRecentFolders();
    void ApplyFileTypeFilter();
    QString HighlightedFile() const;

    CProfileFile& profile;
    CUserPrompt& prompt;
    std::unique_ptr<CFileDialogParts> parts;
    std::unique_ptr<CRecentFolders> recentFolders;
    QString highlightedPath;
    bool highlightReported = false;
    QString okButtonText;
    bool hasOkButtonText = false;
    bool ready = false;

    // Panel widgets, children of the dialog.
    QComboBox* recentFolderBox = nullptr;
    CRegionPreviewPanel* preview = nullptr;
    QTimer fitFileColumns;
    // The completion list of the file-name field.
    QWidget* suggestions = nullptr;
};
