#pragma once

#include <QTreeView>

class CDragHeaderCtrl;
class CReportListModel;

// A list in report view that draws its rows itself, so that a highlighted row
// is painted across the whole width of the list, and whose columns the user
// can rearrange by dragging their headers (see CDragHeaderCtrl). Rows carry
// texts and one data value each; nothing is sorted.
class CReportListCtrl : public QTreeView {
    Q_OBJECT
public:
    enum HighlightMode {
        HighlightNormal = 0,  // the style's own row drawing
        HighlightRow = 2,  // the row highlighted up to the list's right edge
    };

    explicit CReportListCtrl(QWidget* parent = nullptr);
    ~CReportListCtrl() override;

    // Both return the previous setting.
    int SetHighlightMode(int mode);
    int EnableColumnDrag(int enable);

    CDragHeaderCtrl* Header() const { return dragHeader; }

    // Columns: format is the horizontal alignment of the column's texts and
    // header (column 0's row texts are always drawn left-aligned).
    int InsertColumn(int column, Qt::Alignment format, int width, const QString& text);
    void SetColumn(int column, Qt::Alignment format, int width, const QString& text);
    int ColumnCount() const;
    QString ColumnText(int column) const;
    Qt::Alignment ColumnFormat(int column) const;

    // Rows: the row is placed at row (at the end when beyond it) and its
    // index is returned.
    int InsertItem(int row, const QString& text, qintptr value);
    void SetItemText(int row, int column, const QString& text);
    void DeleteAllItems();
    int ItemCount() const;
    QString ItemText(int row, int column) const;
    qintptr ItemData(int row) const;

    // SetRedraw(false) holds back the views' updates while many rows change;
    // SetRedraw(true) shows the result at once.
    void SetRedraw(bool redraw);

    // Moves column from, with its format, width, header text and every row's
    // text, in front of the column now at position to (the column count for
    // the end). The other columns keep their order.
    void MoveColumn(int from, int to);

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void UpdateFocusRows();
    QRect RowHighlightRect(int row) const;

    CReportListModel* table = nullptr;  // owned as a child object
    CDragHeaderCtrl* dragHeader = nullptr;  // owned as a child widget
    int highlightMode = HighlightNormal;
};
