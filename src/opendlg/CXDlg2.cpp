#include "opendlg/CXDlg2.h"

#include "opendlg/CFileDialogParts.h"
#include "opendlg/CRecentFolders.h"
#include "opendlg/CRegionPreviewPanel.h"
#include "opendlg/ProfileText.h"
#include "platform/CProfileFile.h"
#include "platform/Folders.h"
#include "wave/CUserPrompt.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTreeView>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

QString WavFilter()
{
    return CXDlg2::tr("WAV files (*.wav)");
}
QString AllFilesFilter()
{
    return CXDlg2::tr("All Files (*.*)");
}
// The dialog's own settings share the recent folders' section.
constexpr const char* kSection = CRecentFolders::Section;
constexpr const char* kShowTimeStamps = "ShowTimeStamps";
constexpr const char* kWidth = "Width";
constexpr const char* kHeight = "Height";
// Rows of files the file list shows at least, and when the dialog first opens.
constexpr int kMinimumFileRows = 4;
constexpr int kFirstFileRows = 10;

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

}  // namespace

CXDlg2::CXDlg2(CProfileFile& profileFile, CUserPrompt& userPrompt, QWidget* parent)
    : QFileDialog(parent),
      profile(profileFile),
      prompt(userPrompt),
      recentFolders(std::make_unique<CRecentFolders>(profile))
{
    // Qt's own dialog rather than the desktop's, so that the panel can be part of it.
    setOption(QFileDialog::DontUseNativeDialog, true);
    // Qt's widgets exist from here on.
    parts = std::make_unique<CFileDialogParts>(*this);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFiles);
    setDefaultSuffix(QStringLiteral("wav"));
    setNameFilters({WavFilter(), AllFilesFilter()});
    setSizeGripEnabled(true);
    BuildPanel();
    ApplyFirstSize();
    // Qt's dialog leaves two of its boxes without a label relation, so
    // assistive technology would announce them by their current text only.
    for (const auto& [label, box] : {std::pair<QLabel*, QWidget*>{parts->LookInLabel(), parts->LookInBox()},
                                     {parts->FileTypeLabel(), parts->FileTypeBox()}}) {
        if (label != nullptr && label->buddy() == nullptr)
            label->setBuddy(box);
    }

    connect(this, &QFileDialog::currentChanged, this, &CXDlg2::OnHighlightChange);
    if (const auto* files = parts->ListView(); files && files->selectionModel())
        connect(files->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CXDlg2::OnHighlightChange);
    connect(this, &QFileDialog::filesSelected, this, &CXDlg2::OnFilesAccepted);
    if (const auto* name = parts->FileNameField(); name && name->completer()) {
        suggestions = name->completer()->popup();
        suggestions->installEventFilter(this);
    }
    // The file list's columns follow their contents as the folder's files come in.
    fitFileColumns.setSingleShot(true);
    fitFileColumns.setInterval(0);
    connect(&fitFileColumns, &QTimer::timeout, this, &CXDlg2::FitFileColumns);
    if (auto* model = parts->FileModel()) {
        const auto fit = [this] { fitFileColumns.start(); };
        connect(model, &QFileSystemModel::directoryLoaded, this, fit);
        connect(model, &QAbstractItemModel::rowsInserted, this, fit);
        connect(model, &QAbstractItemModel::layoutChanged, this, fit);
    }
    // Queued: the dialog sets its own pattern for the new file type first.
    if (const auto* types = parts->FileTypeBox())
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
    recentFolderBox->setMaxVisibleItems(CRecentFolders::Capacity);
    recentLabel->setBuddy(recentFolderBox);

    preview = new CRegionPreviewPanel(prompt, this);
    preview->setObjectName(QStringLiteral("regionPreview"));
    connect(preview, &CRegionPreviewPanel::TimeStampsChosen, this,
            [this](bool on) { profile.WriteInt(kSection, kShowTimeStamps, on ? 1 : 0); });
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

    // The preview keeps to the dialog's spacing, as if its rows were the grid's.
    preview->SetSpacing(grid->verticalSpacing(), grid->horizontalSpacing());
    grid->addWidget(preview, firstPanelRow + 1, 1, 3, lastColumns);

    if (QWidget* sidebar = parts->Sidebar()) {
        sidebar->setParent(this);
        grid->addWidget(sidebar, listRow, 0, firstPanelRow + 4 - listRow, 1);
    }
    grid->setRowStretch(listRow, 1);
}

void CXDlg2::ApplyFirstSize()
{
    // The detail and the list view take turns in one place.
    QTreeView* details = parts->DetailView();
    QAbstractItemView* list = parts->ListView();
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
    const QSize kept(profile.GetInt(kSection, kWidth, 0), profile.GetInt(kSection, kHeight, 0));
    const bool keptFits = !kept.isEmpty() && kept.width() <= room.width() && kept.height() <= room.height();
    resize(keptFits ? kept.expandedTo(minimumSizeHint()) : first);
}

void CXDlg2::FitFileColumns()
{
    // Qt's dialog sizes them for sample texts without the cells' margins.
    QTreeView* details = parts->DetailView();
    if (details == nullptr)
        return;
    QHeaderView* header = details->header();
    const auto* items = static_cast<const QAbstractItemView*>(details);  // public there
    const auto needed
        = [&](int column) { return std::max(header->sectionSizeHint(column), items->sizeHintForColumn(column)); };
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

CXDlg2::~CXDlg2() = default;

void CXDlg2::done(int result)
{
    profile.WriteInt(kSection, kWidth, width());
    profile.WriteInt(kSection, kHeight, height());
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
    preview->ShowTimeStamps(profile.GetInt(kSection, kShowTimeStamps, 0) != 0);
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
    const QString path = HighlightedFile();
    // One click reports both a new current item and a new selection.
    if (highlightReported && path == highlightedPath)
        return;
    highlightReported = true;
    highlightedPath = path;
    RefreshPreview(path);
}

void CXDlg2::RefreshPreview(const QString& path)
{
    preview->ShowFile(path);
}

void CXDlg2::OnRecentFolderPicked(int index)
{
    const QString folder = recentFolderBox->itemText(index);
    if (QFileInfo(folder).isDir()) {
        setDirectory(folder);
        // A name typed or picked in the old folder would hold Select back.
        if (QLineEdit* name = parts->FileNameField())
            name->clear();
    } else
        prompt.ShowMessage(CoreText(tr("%1\nThis folder could not be found.").arg(folder).toStdString()));
}

void CXDlg2::OnFilesAccepted(const QStringList& files)
{
    if (files.isEmpty())
        return;
    recentFolders->Add(StoredFolderOfPath(ToProfileText(files.first())));
    LoadRecentFolders();
}

void CXDlg2::LoadRecentFolders()
{
    recentFolderBox->clear();
    for (const std::string& folder : recentFolders->Folders())
        recentFolderBox->addItem(FromProfileText(folder));
    recentFolderBox->setCurrentIndex(recentFolderBox->count() > 0 ? 0 : -1);
}

void CXDlg2::ApplyFileTypeFilter()
{
    // "*.*" is the familiar name for every file, but as a pattern it would
    // leave out names without a dot.
    if (selectedNameFilter() != AllFilesFilter())
        return;
    if (QFileSystemModel* files = parts->FileModel())
        files->setNameFilters({QStringLiteral("*")});
}
