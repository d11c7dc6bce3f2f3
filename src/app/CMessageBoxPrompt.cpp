#include "app/CMessageBoxPrompt.h"

#include "i18n/CoreTextTr.h"

#include "app/CBatchReportDlg.h"
#include "app/CWriteProtectDlg.h"

#include "Version.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

CMessageBoxPrompt::CMessageBoxPrompt(QWidget* ownerWindow) : owner(ownerWindow) {}

void CMessageBoxPrompt::SetOwner(QWidget* newOwner)
{
    owner = newOwner;
}

void CMessageBoxPrompt::ShowMessage(const CoreText& text)
{
    ShowWarning(TranslateCoreText(text));
}

void CMessageBoxPrompt::ShowWarning(const QString& text)
{
    QMessageBox::warning(owner, ProgramName(), text, QMessageBox::Ok);
}

void CMessageBoxPrompt::ShowInformation(const QString& text)
{
    QMessageBox::information(owner, ProgramName(), text, QMessageBox::Ok);
}

bool CMessageBoxPrompt::AskClearReadOnly(const std::string& path)
{
    CWriteProtectDlg dialog(QFile::decodeName(path.c_str()), owner);
    return dialog.exec() == CWriteProtectDlg::Yes;
}

bool CMessageBoxPrompt::AskYesNo(const QString& text)
{
    return QMessageBox::question(owner, ProgramName(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

bool CMessageBoxPrompt::ConfirmChange(const QString& question, const QString& summary)
{
    QMessageBox box(QMessageBox::Question, ProgramName(), question, QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(QMessageBox::Yes);
    box.setInformativeText(summary);
    return box.exec() == QMessageBox::Yes;
}

bool CMessageBoxPrompt::ShowBatchMessage(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, ProgramName(), text, QMessageBox::Ok, owner);
    auto* quiet = new QCheckBox(tr("&Don't show further messages during this Change"));
    quiet->setToolTip(tr("Every file left unchanged is listed with its reason when the Change ends."));
    box.setCheckBox(quiet);
    box.exec();
    return !quiet->isChecked();
}

bool CMessageBoxPrompt::ShowBatchReport(const BatchReport& report)
{
    CBatchReportDlg dialog(report, owner);
    return dialog.exec() == QDialog::Accepted;
}

QString CMessageBoxPrompt::ProgramName()
{
    return QString::fromLatin1(QuelbrookName);
}

QString CMessageBoxPrompt::ExecutableName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}
