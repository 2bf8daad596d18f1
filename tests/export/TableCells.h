#pragma once
// A grid for the writers without a window: the given rows, the first the header row, each
// behind a record-number column that the writers must skip.

#include "export/ExportCells.h"

#include <QString>
#include <vector>

class TableCells : public ExportCells {
public:
    TableCells(std::initializer_list<std::vector<QString>> rows)
        : rows_(rows)
    {
    }

    int RowCount() const override { return int(rows_.size()); }
    int ColCount() const override { return rows_.empty() ? 0 : int(rows_.front().size()) + 1; }
    QString Cells(int col, int row) const override
    {
        if (col == 0)
            return row == 0 ? QStringLiteral("RECORD #") : QString::number(row);
        return rows_[std::size_t(row)][std::size_t(col - 1)];
    }

private:
    std::vector<std::vector<QString>> rows_;
};
