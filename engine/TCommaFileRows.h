#pragma once
// The rows of the table in order. Rows that the reader built are made on first use from the
// reader's compact table; once made, a row keeps its address until the table is discarded.

#include "engine/TCOLVCollector.h"

#include <memory>

class TCommaFileRow;
class TParsedTable;

class TCommaFileRows {
public:
    TCommaFileRows();
    ~TCommaFileRows();
    TCommaFileRows(const TCommaFileRows&) = delete;
    TCommaFileRows& operator=(const TCommaFileRows&) = delete;

    int Count = 0;
    std::unique_ptr<TCOLVCollector> Items;

    // A new row with no cells, at index 0 or at the end.
    TCommaFileRow* Add(bool atFront);
    // The row at the index; throws std::out_of_range outside 0 to Count - 1.
    TCommaFileRow* Get(int index);

    // Appends the rows of a table the reader built.
    void AttachParsed(std::shared_ptr<const TParsedTable> table);

private:
    std::shared_ptr<const TParsedTable> parsed_;
    int addedAtFront_ = 0;
};
