#include "app/CAboutDlg.h"

#include "app/CDialogUnits.h"
#include "app/CMessageBoxPrompt.h"
#include "controls/CUrlLabel.h"

#include "Version.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(CUserPrompt& prompt, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About %1").arg(CMessageBoxPrompt::ProgramName()));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const CDialogUnits units(font());
    setFixedSize(units.Size(235, 82));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("appIcon"));
    const QRect iconRect = units.Rect(11, 17, 20, 20);
    icon->setGeometry(QRect(iconRect.topLeft(), QSize(32, 32)));
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    icon->setAccessibleName(CMessageBoxPrompt::ProgramName());

    auto* version = new QLabel(
        tr("%1 Version %2").arg(CMessageBoxPrompt::ProgramName(), QString::fromLatin1(QuelbrookVersion)), this);
    version->setObjectName(QStringLiteral("versionText"));
    version->setTextFormat(Qt::PlainText);
    version->setGeometry(units.Rect(43, 10, 119, 8));

    auto* notice = new QLabel(tr("Copyright (C) 2024 the %1 authors").arg(CMessageBoxPrompt::ProgramName()), this);
    notice->setTextFormat(Qt::PlainText);
    notice->setGeometry(units.Rect(43, 41, 160, 8));

    auto* okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(units.Rect(178, 7, 50, 16));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* webLink = new CUrlLabel(prompt, tr("The %1 project").arg(CMessageBoxPrompt::ProgramName()), this);
    webLink->setObjectName(QStringLiteral("webLink"));
    webLink->setGeometry(units.Rect(43, 31, 115, 8));
    webLink->SetUrl(QString::fromLatin1(QuelbrookHomePage));

    okButton->setFocus();
}
