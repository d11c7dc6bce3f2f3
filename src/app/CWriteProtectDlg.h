#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

// Asks whether the read-only mark of a file may be cleared. exec() returns
// Yes or Cancel; Escape and the close box count as Cancel.
class CWriteProtectDlg : public QDialog {
    Q_OBJECT

public:
    enum Answer { Yes = 1, Cancel = 2 };

    CWriteProtectDlg(const QString& path, QWidget* parent = nullptr);

    QString Message() const;

public slots:
    void reject() override;

private:
    QLabel* messageText;
};
