#pragma once

#include "app/BatchReport.h"

#include <QDialog>
#include <QString>

// The end of a Change in which some files were not rewritten: the counts, the
// files with their reasons in a list the user can scroll, select and copy, and
// the offer to keep only those files listed. exec() returns Accepted for
// "Keep only these files".
class CBatchReportDlg : public QDialog {
    Q_OBJECT

public:
    explicit CBatchReportDlg(const BatchReport& report, QWidget* parent = nullptr);

    static QString Summary(const BatchReport& report);
    // One line per file not changed: outcome, path and reason.
    static QString Listing(const BatchReport& report);
};
