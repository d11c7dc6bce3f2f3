#include "app/CInvListBox.h"

#include "platform/Folders.h"

#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>

namespace {

// All rows of the list are one size, as wide as the widest path: measuring
// each of 100,000 rows whenever the list lays them out would take seconds.
class CWidestRowDelegate : public QStyledItemDelegate {
public:
    CWidestRowDelegate(const int& widestText, QObject* parent) : QStyledItemDelegate(parent), widest(widestText) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const int text = option.fontMetrics.horizontalAdvance(index.data().toString());
        if (widest > text)
            size.rwidth() += widest - text;
        return size;
    }

private:
    const int& widest;
};

// Above this many entries removed at once the list is rebuilt rather than
// closed up once per entry.
constexpr std::size_t RemovedOneByOne = 64;

}  // namespace

CInvListBox::Entry::Entry(Candidate candidate)
    : QListWidgetItem(candidate.path), folded(candidate.path.toCaseFolded()), file(std::move(candidate.file))
{}

// Without regard to letter case; names that differ only in case by their exact text.
bool CInvListBox::Entry::operator<(const QListWidgetItem& item) const
{
    const Entry& other = static_cast<const Entry&>(item);
    const int order = folded.compare(other.folded);
    return order != 0 ? order < 0 : text() < other.text();
}

CInvListBox::CInvListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setItemDelegate(new CWidestRowDelegate(widestPath, this));
    // Reachable with Tab: without it the keyboard could neither pick nor delete a file.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!selectingByProgram)
            emit SelectionChanged();
    });
}

CInvListBox::Candidate CInvListBox::Identify(const QString& path)
{
    const std::optional<FileIdentity> identity = IdentityOfPath(path.toStdString());
    if (!identity)
        return {path, path};
    return {path, std::pair(static_cast<qulonglong>(identity->device), static_cast<qulonglong>(identity->inode))};
}

void CInvListBox::AddStrings(std::vector<Candidate> paths)
{
    // A path's width is taken as the advances of its characters added up:
    // measuring each whole text would take most of the time of a long
    // listing, and kerning only ever makes the text a little narrower.
    const QFontMetrics metrics = fontMetrics();
    std::array<int, 0x300> advances{};
    advances.fill(-1);
    const auto widthOf = [&](const QString& text) {
        int width = 0;
        for (const QChar character : text) {
            if (character.unicode() >= advances.size())
                return metrics.horizontalAdvance(text);
            int& advance = advances[character.unicode()];
            if (advance < 0)
                advance = metrics.horizontalAdvance(character);
            width += advance;
        }
        return width;
    };
    std::vector<std::unique_ptr<Entry>> added;
    added.reserve(paths.size());
    for (Candidate& path : paths) {
        const auto [at, isNew] = listed.try_emplace(path.file, nullptr);
        if (!isNew)
            continue;
        added.push_back(std::make_unique<Entry>(std::move(path)));
        at->second = added.back().get();
        widestPath = std::max(widestPath, widthOf(added.back()->text()));
    }
    if (added.empty())
        return;

    // Sorted once for the whole batch: one by one, every insertion would move
    // the entries after it.
    std::sort(added.begin(), added.end(), [](const auto& a, const auto& b) { return *a < *b; });
    const bool follows = count() == 0 || EntryAt(count() - 1) < *added.front();
    const QScopedValueRollback guard(selectingByProgram, true);
    for (std::unique_ptr<Entry>& entry : added)
        addItem(entry.release());
    if (!follows)
        sortItems();
}

const CInvListBox::Entry& CInvListBox::EntryAt(int index) const
{
    // Every entry comes from AddStrings.
    return *static_cast<const Entry*>(item(index));
}

QString CInvListBox::Text(int index) const
{
    const QListWidgetItem* entry = item(index);
    return entry != nullptr ? entry->text() : QString();
}

void CInvListBox::DeleteStrings(std::vector<int> positions)
{
    std::sort(positions.begin(), positions.end(), std::greater<>());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    std::erase_if(positions, [this](int position) { return position < 0 || position >= count(); });
    if (positions.empty())
        return;

    const QScopedValueRollback guard(selectingByProgram, true);
    if (positions.size() <= RemovedOneByOne) {
        for (const int position : positions) {
            const std::unique_ptr<QListWidgetItem> entry(takeItem(position));
            listed.erase(static_cast<const Entry&>(*entry).file);
        }
        return;
    }
    // Taken from the end, nothing moves; the entries kept go back in order.
    std::vector<std::unique_ptr<QListWidgetItem>> kept;
    auto removed = positions.begin();
    for (int position = count() - 1; position >= 0; --position) {
        std::unique_ptr<QListWidgetItem> entry(takeItem(position));
        if (removed != positions.end() && *removed == position) {
            listed.erase(static_cast<const Entry&>(*entry).file);
            ++removed;
        } else {
            kept.push_back(std::move(entry));
        }
    }
    for (auto entry = kept.rbegin(); entry != kept.rend(); ++entry)
        addItem(entry->release());
}

int CInvListBox::CurrentSelection() const
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && selectionModel()->isSelected(current))
        return current.row();
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void CInvListBox::SetCurrentSelection(int index)
{
    const QScopedValueRollback guard(selectingByProgram, true);
    if (index < 0 || index >= count()) {
        clearSelection();
        return;
    }
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(index));
}

bool CInvListBox::HasSelection() const
{
    return selectionModel()->hasSelection();
}

void CInvListBox::RemoveSelected()
{
    std::vector<int> positions;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        positions.push_back(index.row());
    if (positions.empty())
        return;
    const int first = *std::min_element(positions.begin(), positions.end());
    DeleteStrings(std::move(positions));
    if (count() > 0)
        SetCurrentSelection(std::min(first, count() - 1));
    AnnounceChange();
}

void CInvListBox::RemoveAll()
{
    if (count() == 0)
        return;
    {
        const QScopedValueRollback guard(selectingByProgram, true);
        listed.clear();
        clear();
    }
    AnnounceChange();
}

void CInvListBox::AnnounceChange()
{
    // Queued: the owner reacts after the key or command has been dealt with.
    QMetaObject::invokeMethod(this, &CInvListBox::FileListChanged, Qt::QueuedConnection);
}

void CInvListBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete)
        RemoveSelected();
    QListWidget::keyPressEvent(event);
}
