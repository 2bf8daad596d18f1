#pragma once
// The table as the reader built it, stored compactly: every cell is an offset and a length,
// either into the file's text (the common case, no copy) or, for a field whose doubled quotes
// were collapsed, into a side arena. Rows are the index of their first cell. Once the reader
// is done the table never changes, so it can be shared with the grid as a snapshot.

#include "engine/TBigArray.h"
#include "engine/TableSnapshot.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class TParsedTable : public TableSnapshot {
public:
    // text: the characters the cells point into; textSize bounds the number of cells.
    TParsedTable(std::shared_ptr<const std::string> text, std::size_t textSize);

    void StartRow();
    void AddCell(std::size_t offset, std::size_t length);
    // Adds a cell whose characters hold doubled quotes: each pair becomes one quote.
    void AddCollapsedCell(std::size_t offset, std::size_t length);

    int RowCount() const override;
    int CellCount(int row) const override;
    std::string_view CellText(int row, int col) const override;

private:
    struct Cell {
        std::uint32_t Offset;
        std::uint32_t Length;  // the top bit marks a cell held in the arena
    };
    static constexpr std::uint32_t InArena = 0x80000000u;

    std::shared_ptr<const std::string> text_;
    TBigArray<Cell> cells_;
    TBigArray<std::uint32_t> rowStarts_;
    TBigArray<char> arena_;
};
