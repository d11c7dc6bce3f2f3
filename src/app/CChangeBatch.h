#pragma once

#include "app/BatchReport.h"
#include "wave/HeaderChangeRequest.h"

#include <QCoreApplication>

#include <functional>

class CInvListBox;
class CRecordingPrompt;
class CWaveFile;
class QProgressDialog;
class QWidget;

// One Change: the listed files rewritten in list order with one request.
// The walk runs in slices, so that the window repaints and, after half a
// second, a progress with Cancel appears; what became of each file is
// gathered into the report.
class CChangeBatch {
    Q_DECLARE_TR_FUNCTIONS(CChangeBatch)

public:
    // showEntry shows list entry i as the file in hand, from what wave holds
    // (the file was just read: it is not read again).
    CChangeBatch(QWidget* window, CInvListBox& files, CWaveFile& wave, CRecordingPrompt& filePrompt,
                 std::function<void(int)> showEntry);

    BatchReport Run(const HeaderChangeRequest& request);

    static QString ProgressText(int done, int total);

private:
    void ShowEntry(int index);

    QWidget* window;
    CInvListBox& files;
    CWaveFile& wave;
    CRecordingPrompt& filePrompt;
    std::function<void(int)> showEntry;
    QProgressDialog* progress = nullptr;
    int entry = -1;
};
