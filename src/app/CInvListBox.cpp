#include "app/CInvListBox.h"

#include <QFile>
#include <QKeyEvent>
#include <QScopedValueRollback>

#include <algorithm>
#include <memory>
#include <optional>

#include <sys/stat.h>

namespace {

// What tells the file at path from every other, when it exists.
std::optional<std::pair<qulonglong, qulonglong>> FileIdOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return std::pair(static_cast<qulonglong>(info.st_dev), static_cast<qulonglong>(info.st_ino));
}

} // namespace

CInvListBox::Entry::Entry(const QString& path, FileKey key)
    : QListWidgetItem(path), folded(path.toCaseFolded()), file(std::move(key))
{
}

// Without regard to letter case; names that differ only in case by their exact text.
bool CInvListBox::Entry::SortsBefore(const Entry& other) const
{
    const int order = folded.compare(other.folded);
    return order != 0 ? order < 0 : text() < other.text();
}

CInvListBox::CInvListBox(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Reachable with Tab: without it the keyboard could neither pick nor delete a file.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!selectingByProgram)
            emit SelectionChanged();
    });
}

int CInvListBox::AddString(const QString& path)
{
    FileKey key = path;
    if (const auto id = FileIdOf(path))
        key = *id;
    if (const auto found = listed.find(key); found != listed.end())
        return row(found->second);

    auto entry = std::make_unique<Entry>(path, std::move(key));
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (entry->SortsBefore(EntryAt(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    const QScopedValueRollback guard(selectingByProgram, true);
    listed.emplace(entry->file, entry.get());
    insertItem(low, entry.release());
    return low;
}

const CInvListBox::Entry& CInvListBox::EntryAt(int index) const
{
    // Every entry comes from AddString.
    return *static_cast<const Entry*>(item(index));
}

QString CInvListBox::Text(int index) const
{
    const QListWidgetItem* entry = item(index);
    return entry != nullptr ? entry->text() : QString();
}

void CInvListBox::DeleteString(int index)
{
    const QScopedValueRollback guard(selectingByProgram, true);
    const std::unique_ptr<QListWidgetItem> entry(takeItem(index));
    if (entry)
        listed.erase(static_cast<const Entry&>(*entry).file);
}

int CInvListBox::CurrentSelection() const
{
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

void CInvListBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete) {
        int position = CurrentSelection();
        if (position >= 0) {
            DeleteString(position);
            if (count() > 0) {
                position = std::min(position, count() - 1);
                SetCurrentSelection(position);
            }
            // Queued: the owner reacts after this key has been dealt with.
            QMetaObject::invokeMethod(this, &CInvListBox::FileListChanged, Qt::QueuedConnection);
        }
    }
    QListWidget::keyPressEvent(event);
}
