#pragma once
// The widths the open path gives the grid's first 128 columns, counted in characters while
// the cells are read: an entry grows when a text longer than it arrives, and then takes the
// length of that text without its leading and trailing blanks and control characters. So a
// later, shorter trimmed text can lower the entry, as the original program does.

#include <array>
#include <string_view>

class ColumnWidthTable {
public:
    static constexpr int Size = 128;

    // A cell text of the given grid column, characters counted as UTF-8 or as single bytes.
    void Note(int column, std::string_view text, bool utf8);
    int Entry(int column) const;
    // The width in pixels for the column, or 0 when the column keeps the width it has.
    int WidthFor(int column, int widthFactor) const;

    static int CharacterCount(std::string_view text, bool utf8);
    static std::string_view Trimmed(std::string_view text);

private:
    std::array<int, Size> entries_{};
};
