// Rows and cells: order of additions, index failures, and rows of a loaded table that are
// made on first use.

#include "EngineTestSupport.h"

#include <stdexcept>

namespace {

TEST(TableModelTest, NewEngineIsEmpty)
{
    TCommaFile file;
    EXPECT_EQ(file.Rows->Count, 0);
    EXPECT_EQ(file.GetSize(), 0u);
    EXPECT_EQ(file.Message, "");
    EXPECT_EQ(file.Text, "");
    EXPECT_EQ(file.FileName, "");
    EXPECT_EQ(file.ErrorStart, 0);
    EXPECT_EQ(file.ErrorEnd, 0);
    EXPECT_FALSE(file.Stream);
}

TEST(TableModelTest, AddAtFrontAndAtEnd)
{
    int a = 0, b = 0, c = 0, d = 0;
    TCOLVCollector list;
    list.Add(&a, false);
    list.Add(&b, false);
    list.Add(&c, true);
    list.Add(&d, false);
    EXPECT_EQ(list.Count, 4);
    EXPECT_EQ(list.Get(0), &c);
    EXPECT_EQ(list.Get(1), &a);
    EXPECT_EQ(list.Get(2), &b);
    EXPECT_EQ(list.Get(3), &d);
    EXPECT_THROW(list.Get(4), std::out_of_range);
    EXPECT_THROW(list.Get(-1), std::out_of_range);

    TCommaFileRows rows;
    TCommaFileRow* first = rows.Add(false);
    TCommaFileRow* front = rows.Add(true);
    EXPECT_EQ(rows.Count, 2);
    EXPECT_EQ(rows.Items->Count, 2);
    EXPECT_EQ(rows.Get(0), front);
    EXPECT_EQ(rows.Get(1), first);
    EXPECT_THROW(rows.Get(2), std::out_of_range);

    TCommaFileColumns& cells = *first->Columns;
    TCommaFileColumn* x = cells.Add(false);
    TCommaFileColumn* y = cells.Add(true);
    EXPECT_EQ(cells.Get(0), y);
    EXPECT_EQ(cells.Get(1), x);
    EXPECT_EQ(cells.Get(2), nullptr);
    EXPECT_EQ(cells.Get(-1), nullptr);
    EXPECT_EQ(x->Kind, 2);
    EXPECT_EQ(x->Text, "");
}

TEST(TableModelTest, LoadedRowsKeepTheirPlaceAndAddressWhenRowsAndCellsAreAdded)
{
    TCommaFile file;
    ASSERT_TRUE(ParseText(file, "\"a\",\"b\"\r\n\"c\",\"d\"\r\n"));
    TCommaFileRow* second = file.Rows->Get(1);
    EXPECT_EQ(file.Rows->Get(1), second);

    TCommaFileRow* header = file.Rows->Add(true);
    TCommaFileRow* tail = file.Rows->Add(false);
    EXPECT_EQ(file.Rows->Count, 4);
    EXPECT_EQ(file.Rows->Get(0), header);
    EXPECT_EQ(file.Rows->Get(2), second);
    EXPECT_EQ(file.Rows->Get(3), tail);
    EXPECT_EQ(header->Columns->Count, 0);

    TCommaFileColumns& cells = *file.Rows->Get(1)->Columns;
    EXPECT_EQ(cells.Get(1)->Text, "b");
    cells.Add(true)->Text = "front";
    cells.Add(false)->Text = "end";
    EXPECT_EQ(cells.Count, 4);
    EXPECT_EQ(TableOf(file), (Table{{}, {"front", "a", "b", "end"}, {"c", "d"}, {}}));
    for (int c = 0; c < cells.Count; ++c)
        EXPECT_EQ(cells.Get(c)->Kind, 2);
}

TEST(TableModelTest, ChangedCellsStayChanged)
{
    TCommaFile file;
    ASSERT_TRUE(ParseText(file, "\"a\",\"b\"\r\n"));
    file.Rows->Get(0)->Columns->Get(0)->Text = "changed";
    EXPECT_EQ(file.Rows->Get(0)->Columns->Get(0)->Text, "changed");
}

}  // namespace
