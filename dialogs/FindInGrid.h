#pragma once
// The grid scan behind the Find dialog, apart from the window: it reads cells through a
// function, so it runs over the real grid and over a plain table in tests and benchmarks.
// The scan goes row by row, left to right, from the remembered position; row 0 (the header
// row) is never scanned, column 0 (the record numbers) is.

#include <QString>
#include <QStringView>
#include <functional>

// Where the last search stopped: the last hit, or row 1, column 0 after a miss.
struct SearchPosition {
    int Row = 0;
    int Col = 0;
};

// The text of the cell at (col, row).
using CellReader = std::function<QString(int col, int row)>;

// The text without leading and trailing blanks and control characters.
QStringView TrimBlanks(QStringView text);

// Moves the position to where this search starts: row 1, column 0 for Find First, one cell
// on for Find Next.
void StartFrom(SearchPosition& position, bool findNext);

// Scans for the (trimmed, non-empty) text from the position StartFrom gave. On a hit the
// position becomes the hit and the result is true. Find Next wraps around once: after the
// last cell of the grid it scans the whole grid again from row 1, column 0 and gives up at
// the last cell. Upper-casing follows Unicode's rules when the search is not case sensitive.
bool ScanForText(const CellReader& cell, int rowCount, int colCount, const QString& text, bool findNext,
                 bool caseSensitive, SearchPosition& position);
