#pragma once

#include <QCoreApplication>

class CChangeSummary;
class CInvListBox;
class QWidget;

// Reads the header of every listed file for the Change's confirmation. The
// reads run on worker threads, several at a time (a header read waits on the
// disk far longer than it computes); the window repaints meanwhile and, after
// half a second, a progress with Cancel appears.
class CHeaderSurvey {
    Q_DECLARE_TR_FUNCTIONS(CHeaderSurvey)

public:
    CHeaderSurvey(QWidget* window, const CInvListBox& files);

    // Adds each file's format to summary, in list order; false when the user cancelled.
    bool Run(CChangeSummary& summary);

private:
    QWidget* window;
    const CInvListBox& files;
};
