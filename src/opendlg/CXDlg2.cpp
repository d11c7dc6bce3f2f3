#include "opendlg/CXDlg2.h"

#include "controls/CReportListCtrl.h"
#include "platform/CProfileFile.h"
#include "platform/Cp1252.h"
#include "platform/Folders.h"
#include "timecode/CTimecode.h"
#include "wave/CUserPrompt.h"
#include "wave/CWaveFile.h"
#include "wave/RegionPreview.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QScreen>
#include <QTreeView>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

QString WavFilter() { return CXDlg2::tr("WAV files (*.wav)"); }
QString AllFilesFilter() { return CXDlg2::tr("All Files (*.*)"); }
constexpr const char* kShowTimeStamps = "ShowTimeStamps";
constexpr const char* kWidth = "Width";
constexpr const char* kHeight = "Height";
// Rows of files the file list shows at least, and when the dialog first opens.
constexpr int kMinimumFileRows = 4;
constexpr int kFirstFileRows = 10;
constexpr int kRecentFolders = 9;
constexpr int kNameColumnWidth = 184;
constexpr int kTimeColumnWidth = 110;
constexpr Qt::Alignment kColumnFormat = Qt::AlignHCenter;

std::string RecentFolderKey(int n)
{
    return "Folder" + std::to_string(n);
}

// What the preview list draws beside a cell's text (two spaces on either
// side), and a little more for the grid.
int CellPadding(const QFontMetrics& metrics)
{
    return 4 * metrics.horizontalAdvance(QLatin1Char(' ')) + 4;
}

// 110 pixels fit a timecode in the classic 8-point dialog font; larger fonts
// get what the text and the list's padding need, so that no digit is cut.
int TimeColumnWidth(const QFontMetrics& metrics)
{
    return std::max(kTimeColumnWidth, metrics.horizontalAdvance(QStringLiteral("00:00:00:00::00")) + CellPadding(metrics));
}

QString Timecode(std::uint32_t samples, std::uint32_t sampleRate)
{
    return QString::fromStdString(PreviewTimecode(samples, sampleRate));
}

// Height of the detail view for rows of files: header, rows (an icon and a
// line of text each), frame, and a horizontal scroll bar should it need one.
int FileListHeight(const QTreeView& view, int rows)
{
    const QStyle* style = view.style();
    QStyleOptionViewItem row;
    row.initFrom(&view);
    row.features = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
    row.text = QStringLiteral("Xg");
    const int icon = view.iconSize().isValid() ? view.iconSize().height()
                                               : style->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &view);
    row.decorationSize = QSize(icon, icon);
    const int rowHeight = style->sizeFromContents(QStyle::CT_ItemViewItem, &row, QSize(), &view).height();
    return view.header()->sizeHint().height() + rows * rowHeight + 2 * view.frameWidth()
           + style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &view);
}

} // namespace

CXDlg2::CXDlg2(CProfileFile& profileFile, CUserPrompt& userPrompt, QWidget* parent)
    : QFileDialog(parent), profile(profileFile), prompt(userPrompt)
{
    // Qt's own dialog rather than the desktop's, so that the panel can be part of it.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFiles);
    setDefaultSuffix(QStringLiteral("wav"));
    setNameFilters({WavFilter(), AllFilesFilter()});
    setSizeGripEnabled(true);
    BuildPanel();
    ApplyFirstSize();
    // Qt's dialog leaves two of its boxes without a label relation, so
    // assistive technology would announce them by their current text only.
    for (const auto& [label, box] : {std::pair{"lookInLabel", "lookInCombo"}, {"fileTypeLabel", "fileTypeCombo"}}) {
        auto* text = findChild<QLabel*>(QLatin1String(label));
        if (text != nullptr && text->buddy() == nullptr)
            text->setBuddy(findChild<QWidget*>(QLatin1String(box)));
    }

    connect(this, &QFileDialog::currentChanged, this, &CXDlg2::OnHighlightChange);
    if (const auto* files = findChild<QAbstractItemView*>(QStringLiteral("listView")); files && files->selectionModel())
        connect(files->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CXDlg2::OnHighlightChange);
    connect(this, &QFileDialog::filesSelected, this, &CXDlg2::OnFilesAccepted);
    if (const auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); name && name->completer()) {
        suggestions = name->completer()->popup();
        suggestions->installEventFilter(this);
    }
    // The file list's columns follow their contents as the folder's files come in.
    fitFileColumns.setSingleShot(true);
    fitFileColumns.setInterval(0);
    connect(&fitFileColumns, &QTimer::timeout, this, &CXDlg2::FitFileColumns);
    if (auto* model = findChild<QFileSystemModel*>()) {
        const auto fit = [this] { fitFileColumns.start(); };
        connect(model, &QFileSystemModel::directoryLoaded, this, fit);
        connect(model, &QAbstractItemModel::rowsInserted, this, fit);
        connect(model, &QAbstractItemModel::layoutChanged, this, fit);
    }
    // Queued: the dialog sets its own pattern for the new file type first.
    if (const auto* types = findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        connect(types, &QComboBox::currentIndexChanged, this, &CXDlg2::ApplyFileTypeFilter, Qt::QueuedConnection);
}

