// The comparison of a comma export's table, read back from the file, with the grid.
#include "export/ExportVerification.h"
#include "TableCells.h"
#include "platform/VectorSnapshot.h"

#include <gtest/gtest.h>

namespace {

struct DifferenceCase {
    const char* name;
    std::vector<std::vector<std::string>> table;
    ExportEncoding encoding;
    std::optional<CellPosition> expected;
};

std::ostream& operator<<(std::ostream& out, const DifferenceCase& c) { return out << c.name; }

class FirstDifferenceTest : public ::testing::TestWithParam<DifferenceCase> {};

TEST_P(FirstDifferenceTest, FindsTheFirstCellThatDiffers)
{
    const TableCells grid{{"Name", "City"}, {"Zoë", ""}, {"Bob", "Oslo"}};
    const VectorSnapshot table(GetParam().table);
    const std::optional<CellPosition> found = FirstDifference(grid, table, GetParam().encoding);
    ASSERT_EQ(found.has_value(), GetParam().expected.has_value());
    if (found) {
        EXPECT_EQ(found->col, GetParam().expected->col);
        EXPECT_EQ(found->row, GetParam().expected->row);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, FirstDifferenceTest,
    ::testing::Values(
        DifferenceCase{"SameUtf8", {{"Name", "City"}, {"Zo\xC3\xAB", ""}, {"Bob", "Oslo"}}, ExportEncoding::Utf8, {}},
        DifferenceCase{"SameLatin1", {{"Name", "City"}, {"Zo\xEB", ""}, {"Bob", "Oslo"}}, ExportEncoding::Latin1, {}},
        DifferenceCase{"Latin1BytesReadAsUtf8", {{"Name", "City"}, {"Zo\xEB", ""}, {"Bob", "Oslo"}},
                       ExportEncoding::Utf8, CellPosition{1, 1}},
        DifferenceCase{"OneCell", {{"Name", "City"}, {"Zo\xC3\xAB", ""}, {"Bob", "Oslo "}}, ExportEncoding::Utf8,
                       CellPosition{2, 2}},
        DifferenceCase{"RowMissing", {{"Name", "City"}, {"Zo\xC3\xAB", ""}}, ExportEncoding::Utf8, CellPosition{1, 2}},
        DifferenceCase{"RowAdded", {{"Name", "City"}, {"Zo\xC3\xAB", ""}, {"Bob", "Oslo"}, {"", ""}},
                       ExportEncoding::Utf8, CellPosition{1, 3}},
        DifferenceCase{"CellMissing", {{"Name", "City"}, {"Zo\xC3\xAB"}, {"Bob", "Oslo"}}, ExportEncoding::Utf8,
                       CellPosition{2, 1}},
        DifferenceCase{"CellAdded", {{"Name", "City", ""}, {"Zo\xC3\xAB", ""}, {"Bob", "Oslo"}}, ExportEncoding::Utf8,
                       CellPosition{3, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
