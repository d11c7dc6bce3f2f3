#include "controls/CReportListCtrl.h"

#include "controls/CDragHeaderCtrl.h"
#include "controls/CReportListModel.h"

#include <QFocusEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <vector>

namespace {

std::size_t ToIndex(int n)
{
    return static_cast<std::size_t>(n);
}

}  // namespace

CReportListCtrl::CReportListCtrl(QWidget* parent)
    : QTreeView(parent), table(new CReportListModel(this)), dragHeader(new CDragHeaderCtrl(this))
{
    setHeader(dragHeader);
    setModel(table);
    dragHeader->SetMoveHandler([this](int from, int to) { MoveColumn(from, to); });
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setTextElideMode(Qt::ElideRight);
}

CReportListCtrl::~CReportListCtrl() = default;

int CReportListCtrl::SetHighlightMode(int mode)
{
    const int previous = highlightMode;
    highlightMode = mode;
    viewport()->update();
    return previous;
}

int CReportListCtrl::EnableColumnDrag(int enable)
{
    return dragHeader->SetDragEnabled(enable != 0) ? 1 : 0;
}

int CReportListCtrl::InsertColumn(int column, Qt::Alignment format, int width, const QString& text)
{
    // A new column changes the shape of the table, which the views must see
    // even while redrawing is held back.
    const bool quiet = table->IsQuiet();
    table->SetQuiet(false);
    column = std::clamp(column, 0, ColumnCount());
    table->InsertColumn(column, {format, text});
    dragHeader->resizeSection(column, width);
    table->SetQuiet(quiet);
    return column;
}

void CReportListCtrl::SetColumn(int column, Qt::Alignment format, int width, const QString& text)
{
    if (column < 0 || column >= ColumnCount())
        return;
    table->SetColumn(column, {format, text});
    dragHeader->resizeSection(column, width);
}

int CReportListCtrl::ColumnCount() const
{
    return table->ColumnCount();
}

QString CReportListCtrl::ColumnText(int column) const
{
    return column >= 0 && column < ColumnCount() ? table->ColumnAt(column).text : QString();
}

Qt::Alignment CReportListCtrl::ColumnFormat(int column) const
{
    return column >= 0 && column < ColumnCount() ? table->ColumnAt(column).format : Qt::Alignment();
}

int CReportListCtrl::InsertItem(int row, const QString& text, qintptr value)
{
    row = std::clamp(row, 0, ItemCount());
    table->InsertRow(row, text, value);
    return row;
}

void CReportListCtrl::SetItemText(int row, int column, const QString& text)
{
    if (row >= 0 && row < ItemCount() && column >= 0 && column < ColumnCount())
        table->SetText(row, column, text);
}

void CReportListCtrl::DeleteAllItems()
{
    table->Clear();
}

int CReportListCtrl::ItemCount() const
{
    return table->RowCount();
}

QString CReportListCtrl::ItemText(int row, int column) const
{
    if (row < 0 || row >= ItemCount() || column < 0 || column >= ColumnCount())
        return {};
    return table->Text(row, column);
}

qintptr CReportListCtrl::ItemData(int row) const
{
    return row >= 0 && row < ItemCount() ? table->Data(row) : 0;
}

void CReportListCtrl::SetRedraw(bool redraw)
{
    table->SetQuiet(!redraw);
}

void CReportListCtrl::MoveColumn(int from, int to)
{
    const int count = ColumnCount();
    if (from < 0 || from >= count || to < 0 || to > count || to == from || to == from + 1)
        return;
    std::vector<int> widths;
    for (int i = 0; i < count; ++i)
        widths.push_back(columnWidth(i));
    MoveElement(widths, from, to);
    table->MoveColumn(from, to);
    for (int i = 0; i < count; ++i)
        dragHeader->resizeSection(i, widths[ToIndex(i)]);
    viewport()->update();
}

QRect CReportListCtrl::RowHighlightRect(int row) const
{
    const QRect cell = visualRect(table->index(row, 0));
    return QRect(QPoint(columnViewportPosition(0), cell.top()), QPoint(viewport()->width() - 1, cell.bottom()));
}

