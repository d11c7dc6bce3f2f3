#pragma once

#include <QHeaderView>
#include <QPolygon>
#include <QRect>

#include <functional>
#include <vector>

// The header of a CReportListCtrl. When column dragging is enabled, pressing
// on a column and moving the mouse drags that column: a triangle under the
// header marks where it will land, and releasing the button hands (from, to)
// to the move handler. Its own dragging replaces QHeaderView's section moving,
// so that the columns themselves move, not only their display order.
class CDragHeaderCtrl : public QHeaderView {
    Q_OBJECT
public:
    using MoveHandler = std::function<void(int from, int to)>;

    // Where a drag dropped at x would land: before column `position` (the
    // column count for the end), whose left edge is `left`.
    struct DropPlace {
        int position = 0;
        int left = 0;
    };

    explicit CDragHeaderCtrl(QWidget* parent = nullptr);

    void SetMoveHandler(MoveHandler handler);
    // Returns the previous setting.
    bool SetDragEnabled(bool enable);
    bool DragEnabled() const { return dragEnabled; }

    bool IsDragPending() const { return state == DragState::Pending; }
    bool IsDragging() const { return state == DragState::Dragging; }
    int DropTarget() const { return dropTarget; }
    const QRect& MarkerRect() const { return markerRect; }

    // The drop position for x (from the left edge of column 0) over columns
    // of the given widths, in column order.
    static DropPlace FindDropPosition(const std::vector<int>& widths, int x);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    enum class DragState { Idle, Pending, Dragging };

    // The column whose body (not a divider) lies under x; -1 for none.
    int ColumnBodyAt(int x) const;
    void EndDrag();
    void PlaceMarker(int left);

    MoveHandler moveHandler;
    bool dragEnabled = false;
    DragState state = DragState::Idle;
    // Column widths when the drag started: the drop position is found from
    // these, not from the header, which may be relaid out meanwhile.
    std::vector<int> widthSnapshot;
    int dragFrom = 0;
    int dropTarget = 0;
    QRect markerRect;
    QPolygon marker;
};
