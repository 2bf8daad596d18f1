#pragma once
// What the export writers read: the cells of the grid, row 0 the header row and column 0 the
// record-number column. TStringGrid provides it through GridCells; tests use a plain table.

#include <QString>

class ExportCells {
public:
    virtual ~ExportCells() = default;
    virtual int RowCount() const = 0;
    virtual int ColCount() const = 0;
    virtual QString Cells(int col, int row) const = 0;
};