void CXDlg2::BuildPanel()
{
    auto* recentLabel = new QLabel(tr("MRU folders:"), this);
    recentFolderBox = new QComboBox(this);
    recentFolderBox->setObjectName(QStringLiteral("recentFolderBox"));
    recentFolderBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    recentFolderBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    recentFolderBox->setMinimumContentsLength(20);
    recentFolderBox->setMaxVisibleItems(kRecentFolders);
    recentLabel->setBuddy(recentFolderBox);

    auto* regionLabel = new QLabel(tr("Pro Tools region definitions:"), this);
    regionsRadio = new QRadioButton(tr("Regions"), this);
    regionsRadio->setObjectName(QStringLiteral("regionsRadio"));
    timeStampsRadio = new QRadioButton(tr("Time Stamps"), this);
    timeStampsRadio->setObjectName(QStringLiteral("timeStampsRadio"));

    previewList = new CReportListCtrl(this);
    previewList->setObjectName(QStringLiteral("previewList"));
    previewList->setAccessibleName(tr("Regions"));
    previewList->setFixedHeight(fontMetrics().height() * 8);
    previewList->InsertColumn(0, kColumnFormat, kNameColumnWidth, tr("Region Name"));
    previewList->InsertColumn(1, kColumnFormat, TimeColumnWidth(previewList->fontMetrics()), tr("Start"));
    previewList->InsertColumn(2, kColumnFormat, TimeColumnWidth(previewList->fontMetrics()), tr("End"));
    previewList->SetHighlightMode(CReportListCtrl::HighlightRow);
    previewList->EnableColumnDrag(1);

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

    connect(regionsRadio, &QRadioButton::clicked, this, &CXDlg2::OnRegionsMode);
    connect(timeStampsRadio, &QRadioButton::clicked, this, &CXDlg2::OnTimeStampsMode);
    connect(recentFolderBox, &QComboBox::activated, this, &CXDlg2::OnRecentFolderPicked);

    // Qt's dialog lays its controls out in a grid: the places bar (sidebar)
    // shares a splitter with the file list. Everything moves one column to the
    // right, the sidebar takes the new left column down to the bottom of the
    // time-stamp frame, and the panel's rows go below the file-type row, so
    // that the labels line up with the file-type label, the recent-folder box
    // with the file-type box and the preview with the file list.
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (grid == nullptr)
        return;
    struct Placed {
        QLayoutItem* item;
        int row, column, rowSpan, columnSpan;
    };
    std::vector<Placed> placed;
    for (int i = grid->count() - 1; i >= 0; --i) {
        Placed p{nullptr, 0, 0, 0, 0};
        grid->getItemPosition(i, &p.row, &p.column, &p.rowSpan, &p.columnSpan);
        p.item = grid->takeAt(i);
        placed.push_back(p);
    }
    int firstPanelRow = 0;
    for (const Placed& p : placed) {
        grid->addItem(p.item, p.row, p.column + 1, p.rowSpan, p.columnSpan, p.item->alignment());
        firstPanelRow = std::max(firstPanelRow, p.row + p.rowSpan);
    }
    const int listRow = 1;
    const int lastColumns = 3;

    grid->addWidget(recentLabel, firstPanelRow, 1);
    grid->addWidget(recentFolderBox, firstPanelRow, 2);

    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(regionLabel);
    modeRow->addSpacing(fontMetrics().averageCharWidth() * 4);
    modeRow->addWidget(regionsRadio);
    modeRow->addWidget(timeStampsRadio);
    modeRow->addStretch(1);
    grid->addLayout(modeRow, firstPanelRow + 1, 1, 1, lastColumns);

    grid->addWidget(previewList, firstPanelRow + 2, 1, 1, lastColumns);

    auto* timeStampRow = new QHBoxLayout;
    const int inset = timeStampFrame->frameWidth() + 2;
    timeStampRow->setContentsMargins(0, inset, inset, inset);
    timeStampRow->addWidget(timeStampLabel);
    timeStampRow->addSpacing(fontMetrics().averageCharWidth() * 2);
    timeStampRow->addWidget(timeStampText, 1);
    grid->addWidget(timeStampFrame, firstPanelRow + 3, 1, 1, lastColumns);
    grid->addLayout(timeStampRow, firstPanelRow + 3, 1, 1, lastColumns);

    if (auto* sidebar = findChild<QWidget*>(QStringLiteral("sidebar"))) {
        sidebar->setParent(this);
        grid->addWidget(sidebar, listRow, 0, firstPanelRow + 4 - listRow, 1);
    }
    grid->setRowStretch(listRow, 1);
    // The labels were created last; keep them above the frame they sit in.
    timeStampLabel->raise();
    timeStampText->raise();
}

