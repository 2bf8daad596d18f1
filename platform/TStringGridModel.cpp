#include "platform/TStringGridModel.h"

#include "platform/TGridCells.h"

#include <algorithm>

TStringGridModel::TStringGridModel(TGridCells& cells, QObject* parent)
    : QAbstractTableModel(parent)
    , cells_(cells)
{
}

int TStringGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(0, cells_.RowCount() - fixedRows_);
}

int TStringGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(0, cells_.ColCount() - fixedCols_);
}

QVariant TStringGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return cells_.Get(ColOfIndex(index), RowOfIndex(index));
}

QVariant TStringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return fixedRows_ > 0 ? cells_.Get(section + fixedCols_, 0) : QString();
    return fixedCols_ > 0 ? cells_.Get(0, section + fixedRows_) : QString();
}

Qt::ItemFlags TStringGridModel::flags(const QModelIndex& index) const
{
    // Editing goes through the grid's own in-place editor, never through the item views.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void TStringGridModel::SetFixed(int rows, int cols)
{
    beginResetModel();
    fixedRows_ = rows;
    fixedCols_ = cols;
    endResetModel();
}

void TStringGridModel::SetRowCount(int count)
{
    const int before = rowCount();
    const int after = std::max(0, count - fixedRows_);
    if (after > before) {
        beginInsertRows(QModelIndex(), before, after - 1);
        cells_.SetRowCount(count);
        endInsertRows();
    } else if (after < before) {
        beginRemoveRows(QModelIndex(), after, before - 1);
        cells_.SetRowCount(count);
        endRemoveRows();
    } else {
        cells_.SetRowCount(count);
    }
}

void TStringGridModel::SetColCount(int count)
{
    const int before = columnCount();
    const int after = std::max(0, count - fixedCols_);
    if (after > before) {
        beginInsertColumns(QModelIndex(), before, after - 1);
        cells_.SetColCount(count);
        endInsertColumns();
    } else if (after < before) {
        beginRemoveColumns(QModelIndex(), after, before - 1);
        cells_.SetColCount(count);
        endRemoveColumns();
    } else {
        cells_.SetColCount(count);
    }
}

QModelIndex TStringGridModel::IndexOfCell(int col, int row) const
{
    return index(row - fixedRows_, col - fixedCols_);
}
