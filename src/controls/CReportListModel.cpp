#include "controls/CReportListModel.h"

namespace {

int ToInt(std::size_t n)
{
    return static_cast<int>(n);
}

std::size_t ToIndex(int n)
{
    return static_cast<std::size_t>(n);
}

}  // namespace

int CReportListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RowCount();
}

int CReportListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount();
}

QVariant CReportListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return Text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        // Column 0's row texts are always left-aligned.
        const Qt::Alignment horizontal = index.column() == 0 ? Qt::AlignLeft : ColumnAt(index.column()).format;
        return (horizontal | Qt::AlignVCenter).toInt();
    }
    return {};
}

QVariant CReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount())
        return {};
    if (role == Qt::DisplayRole)
        return ColumnAt(section).text;
    if (role == Qt::TextAlignmentRole)
        return (ColumnAt(section).format | Qt::AlignVCenter).toInt();
    return {};
}

Qt::ItemFlags CReportListModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

int CReportListModel::ColumnCount() const
{
    return ToInt(columns.size());
}

const CReportListModel::Column& CReportListModel::ColumnAt(int column) const
{
    return columns[ToIndex(column)];
}

int CReportListModel::RowCount() const
{
    return ToInt(rows.size());
}

const QString& CReportListModel::Text(int row, int column) const
{
    return rows[ToIndex(row)].texts[ToIndex(column)];
}

qintptr CReportListModel::Data(int row) const
{
    return rows[ToIndex(row)].data;
}

void CReportListModel::InsertColumn(int at, Column column)
{
    beginInsertColumns({}, at, at);
    columns.insert(columns.begin() + at, std::move(column));
    for (Row& row : rows)
        row.texts.insert(row.texts.begin() + at, QString());
    endInsertColumns();
}

void CReportListModel::SetColumn(int at, Column column)
{
    columns[ToIndex(at)] = std::move(column);
    if (!quiet)
        emit headerDataChanged(Qt::Horizontal, at, at);
}

void CReportListModel::InsertRow(int at, const QString& text, qintptr value)
{
    if (!quiet)
        beginInsertRows({}, at, at);
    Row row{std::vector<QString>(columns.size()), value};
    if (!columns.empty())
        row.texts[0] = text;
    rows.insert(rows.begin() + at, std::move(row));
    if (!quiet)
        endInsertRows();
}

void CReportListModel::SetText(int row, int column, const QString& text)
{
    rows[ToIndex(row)].texts[ToIndex(column)] = text;
    if (!quiet) {
        const QModelIndex changed = index(row, column);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    }
}

void CReportListModel::Clear()
{
    if (!quiet)
        beginResetModel();
    rows.clear();
    if (!quiet)
        endResetModel();
}

void CReportListModel::SetQuiet(bool on)
{
    if (on == quiet)
        return;
    quiet = on;
    if (on)
        beginResetModel();
    else
        endResetModel();
}

void CReportListModel::MoveColumn(int from, int to)
{
    MoveElement(columns, from, to);
    for (Row& row : rows)
        MoveElement(row.texts, from, to);
    if (quiet)
        return;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount() - 1);
    if (!rows.empty())
        emit dataChanged(index(0, 0), index(RowCount() - 1, ColumnCount() - 1));
}