void CXDlg2::ApplyFirstSize()
{
    // The detail and the list view take turns in one place.
    auto* details = findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* list = findChild<QAbstractItemView*>(QStringLiteral("listView"));
    if (details == nullptr || list == nullptr)
        return;
    ensurePolished();
    const auto showRows = [&](int rows) {
        const int height = FileListHeight(*details, rows);
        details->setMinimumHeight(height);
        list->setMinimumHeight(height);
    };
    showRows(kFirstFileRows);
    QSize first = sizeHint().expandedTo(minimumSizeHint());
    showRows(kMinimumFileRows);

    // Never larger than the screen's free area less a title bar, unless the
    // smallest usable size is larger still; a kept size only while it fits.
    const QScreen* on = parentWidget() != nullptr ? parentWidget()->screen() : screen();
    QSize room = on != nullptr ? on->availableGeometry().size() : first;
    room.rheight() -= style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    room = room.expandedTo(minimumSizeHint());
    first = first.boundedTo(room);
    const QSize kept(profile.GetInt(recentFolderSection, kWidth, 0), profile.GetInt(recentFolderSection, kHeight, 0));
    const bool keptFits = !kept.isEmpty() && kept.width() <= room.width() && kept.height() <= room.height();
    resize(keptFits ? kept.expandedTo(minimumSizeHint()) : first);
}

void CXDlg2::FitFileColumns()
{
    // Qt's dialog sizes them for sample texts without the cells' margins.
    auto* details = findChild<QTreeView*>(QStringLiteral("treeView"));
    if (details == nullptr)
        return;
    QHeaderView* header = details->header();
    const auto* items = static_cast<const QAbstractItemView*>(details);  // public there
    const auto needed = [&](int column) {
        return std::max(header->sectionSizeHint(column), items->sizeHintForColumn(column));
    };
    int others = 0;
    for (int column = 1; column < header->count(); ++column) {
        if (header->isSectionHidden(column))
            continue;
        header->resizeSection(column, needed(column));
        others += header->sectionSize(column);
    }
    // Names take what they need while the other columns stay in view.
    const int room = details->viewport()->width() - others;
    header->resizeSection(0, std::max({header->sectionSizeHint(0), std::min(needed(0), room), header->sectionSize(0)}));
}

