#pragma once
// The grid's cells as the export writers read them.

#include "export/ExportCells.h"

class TStringGrid;

class GridCells : public ExportCells {
public:
    explicit GridCells(const TStringGrid& grid);
    int RowCount() const override;
    int ColCount() const override;
    QString Cells(int col, int row) const override;

private:
    const TStringGrid& grid_;
};
