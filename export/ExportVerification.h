#pragma once
// The check that a comma export holds exactly the grid: the table that the engine read back
// from the written file, compared with the grid cell by cell.

#include "export/ExportCells.h"
#include "export/ExportText.h"

#include <optional>

class TableSnapshot;

struct CellPosition {
    int col = 0;
    int row = 0;
};

// The first grid cell (row by row, in grid coordinates) that the table does not hold as
// its text in the given encoding, or nothing when they agree. A table with other row or cell
// counts differs at the first cell beyond the shorter of the two.
std::optional<CellPosition> FirstDifference(const ExportCells& cells, const TableSnapshot& table,
                                            ExportEncoding encoding);
