#include "app/CInvListBox.h"

#include <QKeyEvent>
#include <QScopedValueRollback>

#include <algorithm>

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

int CInvListBox::AddString(const QString& text)
{
    // Upper bound, so that equal texts stay together in the order they came.
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (QString::compare(text, item(middle)->text(), Qt::CaseInsensitive) < 0)
            high = middle;
        else
            low = middle + 1;
    }
    const QScopedValueRollback guard(selectingByProgram, true);
    insertItem(low, text);
    return low;
}

QString CInvListBox::Text(int index) const
{
    const QListWidgetItem* entry = item(index);
    return entry != nullptr ? entry->text() : QString();
}

void CInvListBox::DeleteString(int index)
{
    const QScopedValueRollback guard(selectingByProgram, true);
    delete takeItem(index);
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
