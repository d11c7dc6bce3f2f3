#include "app/CMessageBoxPrompt.h"

#include "app/CBatchReportDlg.h"
#include "app/CWriteProtectDlg.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

CMessageBoxPrompt::CMessageBoxPrompt(QWidget* ownerWindow)
    : owner(ownerWindow)
{
}

void CMessageBoxPrompt::SetOwner(QWidget* newOwner)
{
    owner = newOwner;
}

void CMessageBoxPrompt::ShowMessage(const std::string& text)
{
    QMessageBox::warning(owner, ApplicationName(), QString::fromStdString(text), QMessageBox::Ok);
}

bool CMessageBoxPrompt::AskClearReadOnly(const std::string& path)
{
    CWriteProtectDlg dialog(QFile::decodeName(path.c_str()), owner);
    return dialog.exec() == CWriteProtectDlg::Yes;
}

bool CMessageBoxPrompt::AskYesNo(const QString& text)
{
    return QMessageBox::warning(owner, ApplicationName(), text, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::Yes) == QMessageBox::Yes;
}

bool CMessageBoxPrompt::ShowBatchMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::Warning, ApplicationName(), QString::fromStdString(text), QMessageBox::Ok, owner);
    auto* quiet = new QCheckBox(QStringLiteral("&Don't show further messages during this Change"));
    quiet->setToolTip(QStringLiteral("Every file left unchanged is listed with its reason when the Change ends."));
    box.setCheckBox(quiet);
    box.exec();
    return !quiet->isChecked();
}

bool CMessageBoxPrompt::ShowBatchReport(const BatchReport& report)
{
    CBatchReportDlg dialog(report, owner);
    return dialog.exec() == QDialog::Accepted;
}

QString CMessageBoxPrompt::ApplicationName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}
