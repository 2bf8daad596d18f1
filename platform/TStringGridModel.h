#pragma once
// The item model behind TStringGrid: the data cells (everything but the fixed row and column)
// of its cell store. The fixed row and column are the headers. Cell writes do not go through
// dataChanged: the grid repaints itself, which keeps writing a million cells cheap.

#include <QAbstractTableModel>

class TGridCells;

class TStringGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    TStringGridModel(TGridCells& cells, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    void SetFixed(int rows, int cols);
    void SetRowCount(int count);
    void SetColCount(int count);

    QModelIndex IndexOfCell(int col, int row) const;
    int ColOfIndex(const QModelIndex& index) const { return index.column() + fixedCols_; }
    int RowOfIndex(const QModelIndex& index) const { return index.row() + fixedRows_; }

private:
    TGridCells& cells_;
    int fixedRows_ = 1;
    int fixedCols_ = 1;
};
