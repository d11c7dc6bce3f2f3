#include "controls/CDragHeaderCtrl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <utility>

CDragHeaderCtrl::CDragHeaderCtrl(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    // A click on a column changes nothing: no sorting, no section moving.
    setSectionsClickable(false);
    setSectionsMovable(false);
    setSortIndicatorShown(false);
    setHighlightSections(false);
    setStretchLastSection(false);
    setMinimumSectionSize(0);
    setSectionResizeMode(QHeaderView::Interactive);
    // Moves without a button must arrive: they end a pending drag.
    setMouseTracking(true);
}

void CDragHeaderCtrl::SetMoveHandler(MoveHandler handler)
{
    moveHandler = std::move(handler);
}

bool CDragHeaderCtrl::SetDragEnabled(bool enable)
{
    return std::exchange(dragEnabled, enable);
}

CDragHeaderCtrl::DropPlace CDragHeaderCtrl::FindDropPosition(const std::vector<int>& widths, int x)
{
    if (x <= 0)
        return {0, 0};
    int left = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        if (x >= left && x < left + widths[i])
            return {static_cast<int>(i), left};
        left += widths[i];
    }
    return {static_cast<int>(widths.size()), left};
}

int CDragHeaderCtrl::ColumnBodyAt(int x) const
{
    const int visual = visualIndexAt(x);
    if (visual < 0)
        return -1;
    const int column = logicalIndex(visual);
    // The same grip margin QHeaderView uses to start a resize.
    const int grip = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this);
    const int left = sectionViewportPosition(column);
    const bool onLeftDivider = visual > 0 && x < left + grip;
    const bool onRightDivider = x > left + sectionSize(column) - grip;
    return onLeftDivider || onRightDivider ? -1 : column;
}

void CDragHeaderCtrl::mousePressEvent(QMouseEvent* event)
{
    if (dragEnabled && event->button() == Qt::LeftButton) {
        const int column = ColumnBodyAt(event->position().toPoint().x());
        if (column >= 0) {
            dragFrom = column;
            state = DragState::Pending;
        }
    }
    QHeaderView::mousePressEvent(event);
}

void CDragHeaderCtrl::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragEnabled) {
        QHeaderView::mouseMoveEvent(event);
        return;
    }
    if (!(event->buttons() & Qt::LeftButton)) {
        // The button went up where we did not see it: nothing moves.
        if (state == DragState::Dragging)
            EndDrag();
        state = DragState::Idle;
        QHeaderView::mouseMoveEvent(event);
        return;
    }
    if (state == DragState::Pending) {
        // The press already grabbed the mouse for this widget, so moves keep
        // arriving here wherever the pointer goes until the button is released.
        state = DragState::Dragging;
        dropTarget = dragFrom;
        widthSnapshot.clear();
        for (int i = 0; i < count(); ++i)
            widthSnapshot.push_back(sectionSize(logicalIndex(i)));
        return;
    }
    if (state == DragState::Dragging) {
        const DropPlace place = FindDropPosition(widthSnapshot, event->position().toPoint().x() + offset());
        if (place.position != dropTarget) {
            dropTarget = place.position;
            PlaceMarker(place.left - offset());
        }
        return;
    }
    QHeaderView::mouseMoveEvent(event);
}

void CDragHeaderCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (dragEnabled && event->button() == Qt::LeftButton && state == DragState::Dragging) {
        EndDrag();
        state = DragState::Idle;
        // Dropping a column on its own place or just right of it moves nothing.
        if (dragFrom != dropTarget && dragFrom != dropTarget - 1 && moveHandler)
            moveHandler(dragFrom, dropTarget);
    }
    QHeaderView::mouseReleaseEvent(event);
}

void CDragHeaderCtrl::EndDrag()
{
    widthSnapshot.clear();
    marker.clear();
    markerRect = QRect();
    viewport()->update();
}

void CDragHeaderCtrl::PlaceMarker(int left)
{
    viewport()->update(markerRect);
    const int h = viewport()->height();
    marker = QPolygon({QPoint(left, h), QPoint(left - h / 4, h / 2), QPoint(left + h / 4, h / 2)});
    markerRect = QRect(QPoint(left - h / 4 - 1, h - h / 2 - 1), QPoint(left + h / 4, h));
    viewport()->update(markerRect);
}

void CDragHeaderCtrl::paintEvent(QPaintEvent* event)
{
    QHeaderView::paintEvent(event);
    if (marker.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawPolygon(marker);
}