void CXDlg2::FitPreviewColumns()
{
    const QFontMetrics metrics = previewList->fontMetrics();
    for (int column = 0; column < previewList->ColumnCount(); ++column) {
        int width = std::max(column == 0 ? kNameColumnWidth : TimeColumnWidth(metrics),
                             previewList->header()->sectionSizeHint(column));
        for (int row = 0; row < previewList->ItemCount(); ++row)
            width = std::max(width, metrics.horizontalAdvance(previewList->ItemText(row, column)) + CellPadding(metrics));
        previewList->header()->resizeSection(column, width);
    }
}

void CXDlg2::done(int result)
{
    profile.WriteInt(recentFolderSection, kWidth, width());
    profile.WriteInt(recentFolderSection, kHeight, height());
    QFileDialog::done(result);
}

bool CXDlg2::eventFilter(QObject* watched, QEvent* event)
{
    // A click beside the completion list closes it and still does what it
    // was aimed at, say picking a file in the file list.
    if (watched == suggestions && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (!suggestions->rect().contains(press->position().toPoint())) {
            suggestions->setAttribute(Qt::WA_NoMouseReplay);  // Qt's own replay, where it has one, would repeat it
            suggestions->hide();
            const QPoint global = press->globalPosition().toPoint();
            if (QWidget* target = childAt(mapFromGlobal(global))) {
                QMouseEvent again(press->type(), target->mapFromGlobal(press->globalPosition()),
                                  mapFromGlobal(press->globalPosition()), press->globalPosition(), press->button(),
                                  press->buttons(), press->modifiers(), press->pointingDevice());
                QCoreApplication::sendEvent(target, &again);
            }
            return true;
        }
    }
    return QFileDialog::eventFilter(watched, event);
}

void CXDlg2::SetOkButtonText(const QString& text)
{
    okButtonText = text;
    hasOkButtonText = true;
}

int CXDlg2::RunModal()
{
    return exec() == QDialog::Accepted ? 1 : 2;
}

QStringList CXDlg2::ChosenPaths() const
{
    return selectedFiles();
}

void CXDlg2::showEvent(QShowEvent* event)
{
    QFileDialog::showEvent(event);
    if (!ready) {
        ready = true;
        OnDialogReady();
    }
}

void CXDlg2::OnDialogReady()
{
    showTimeStamps = profile.GetInt(recentFolderSection, kShowTimeStamps, 0);
    if (showTimeStamps != 0) {
        timeStampsRadio->setChecked(true);
        OnTimeStampsMode();
    } else {
        regionsRadio->setChecked(true);
        OnRegionsMode();
    }
    LoadRecentFolders();
    highlightedPath.clear();
    highlightReported = false;
    if (hasOkButtonText)
        setLabelText(QFileDialog::Accept, okButtonText);
}

QString CXDlg2::HighlightedFile() const
{
    // A folder, or several items, give no single path.
    const QStringList selected = selectedFiles();
    if (selected.size() != 1 || !QFileInfo(selected.first()).isFile())
        return {};
    return selected.first();
}

void CXDlg2::OnHighlightChange()
{
    QString path = HighlightedFile();
    // Only a WAV file is previewed; for anything else the preview is empty.
    if (!path.endsWith(QStringLiteral("wav"), Qt::CaseInsensitive))
        path.clear();
    // One click reports both a new current item and a new selection.
    if (highlightReported && path == highlightedPath)
        return;
    highlightReported = true;
    highlightedPath = path;
    RefreshPreview(path);
}

void CXDlg2::OnRegionsMode()
{
    showTimeStamps = 0;
    profile.WriteInt(recentFolderSection, kShowTimeStamps, 0);
    previewList->SetColumn(0, kColumnFormat, kNameColumnWidth, tr("Region Name"));
    previewList->SetColumn(1, kColumnFormat, TimeColumnWidth(previewList->fontMetrics()), tr("Start"));
    previewList->SetColumn(2, kColumnFormat, TimeColumnWidth(previewList->fontMetrics()), tr("End"));
    RefreshPreview(highlightedPath);
}

