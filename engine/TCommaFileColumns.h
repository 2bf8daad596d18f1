#pragma once
// The cells of one row, left to right. Cells of a row that the reader built are made on
// first use from the reader's compact table, so a loaded file costs no object per cell.

#include "engine/TCOLVCollector.h"

#include <memory>

class TCommaFileColumn;
class TParsedTable;

class TCommaFileColumns {
public:
    TCommaFileColumns();
    ~TCommaFileColumns();
    TCommaFileColumns(const TCommaFileColumns&) = delete;
    TCommaFileColumns& operator=(const TCommaFileColumns&) = delete;

    int Count = 0;
    std::unique_ptr<TCOLVCollector> Items;

    // A new cell (empty, Kind 2) at index 0 or at the end; null when it cannot be made.
    TCommaFileColumn* Add(bool atFront);
    // The cell at the index, or null when the index is outside the row.
    TCommaFileColumn* Get(int index);

    // Gives this row the cells of row `row` of a table the reader built.
    void AttachParsed(std::shared_ptr<const TParsedTable> table, int row);

private:
    std::shared_ptr<const TParsedTable> parsed_;
    int parsedRow_ = 0;
    int addedAtFront_ = 0;
};
