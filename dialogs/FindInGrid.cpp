#include "dialogs/FindInGrid.h"

namespace {

bool IsBlank(QChar c)
{
    return c.unicode() <= 0x20;
}

// The wanted text is already trimmed, and upper-cased when the search ignores case.
bool CellContains(QStringView cell, const QString& wanted, bool caseSensitive)
{
    cell = TrimBlanks(cell);
    if (caseSensitive)
        return cell.contains(wanted, Qt::CaseSensitive);
    return cell.toString().toUpper().contains(wanted, Qt::CaseSensitive);
}

// A grid that shrank since the last search (a new table) restarts at its first data row.
void KeepInsideGrid(SearchPosition& position, int rowCount)
{
    if (position.Row < 1 || position.Row > rowCount - 1)
        position.Row = 1;
    if (position.Col < 0)
        position.Col = 0;
}

enum class PassEnd { Hit, LastCellByFindNext, EndOfGrid };

// One pass from the position to the end of the grid. Find Next stops at the grid's last
// cell so that the caller can wrap around.
PassEnd ScanPass(const CellReader& cell, int rowCount, int colCount, const QString& wanted, bool findNext,
                 bool caseSensitive, SearchPosition& position)
{
    for (int r = position.Row; r < rowCount; ++r) {
        for (int c = position.Col; c < colCount; ++c) {
            if (CellContains(cell(c, r), wanted, caseSensitive)) {
                position = {r, c};
                return PassEnd::Hit;
            }
            if (findNext && r == rowCount - 1 && c == colCount - 1)
                return PassEnd::LastCellByFindNext;
        }
        position.Col = 0;
        if (r + 1 == rowCount)
            position.Row = 1;
    }
    return PassEnd::EndOfGrid;
}

} // namespace

QStringView TrimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

void StartFrom(SearchPosition& position, bool findNext)
{
    if (findNext) {
        ++position.Col;
    } else {
        position.Row = 1;
        position.Col = 0;
    }
}

bool ScanForText(const CellReader& cell, int rowCount, int colCount, const QString& text, bool findNext,
                 bool caseSensitive, SearchPosition& position)
{
    if (rowCount < 2 || colCount < 1)
        return false;
    const QString trimmed = TrimBlanks(text).toString();
    const QString wanted = caseSensitive ? trimmed : trimmed.toUpper();
    KeepInsideGrid(position, rowCount);
    if (position.Col >= colCount) {
        position.Col = 0;
        position.Row = position.Row + 1 > rowCount - 1 ? 1 : position.Row + 1;
    }
    for (int pass = 0; pass < 2; ++pass) {
        switch (ScanPass(cell, rowCount, colCount, wanted, findNext, caseSensitive, position)) {
        case PassEnd::Hit:
            return true;
        case PassEnd::EndOfGrid:
            return false;
        case PassEnd::LastCellByFindNext:
            position = {1, 0};
            break;
        }
    }
    return false;
}
