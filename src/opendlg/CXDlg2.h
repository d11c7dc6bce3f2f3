#pragma once

#include <QFileDialog>
#include <QString>
#include <QTimer>

class CProfileFile;
class CReportListCtrl;
class CUserPrompt;
class QComboBox;
class QLabel;
class QRadioButton;

// The open dialog for WAV files: Qt's own (non-native) file dialog for
// several existing files, with a panel of recent folders and a preview of the
// highlighted file's Pro Tools regions and Broadcast Wave time stamp below its
// controls. Confirming files records their folder in the recent-folder list.
class CXDlg2 : public QFileDialog {
    Q_OBJECT
public:
    CXDlg2(CProfileFile& profile, CUserPrompt& prompt, QWidget* parent = nullptr);

    // Applied to the accept button when the dialog becomes ready.
    void SetOkButtonText(const QString& text);

    // 1 when the user confirmed a selection, 2 when the dialog was cancelled.
    int RunModal();

    // Full paths of the chosen files, in the order the dialog lists them.
    QStringList ChosenPaths() const;

    // Fills the preview list and the time stamp for the file at path; an
    // empty path, or a file whose header cannot be read, leaves both empty.
    void RefreshPreview(const QString& path);

    static constexpr const char* recentFolderSection = "Import Recent Folder List";

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
    void FitPreviewColumns();
    void OnDialogReady();
    void OnHighlightChange();
    void OnRegionsMode();
    void OnTimeStampsMode();
    void OnRecentFolderPicked(int index);
    void OnFilesAccepted(const QStringList& files);
    void LoadRecentFolders();
    void AddRecentFolder(const QString& folder);
    void ApplyFileTypeFilter();
    QString HighlightedFile() const;

    CProfileFile& profile;
    CUserPrompt& prompt;
    QString highlightedPath;
    bool highlightReported = false;
    int showTimeStamps = 0;
    QString okButtonText;
    bool hasOkButtonText = false;
    bool ready = false;

    // Panel widgets, children of the dialog.
    QComboBox* recentFolderBox = nullptr;
    QRadioButton* regionsRadio = nullptr;
    QRadioButton* timeStampsRadio = nullptr;
    CReportListCtrl* previewList = nullptr;
    QLabel* timeStampText = nullptr;
    QTimer fitFileColumns;
    // The completion list of the file-name field.
    QWidget* suggestions = nullptr;
};
