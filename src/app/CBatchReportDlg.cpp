#include "app/CBatchReportDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CBatchReportDlg::CBatchReportDlg(const BatchReport& report, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Change finished"));
    setAccessibleDescription(Summary(report));

    auto* summary = new QLabel(Summary(report), this);
    summary->setObjectName(QStringLiteral("summaryText"));
    summary->setTextFormat(Qt::PlainText);
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* listCaption
        = new QLabel(report.warned.empty() ? tr("&Files not changed:") : tr("&Files not changed, and warnings:"), this);
    auto* list = new QPlainTextEdit(this);
    list->setObjectName(QStringLiteral("notChangedList"));
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    list->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    list->setPlainText(Listing(report));
    list->setAccessibleName(tr("Files not changed"));
    listCaption->setBuddy(list);

    auto* buttons = new QDialogButtonBox(this);
    auto* keep = buttons->addButton(tr("&Keep only these files"), QDialogButtonBox::AcceptRole);
    keep->setObjectName(QStringLiteral("keepOnlyButton"));
    auto* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(listCaption);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    resize(720, 340);
    list->setFocus();
}

QString CBatchReportDlg::Summary(const BatchReport& report)
{
    const QLocale locale;
    const QString text
        = tr("%1 of %Ln files changed, %2 skipped, %3 failed.", "", report.total)
              .arg(locale.toString(report.changed), locale.toString(report.Count(BatchReport::Outcome::Skipped)),
                   locale.toString(report.Count(BatchReport::Outcome::Failed)));
    if (!report.cancelled)
        return text;
    return tr("%1 Change was cancelled: the files it had not reached were left as they were.").arg(text);
}

QString CBatchReportDlg::Listing(const BatchReport& report)
{
    QString text;
    for (const BatchReport::Entry& entry : report.notChanged) {
        const QString line
            = entry.outcome == BatchReport::Outcome::Skipped ? tr("Skipped: %1 - %2") : tr("Failed: %1 - %2");
        text += line.arg(entry.path, entry.reason) + QLatin1Char('\n');
    }
    for (const BatchReport::Entry& entry : report.warned)
        text += tr("Changed, with a warning: ") + entry.path + QStringLiteral(" - ") + entry.reason + QLatin1Char('\n');
    text.chop(1);
    return text;
}