void CXDlg2::OnTimeStampsMode()
{
    showTimeStamps = 1;
    profile.WriteInt(recentFolderSection, kShowTimeStamps, 1);
    previewList->SetColumn(1, kColumnFormat, TimeColumnWidth(previewList->fontMetrics()), tr("Orig TS"));
    previewList->SetColumn(2, kColumnFormat, TimeColumnWidth(previewList->fontMetrics()), tr("User TS"));
    RefreshPreview(highlightedPath);
}

void CXDlg2::RefreshPreview(const QString& path)
{
    previewList->SetRedraw(false);
    previewList->DeleteAllItems();
    // Nothing of a file previewed before may stay on screen.
    timeStampText->clear();
    if (!path.isEmpty()) {
        CWaveFile wave(prompt);
        wave.SetFileName(QFile::encodeName(path).toStdString());
        // A file whose header cannot be read is no WAV file to preview.
        const RegionPreview preview = wave.HeaderLoaded() ? ReadRegionPreview(wave) : RegionPreview{};
        const bool timeStamps = showTimeStamps != 0;
        int row = 0;
        for (const RegionRecord& region : preview.regions) {
            previewList->InsertItem(row, QString::fromStdString(Cp1252ToUtf8(region.name)), row);
            previewList->SetItemText(row, 1, Timecode(timeStamps ? region.origTs : region.start, preview.sampleRate));
            previewList->SetItemText(row, 2, Timecode(timeStamps ? region.userTs : region.end, preview.sampleRate));
            ++row;
        }
        if (preview.timeStampValid)
            timeStampText->setText(preview.bextTimeReference != 0
                                       ? Timecode(preview.bextTimeReference, preview.sampleRate)
                                       : tr("(None)"));
    }
    previewList->SetRedraw(true);
    FitPreviewColumns();
}

void CXDlg2::OnRecentFolderPicked(int index)
{
    const QString folder = recentFolderBox->itemText(index);
    if (QFileInfo(folder).isDir()) {
        setDirectory(folder);
        // A name typed or picked in the old folder would hold Select back.
        if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->clear();
    } else
        prompt.ShowMessage(CoreText(tr("%1\nThis folder could not be found.").arg(folder).toStdString()));
}

void CXDlg2::OnFilesAccepted(const QStringList& files)
{
    if (!files.isEmpty())
        AddRecentFolder(QString::fromStdString(StoredFolderOfPath(files.first().toStdString())));
}

void CXDlg2::LoadRecentFolders()
{
    recentFolderBox->clear();
    for (int n = 1; n <= kRecentFolders; ++n) {
        const std::string folder = profile.GetString(recentFolderSection, RecentFolderKey(n));
        if (!folder.empty())
            recentFolderBox->addItem(QString::fromStdString(folder));
    }
    recentFolderBox->setCurrentIndex(recentFolderBox->count() > 0 ? 0 : -1);
}

void CXDlg2::AddRecentFolder(const QString& folder)
{
    if (folder.isEmpty())
        return;
    // Folder names are case-sensitive: only the same spelling is the same folder.
    const int found = recentFolderBox->findText(folder, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (found >= 0)
        recentFolderBox->removeItem(found);
    recentFolderBox->insertItem(0, folder);
    recentFolderBox->setCurrentIndex(0);

    const int count = std::min(recentFolderBox->count(), kRecentFolders);
    for (int n = count; n >= 1; --n)
        profile.WriteString(recentFolderSection, RecentFolderKey(n), recentFolderBox->itemText(n - 1).toStdString());
}

void CXDlg2::ApplyFileTypeFilter()
{
    // "*.*" is the familiar name for every file, but as a pattern it would
    // leave out names without a dot.
    if (selectedNameFilter() != AllFilesFilter())
        return;
    if (auto* files = findChild<QFileSystemModel*>())
        files->setNameFilters({QStringLiteral("*")});
}
