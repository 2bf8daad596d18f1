// How the open path sizes the first 128 columns from their texts.
#include "mainwindow/ColumnWidthTable.h"

#include <gtest/gtest.h>

TEST(ColumnWidthTable, ALongerLaterTextSetsTheEntryToItsTrimmedLength)
{
    ColumnWidthTable widths;
    widths.Note(1, "abc", true);
    widths.Note(1, "  x  ", true);
    EXPECT_EQ(widths.Entry(1), 1);
    EXPECT_EQ(widths.WidthFor(1, 8), 8);

    ColumnWidthTable reversed;
    reversed.Note(1, "  x  ", true);
    reversed.Note(1, "abc", true);
    EXPECT_EQ(reversed.Entry(1), 3);
    EXPECT_EQ(reversed.WidthFor(1, 8), 24);
}

TEST(ColumnWidthTable, RecordColumnAndColumnsFrom128AreNeverRaised)
{
    ColumnWidthTable widths;
    widths.Note(0, "RECORD #", true);
    widths.Note(127, "abcd", true);
    widths.Note(128, "abcd", true);
    widths.Note(2, "", true);
    EXPECT_EQ(widths.Entry(0), 0);
    EXPECT_EQ(widths.Entry(127), 4);
    EXPECT_EQ(widths.Entry(128), 0);
    EXPECT_EQ(widths.WidthFor(2, 8), 0);
}

TEST(ColumnWidthTable, CountsCharactersNotBytesInUtf8)
{
    ColumnWidthTable utf8;
    utf8.Note(1, "\xC3\xA9t\xC3\xA9", true);  // été
    EXPECT_EQ(utf8.Entry(1), 3);
    ColumnWidthTable latin1;
    latin1.Note(1, "\xC3\xA9t\xC3\xA9", false);
    EXPECT_EQ(latin1.Entry(1), 5);
    EXPECT_EQ(ColumnWidthTable::Trimmed("\t\x01 a b \r"), "a b");
}
