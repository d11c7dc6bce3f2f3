#pragma once

#include <QCoreApplication>

class CChangeSummary;
class CInvListBox;
class QWidget;

// Reads the header of every listed file for the Change's confirmation, in
// slices, so that the window repaints; after half a second a progress with
// Cancel appears.
class CHeaderSurvey {
    Q_DECLARE_TR_FUNCTIONS(CHeaderSurvey)

public:
    CHeaderSurvey(QWidget* window, const CInvListBox& files);

    // Adds each file's format to summary; false when the user cancelled.
    bool Run(CChangeSummary& summary);

private:
    QWidget* window;
    const CInvListBox& files;
};
