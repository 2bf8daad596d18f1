// The shared views of a loaded file: the table as read, and the text, neither copied.

#include "EngineTestSupport.h"

namespace {

TEST(SnapshotTest, HoldsTheParsedTableAfterTheEngineIsGone)
{
    std::shared_ptr<const TableSnapshot> snapshot;
    {
        TCommaFile file;
        ASSERT_TRUE(ParseText(file, "\"a\",\"b\"\"c\"\r\n\"d\",\"\"\r\n"));
        snapshot = file.Snapshot();
        // Later changes through the rows do not reach the snapshot.
        file.Rows->Add(true);
        file.Rows->Get(1)->Columns->Get(0)->Text = "changed";
    }
    ASSERT_EQ(snapshot->RowCount(), 2);
    EXPECT_EQ(snapshot->CellCount(0), 2);
    EXPECT_EQ(snapshot->CellText(0, 0), "a");
    EXPECT_EQ(snapshot->CellText(0, 1), "b\"c");
    EXPECT_EQ(snapshot->CellText(1, 1), "");
    EXPECT_EQ(snapshot->CellText(5, 0), "");
    EXPECT_EQ(snapshot->CellCount(-1), 0);
}

TEST(SnapshotTest, AFailedRunGivesTheRowsBuiltSoFar)
{
    TCommaFile file;
    EXPECT_EQ(file.Snapshot()->RowCount(), 0);
    ASSERT_FALSE(ParseText(file, "\"a\"\r\n\"b\",x"));
    EXPECT_EQ(file.Snapshot()->RowCount(), 2);
    EXPECT_EQ(file.Snapshot()->CellText(1, 0), "b");
}

TEST(SnapshotTest, SharedTextIsTheLoadedBlockItself)
{
    TempFolder folder;
    FakeFacts facts;
    ScopedSystemFacts scope(facts);
    TCommaFile file;
    ASSERT_TRUE(file.LoadFromFile(folder.Write("t.csv", "\"a\"\r\n"), true));
    std::shared_ptr<const std::string> text = file.SharedText();
    EXPECT_EQ(text->data(), file.Text.data());
    EXPECT_EQ(text.get(), file.Buffer.get());
    // Replacing the text leaves a block already handed out as it was.
    file.Text = "other";
    EXPECT_EQ(*text, "\"a\"\r\n");
}

}  // namespace
