#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <algorithm>
#include <vector>

// The texts of a CReportListCtrl, by row and column position, with one data
// value per row. While quiet (SetQuiet(true)) row changes are made without
// telling the views; the reset at the end does. Positions are trusted: the
// list checks them.
class CReportListModel : public QAbstractTableModel {
public:
    struct Column {
        Qt::Alignment format;
        QString text;
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int ColumnCount() const;
    const Column& ColumnAt(int column) const;
    int RowCount() const;
    const QString& Text(int row, int column) const;
    qintptr Data(int row) const;
    bool IsQuiet() const { return quiet; }

    void InsertColumn(int at, Column column);
    void SetColumn(int at, Column column);
    void InsertRow(int at, const QString& text, qintptr value);
    void SetText(int row, int column, const QString& text);
    void Clear();
    void SetQuiet(bool on);
    // Moves column from, with every row's text, in front of the column at to.
    void MoveColumn(int from, int to);

private:
    struct Row {
        std::vector<QString> texts;
        qintptr data = 0;
    };

    std::vector<Column> columns;
    std::vector<Row> rows;
    bool quiet = false;
};

// Moves element from in front of element to (the size for the end).
template <typename Vector>
void MoveElement(Vector& items, int from, int to)
{
    const auto first = items.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to);
    else
        std::rotate(first + to, first + from, first + from + 1);
}