void CReportListCtrl::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (highlightMode != HighlightRow) {
        QTreeView::drawRow(painter, option, index);
        return;
    }
    painter->save();
    const int row = index.row();
    const int columns = ColumnCount();
    const bool focused = hasFocus();
    const bool highlighted = focused && selectionModel()->isRowSelected(row, {});
    const QFontMetrics metrics(font());
    const int pad = 2 * metrics.horizontalAdvance(QLatin1Char(' '));
    const int top = option.rect.top();
    const int height = option.rect.height();
    const int left = columnViewportPosition(0);
    int boundsRight = left;
    for (int c = 0; c < columns; ++c)
        boundsRight += columnWidth(c);

    // From column 0 to the right edge of the list, whether columns reach it or not.
    const QRect highlightRect(QPoint(left, top), QPoint(viewport()->width() - 1, top + height - 1));
    const QPalette& colours = palette();
    if (highlighted) {
        painter->fillRect(highlightRect, colours.color(QPalette::Highlight));
        painter->setPen(colours.color(QPalette::HighlightedText));
    } else {
        painter->fillRect(highlightRect, colours.color(QPalette::Base));
        painter->setPen(colours.color(QPalette::Text));
    }

    const auto drawCell = [&](const QRect& area, const QString& text, Qt::Alignment horizontal) {
        const QString shown = metrics.elidedText(text, Qt::ElideRight, std::max(area.width(), 0));
        painter->drawText(
            area, static_cast<int>((horizontal | Qt::AlignVCenter).toInt()) | Qt::TextSingleLine | Qt::TextDontClip,
            shown);
    };

    if (columns > 0) {
        // Column 0 is always left-aligned, whatever its format says.
        const int width0 = columnWidth(0);
        painter->setClipRect(QRect(left, top, width0, height));
        drawCell(QRect(left + pad / 2, top, width0 - pad / 2 - pad, height), ItemText(row, 0), Qt::AlignLeft);

        painter->setClipRect(
            QRect(QPoint(left, top), QPoint(std::max(boundsRight - 1, highlightRect.right()), top + height - 1)));
        int x = left + width0;
        for (int c = 1; c < columns; ++c) {
            const int width = columnWidth(c);
            const QString text = ItemText(row, c);
            if (!text.isEmpty())
                drawCell(QRect(x + pad, top, width - 2 * pad, height), text,
                         ColumnFormat(c) & Qt::AlignHorizontal_Mask);
            x += width;
        }
    }

    if (focused && currentIndex().row() == row) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = highlightRect;
        focus.backgroundColor = colours.color(highlighted ? QPalette::Highlight : QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, this);
    }
    painter->restore();
}

QRegion CReportListCtrl::visualRegionForSelection(const QItemSelection& selection) const
{
    const QRegion cells = QTreeView::visualRegionForSelection(selection);
    if (highlightMode != HighlightRow)
        return cells;
    // A selected row is painted up to the right edge, so repaint it that far.
    QRegion rows;
    for (const QRect& rect : cells)
        rows += QRect(rect.topLeft(), QPoint(std::max(rect.right(), viewport()->width() - 1), rect.bottom()));
    return rows;
}

void CReportListCtrl::focusInEvent(QFocusEvent* event)
{
    // Not the base handling: it repaints the whole list. Only the frame (which
    // the style may draw differently with the focus) and the rows that show
    // the focus are repainted.
    update(QRegion(rect()).subtracted(viewport()->geometry()));
    UpdateFocusRows();
    event->accept();
}

void CReportListCtrl::focusOutEvent(QFocusEvent* event)
{
    update(QRegion(rect()).subtracted(viewport()->geometry()));
    UpdateFocusRows();
    event->accept();
}

void CReportListCtrl::UpdateFocusRows()
{
    if (ItemCount() == 0)
        return;
    const QRect visible = viewport()->rect();
    QRegion region;
    if (currentIndex().isValid())
        region += RowHighlightRect(currentIndex().row()) & visible;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        region += RowHighlightRect(range.top()).united(RowHighlightRect(range.bottom())) & visible;
    viewport()->update(region);
}
