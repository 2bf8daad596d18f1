#include "mainwindow/ColumnWidthTable.h"

#include <algorithm>

int ColumnWidthTable::CharacterCount(std::string_view text, bool utf8)
{
    if (!utf8)
        return int(text.size());
    // Every byte but the continuation bytes (10xxxxxx) starts a character.
    return int(std::count_if(text.begin(), text.end(),
                             [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }));
}

std::string_view ColumnWidthTable::Trimmed(std::string_view text)
{
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

void ColumnWidthTable::Note(int column, std::string_view text, bool utf8)
{
    // Entry 0, the record-number column, is never raised.
    if (column < 1 || column >= Size)
        return;
    if (CharacterCount(text, utf8) > entries_[column])
        entries_[column] = CharacterCount(Trimmed(text), utf8);
}

int ColumnWidthTable::Entry(int column) const
{
    return column >= 0 && column < Size ? entries_[column] : 0;
}

int ColumnWidthTable::WidthFor(int column, int widthFactor) const
{
    return Entry(column) * widthFactor;
}
