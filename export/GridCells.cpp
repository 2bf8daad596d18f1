// Built once the engine and the grid are part of the tree.
#include "export/GridCells.h"

#include "platform/TStringGrid.h"

GridCells::GridCells(const TStringGrid& grid)
    : grid_(grid)
{
}

int GridCells::RowCount() const
{
    return grid_.RowCount();
}

int GridCells::ColCount() const
{
    return grid_.ColCount();
}

QString GridCells::Cells(int col, int row) const
{
    return grid_.Cells(col, row);
}

