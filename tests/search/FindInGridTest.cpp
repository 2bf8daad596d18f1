// The grid scan of the Find dialog over a plain table: scan order, Find First, Find Next and
// its one wrap, the remembered position, case, trimming, the header row and the record numbers.
#include "dialogs/FindInGrid.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A grid as the window shows it: row 0 the labels, column 0 the record numbers.
class Table {
public:
    using Rows = std::vector<std::vector<QString>>;

    explicit Table(const Rows& dataRows, const QStringList& labels = QStringList())
    {
        const int cols = dataRows.empty() ? 1 : int(dataRows[0].size()) + 1;
        std::vector<QString> header{"RECORD #"};
        for (int c = 1; c < cols; ++c)
            header.push_back(c - 1 < labels.size() ? labels[c - 1] : QString("COLUMN:%1").arg(c - 1));
        cells_.push_back(header);
        for (size_t r = 0; r < dataRows.size(); ++r) {
            std::vector<QString> row{QString::number(r + 1)};
            row.insert(row.end(), dataRows[r].begin(), dataRows[r].end());
            cells_.push_back(row);
        }
    }

    int RowCount() const { return int(cells_.size()); }
    int ColCount() const { return int(cells_[0].size()); }

    bool Find(const QString& text, bool findNext, bool caseSensitive = false)
    {
        StartFrom(position, findNext);
        const CellReader reader = [this](int col, int row) {
            ++reads;
            return cells_[row][col];
        };
        return ScanForText(reader, RowCount(), ColCount(), text, findNext, caseSensitive, position);
    }

    void ExpectAt(int row, int col) const
    {
        EXPECT_EQ(position.Row, row);
        EXPECT_EQ(position.Col, col);
    }

    SearchPosition position;
    int reads = 0;

private:
    Rows cells_;
};

struct MatchCase {
    const char* name;
    QString cell;
    QString text;
    bool caseSensitive;
    bool found;
};

class CellMatchTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(CellMatchTest, FindsTheCellOnlyWhenItMatches)
{
    Table table(Table::Rows{{"other", GetParam().cell}});
    EXPECT_EQ(table.Find(GetParam().text, false, GetParam().caseSensitive), GetParam().found);
    if (GetParam().found)
        table.ExpectAt(1, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CellMatchTest,
    ::testing::Values(MatchCase{"IgnoringCase", "xxABCxx", "abc", false, true},
                      MatchCase{"CaseSensitive", "xxABCxx", "abc", true, false},
                      MatchCase{"CaseSensitiveSameCase", "xxabcxx", "abc", true, true},
                      MatchCase{"WholeCellEqual", "abc", "ABC", false, true},
                      MatchCase{"BlanksAroundTheText", "abc", "  abc ", true, true},
                      MatchCase{"BlanksAroundTheCell", "\t abc  ", "abc", true, true},
                      MatchCase{"BlanksInsideCount", "a bc", "abc", false, false},
                      MatchCase{"AccentedLetters", "CAFÉ CRÈME", "café crème", false, true},
                      MatchCase{"AccentedLettersCaseSensitive", "CAFÉ", "café", true, false},
                      MatchCase{"GreekLetters", "ΑΘΉΝΑ", "αθήνα", false, true},
                      MatchCase{"EmptyCell", "", "abc", false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindInGridTest, TheHeaderRowIsNeverFound)
{
    Table table(Table::Rows{{"a", "b"}, {"c", "d"}}, {"Price", "Amount"});
    EXPECT_FALSE(table.Find("Price", false));
    EXPECT_FALSE(table.Find("Price", true));
    // The very first search of a run, Find Next from the initial position, skips it too.
    Table fresh(Table::Rows{{"a", "b"}}, {"Price", "Amount"});
    EXPECT_FALSE(fresh.Find("Amount", true));
}

TEST(FindInGridTest, TheRecordNumberColumnIsSearched)
{
    std::vector<std::vector<QString>> rows(15, {"x", "y"});
    rows[13][1] = "12"; // row 14, after row 12's number in scan order
    Table table(rows);
    ASSERT_TRUE(table.Find("12", false));
    table.ExpectAt(12, 0);
    ASSERT_TRUE(table.Find("12", true));
    table.ExpectAt(14, 2);
}

TEST(FindInGridTest, ScansRowByRowLeftToRight)
{
    Table table(Table::Rows{{"no", "hit"}, {"hit", "hit"}, {"no", "no"}});
    ASSERT_TRUE(table.Find("hit", false));
    table.ExpectAt(1, 2);
    ASSERT_TRUE(table.Find("hit", true)); // from the last cell of row 1 on to row 2
    table.ExpectAt(2, 1);
    ASSERT_TRUE(table.Find("hit", true));
    table.ExpectAt(2, 2);
    ASSERT_TRUE(table.Find("hit", true)); // wraps to the top
    table.ExpectAt(1, 2);
    ASSERT_TRUE(table.Find("hit", false)); // Find First always starts over
    table.ExpectAt(1, 2);
}

TEST(FindInGridTest, FindNextAfterTheOnlyMatchFindsItAgain)
{
    Table table(Table::Rows{{"a", "b"}, {"only", "c"}, {"d", "e"}});
    ASSERT_TRUE(table.Find("only", false));
    table.ExpectAt(2, 1);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(table.Find("only", true));
        table.ExpectAt(2, 1);
    }
}

TEST(FindInGridTest, FindNextWithoutAMatchScansOnToTheEndThenTheWholeGridOnce)
{
    Table table(Table::Rows{{"a", "hit"}, {"b", "c"}});
    ASSERT_TRUE(table.Find("hit", false));
    table.reads = 0;
    EXPECT_FALSE(table.Find("zzz", true));
    // The hit was row 1's last cell: the 3 cells of row 2, then all 6 cells once more.
    EXPECT_EQ(table.reads, 3 + 6);
    table.ExpectAt(1, 0);
}

TEST(FindInGridTest, FindFirstWithoutAMatchNeverWrapsAndRestartsTheNextFindNext)
{
    Table table(Table::Rows{{"a", "b"}, {"c", "d"}});
    EXPECT_FALSE(table.Find("zzz", false));
    EXPECT_EQ(table.reads, 6);
    table.ExpectAt(1, 0);
    table.reads = 0;
    ASSERT_TRUE(table.Find("d", true));
    table.ExpectAt(2, 2);
    EXPECT_EQ(table.reads, 5); // a, b, 2, c, d: the scan began at row 1, column 1
}

TEST(FindInGridTest, AGridThatShrankSinceTheLastHitIsSearchedFromItsFirstRow)
{
    Table big(Table::Rows{{"a"}, {"b"}, {"c"}, {"hit"}});
    ASSERT_TRUE(big.Find("hit", false));
    Table small(Table::Rows{{"hit"}});
    small.position = big.position;
    ASSERT_TRUE(small.Find("hit", true));
    small.ExpectAt(1, 1);
}

TEST(FindInGridTest, AGridWithoutDataRowsFindsNothing)
{
    Table table(Table::Rows{});
    EXPECT_FALSE(table.Find("RECORD", false));
    EXPECT_FALSE(table.Find("RECORD", true));
}

TEST(FindInGridTest, TrimsBlanksAndControlCharactersOnly)
{
    EXPECT_EQ(TrimBlanks(u" \t\x01 a b \r\n"), u"a b");
    EXPECT_EQ(TrimBlanks(u"   "), u"");
    EXPECT_EQ(TrimBlanks(u"\u00A0a"), u"\u00A0a");
}

} // namespace
