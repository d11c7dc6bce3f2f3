#include "opendlg/CRegionPreviewPanel.h"

#include "controls/CReportListCtrl.h"
#include "platform/CPathWalker.h"
#include "platform/Cp1252.h"
#include "timecode/CTimecode.h"
#include "wave/CWaveFile.h"
#include "wave/RegionPreview.h"

#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>

namespace {

constexpr int kNameColumnWidth = 184;
constexpr int kTimeColumnWidth = 110;
constexpr Qt::Alignment kColumnFormat = Qt::AlignHCenter;

// What the list draws beside a cell's text (two spaces on either side), and
// a little more for the grid.
int CellPadding(const QFontMetrics& metrics)
{
    return 4 * metrics.horizontalAdvance(QLatin1Char(' ')) + 4;
}

// 110 pixels fit a timecode in the classic 8-point dialog font; larger fonts
// get what the text and the list's padding need, so that no digit is cut.
int TimeColumnWidth(const QFontMetrics& metrics)
{
    return std::max(kTimeColumnWidth,
                    metrics.horizontalAdvance(QStringLiteral("00:00:00:00::00")) + CellPadding(metrics));
}

int ColumnWidth(int column, const QFontMetrics& metrics)
{
    return column == 0 ? kNameColumnWidth : TimeColumnWidth(metrics);
}

QString Timecode(std::uint32_t samples, std::uint32_t sampleRate)
{
    return QString::fromStdString(PreviewTimecode(samples, sampleRate));
}

}  // namespace

CRegionPreviewPanel::CRegionPreviewPanel(CUserPrompt& userPrompt, QWidget* parent) : QWidget(parent), prompt(userPrompt)
{
    auto* regionLabel = new QLabel(tr("Pro Tools region definitions:"), this);
    regionsRadio = new QRadioButton(tr("Regions"), this);
    regionsRadio->setObjectName(QStringLiteral("regionsRadio"));
    regionsRadio->setChecked(true);
    timeStampsRadio = new QRadioButton(tr("Time Stamps"), this);
    timeStampsRadio->setObjectName(QStringLiteral("timeStampsRadio"));

    list = new CReportListCtrl(this);
    list->setObjectName(QStringLiteral("previewList"));
    list->setAccessibleName(tr("Regions"));
    list->setFixedHeight(fontMetrics().height() * 8);
    for (int column = 0; column < 3; ++column)
        list->InsertColumn(column, kColumnFormat, ColumnWidth(column, list->fontMetrics()), {});
    ShowColumnTitles();
    list->SetHighlightMode(CReportListCtrl::HighlightRow);
    list->EnableColumnDrag(1);

    auto* timeStampFrame = new QFrame(this);
    timeStampFrame->setObjectName(QStringLiteral("timeStampFrame"));
    timeStampFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* timeStampLabel = new QLabel(tr("BWF Time Stamp:"), this);
    timeStampLabel->setObjectName(QStringLiteral("timeStampLabel"));
    // The label's box starts at the other labels' left edge; its text keeps
    // clear of the frame's border.
    timeStampLabel->setIndent(timeStampFrame->frameWidth() + 3);
    timeStampText = new QLabel(this);
    timeStampText->setObjectName(QStringLiteral("timeStampText"));
    timeStampText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Tells assistive technology what the value is.
    timeStampLabel->setBuddy(timeStampText);

    const auto choose = [this](bool on) {
        ShowTimeStamps(on);
        emit TimeStampsChosen(on);
    };
    connect(regionsRadio, &QRadioButton::clicked, this, [choose] { choose(false); });
    connect(timeStampsRadio, &QRadioButton::clicked, this, [choose] { choose(true); });

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(regionLabel);
    modeRow->addSpacing(fontMetrics().averageCharWidth() * 4);
    modeRow->addWidget(regionsRadio);
    modeRow->addWidget(timeStampsRadio);
    modeRow->addStretch(1);
    grid->addLayout(modeRow, 0, 0);
    grid->addWidget(list, 1, 0);

    // The frame and the row of labels share one cell: the frame is drawn
    // around the row rather than holding it.
    auto* timeStampRow = new QHBoxLayout;
    const int inset = timeStampFrame->frameWidth() + 2;
    timeStampRow->setContentsMargins(0, inset, inset, inset);
    timeStampRow->addWidget(timeStampLabel);
    timeStampRow->addSpacing(fontMetrics().averageCharWidth() * 2);
    timeStampRow->addWidget(timeStampText, 1);
    grid->addWidget(timeStampFrame, 2, 0);
    grid->addLayout(timeStampRow, 2, 0);
    // The labels were created last; keep them above the frame they sit in.
    timeStampLabel->raise();
    timeStampText->raise();
}

void CRegionPreviewPanel::SetSpacing(int vertical, int horizontal)
{
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->setVerticalSpacing(vertical);
    for (int i = 0; i < grid->count(); ++i) {
        if (QLayout* row = grid->itemAt(i)->layout())
            row->setSpacing(horizontal);
    }
}

void CRegionPreviewPanel::ShowTimeStamps(bool on)
{
    timeStamps = on;
    (on ? timeStampsRadio : regionsRadio)->setChecked(true);
    ShowColumnTitles();
    Refresh();
}

void CRegionPreviewPanel::ShowColumnTitles()
{
    const QString titles[]
        = {tr("Region Name"), timeStamps ? tr("Orig TS") : tr("Start"), timeStamps ? tr("User TS") : tr("End")};
    for (int column = 0; column < 3; ++column)
        list->SetColumn(column, kColumnFormat, ColumnWidth(column, list->fontMetrics()), titles[column]);
}

void CRegionPreviewPanel::ShowFile(const QString& file)
{
    // Only a WAV file is previewed; for anything else the preview is empty.
    path = HasWaveExtension(QFile::encodeName(file).toStdString()) ? file : QString();
    Refresh();
}

void CRegionPreviewPanel::Refresh()
{
    list->SetRedraw(false);
    list->DeleteAllItems();
    // Nothing of a file previewed before may stay on screen.
    timeStampText->clear();
    if (!path.isEmpty()) {
        CWaveFile wave(prompt);
        wave.SetFileName(QFile::encodeName(path).toStdString());
        // A file whose header cannot be read is no WAV file to preview.
        const RegionPreview preview = wave.HeaderLoaded() ? ReadRegionPreview(wave) : RegionPreview{};
        int row = 0;
        for (const RegionRecord& region : preview.regions) {
            list->InsertItem(row, QString::fromStdString(Cp1252ToUtf8(region.name)), row);
            list->SetItemText(row, 1, Timecode(timeStamps ? region.origTs : region.start, preview.sampleRate));
            list->SetItemText(row, 2, Timecode(timeStamps ? region.userTs : region.end, preview.sampleRate));
            ++row;
        }
        if (preview.timeStampValid)
            timeStampText->setText(preview.bextTimeReference != 0
                                       ? Timecode(preview.bextTimeReference, preview.sampleRate)
                                       : QCoreApplication::translate("Engine", NoTimeStampText));
    }
    list->SetRedraw(true);
    FitColumns();
}

void CRegionPreviewPanel::FitColumns()
{
    const QFontMetrics metrics = list->fontMetrics();
    for (int column = 0; column < list->ColumnCount(); ++column) {
        int width = std::max(ColumnWidth(column, metrics), list->header()->sectionSizeHint(column));
        for (int row = 0; row < list->ItemCount(); ++row)
            width = std::max(width, metrics.horizontalAdvance(list->ItemText(row, column)) + CellPadding(metrics));
        list->header()->resizeSection(column, width);
    }
}
