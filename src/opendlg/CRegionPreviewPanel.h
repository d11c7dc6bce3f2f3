#pragma once

#include <QString>
#include <QWidget>

class CReportListCtrl;
class CUserPrompt;
class QLabel;
class QRadioButton;

// The open dialog's preview of one WAV file: its Pro Tools regions, with
// their start and end or their two time stamps, and its Broadcast Wave time
// stamp. The user switches between the two kinds of region columns.
class CRegionPreviewPanel : public QWidget {
    Q_OBJECT
public:
    CRegionPreviewPanel(CUserPrompt& prompt, QWidget* parent);

    // Between the panel's rows, and beside each other in a row.
    void SetSpacing(int vertical, int horizontal);

    // Region columns with the two time stamps rather than start and end.
    void ShowTimeStamps(bool on);
    bool ShowsTimeStamps() const { return timeStamps; }

    // Fills the list and the time stamp for the file at path; an empty path,
    // or a file whose header cannot be read, leaves both empty.
    void ShowFile(const QString& path);

signals:
    // The user picked the other kind of region columns.
    void TimeStampsChosen(bool on);

private:
    void ShowColumnTitles();
    void Refresh();
    // Columns as wide as their header and cell texts.
    void FitColumns();

    CUserPrompt& prompt;
    QString path;
    bool timeStamps = false;
    QRadioButton* regionsRadio = nullptr;
    QRadioButton* timeStampsRadio = nullptr;
    CReportListCtrl* list = nullptr;
    QLabel* timeStampText = nullptr;
};
