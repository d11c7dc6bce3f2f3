#include "app/CWriteProtectDlg.h"

#include "app/CDialogUnits.h"
#include "i18n/CoreTextTr.h"
#include "wave/ConfirmWritable.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

CWriteProtectDlg::CWriteProtectDlg(const QString& path, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("File is write protected!"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const CDialogUnits units(font());
    setFixedSize(units.Size(237, 86));

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(units.Rect(7, 1, 224, 57));

    messageText = new QLabel(this);
    messageText->setObjectName(QStringLiteral("messageText"));
    messageText->setTextFormat(Qt::PlainText);
    messageText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    messageText->setWordWrap(true);
    messageText->setGeometry(units.Rect(10, 4, 218, 47));
    messageText->setText(TranslateCoreText(WriteProtectQuestion(QFile::encodeName(path).toStdString())));

    auto* icon = new QLabel(this);
    const QRect iconRect = units.Rect(16, 25, 20, 20);
    icon->setGeometry(QRect(iconRect.topLeft(), QSize(32, 32)));
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    icon->setAccessibleName(tr("Warning"));

    auto* yesButton = new QPushButton(tr("Yes"), this);
    yesButton->setObjectName(QStringLiteral("yesButton"));
    yesButton->setGeometry(units.Rect(59, 64, 50, 14));
    yesButton->setDefault(true);
    connect(yesButton, &QPushButton::clicked, this, [this] { done(Yes); });

    auto* cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setGeometry(units.Rect(125, 64, 50, 14));
    connect(cancelButton, &QPushButton::clicked, this, &CWriteProtectDlg::reject);

    yesButton->setFocus();
}

QString CWriteProtectDlg::Message() const
{
    return messageText->text();
}

void CWriteProtectDlg::reject()
{
    done(Cancel);
}
