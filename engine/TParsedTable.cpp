#include "engine/TParsedTable.h"

TParsedTable::TParsedTable(std::shared_ptr<const std::string> text, std::size_t textSize)
    : text_(std::move(text))
{
    // Every cell owns at least its two quotes, and a row begins only after a cell.
    const std::size_t maxCells = textSize / 2 + 1;
    cells_.Reserve(maxCells);
    rowStarts_.Reserve(maxCells + 1);
}

void TParsedTable::StartRow()
{
    rowStarts_.PushBack(static_cast<std::uint32_t>(cells_.Size()));
}

void TParsedTable::AddCell(std::size_t offset, std::size_t length)
{
    cells_.PushBack({static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(length)});
}

void TParsedTable::AddCollapsedCell(std::size_t offset, std::size_t length)
{
    if (arena_.Capacity() == 0)
        arena_.Reserve(text_->size() + 1);
    const char* from = text_->data() + offset;
    const std::size_t start = arena_.Size();
    char* to = arena_.Grow(0);
    std::size_t n = 0;
    for (std::size_t i = 0; i < length; ++i) {
        to[n++] = from[i];
        if (from[i] == '"' && i + 1 < length && from[i + 1] == '"')
            ++i;
    }
    arena_.Grow(n);
    cells_.PushBack({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(n) | InArena});
}

int TParsedTable::RowCount() const
{
    return static_cast<int>(rowStarts_.Size());
}

int TParsedTable::CellCount(int row) const
{
    if (row < 0 || row >= RowCount())
        return 0;
    const std::size_t end = row + 1 < RowCount() ? rowStarts_[row + 1] : cells_.Size();
    return static_cast<int>(end - rowStarts_[row]);
}

std::string_view TParsedTable::CellText(int row, int col) const
{
    if (col < 0 || col >= CellCount(row))
        return {};
    const Cell& cell = cells_[rowStarts_[row] + col];
    if (cell.Length & InArena)
        return {arena_.Data() + cell.Offset, cell.Length & ~InArena};
    return {text_->data() + cell.Offset, cell.Length};
}
