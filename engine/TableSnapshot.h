#pragma once
// A read-only view of a table as the reader built it. The grid shows a loaded table through
// it instead of copying every cell; it stays valid after the engine object that made it is
// destroyed or loads again, and never changes.

#include <string_view>

class TableSnapshot {
public:
    virtual ~TableSnapshot() = default;
    virtual int RowCount() const = 0;
    virtual int CellCount(int row) const = 0;
    // The cell's text (doubled quotes already collapsed); valid as long as the snapshot lives.
    virtual std::string_view CellText(int row, int col) const = 0;
};
