// The fixed parts of the cell editing rules.
#include "editing/CellEditRules.h"

#include <gtest/gtest.h>

class UnmodifyingKeys : public ::testing::TestWithParam<std::pair<int, bool>> {};

TEST_P(UnmodifyingKeys, ListOnlyNavigationFunctionAndSideSpecificKeys)
{
    EXPECT_EQ(KeyLeavesTableUnmodified(GetParam().first), GetParam().second) << GetParam().first;
}

INSTANTIATE_TEST_SUITE_P(Keys, UnmodifyingKeys,
    ::testing::Values(std::pair{27, true}, std::pair{33, true}, std::pair{40, true},
                      std::pair{42, true}, std::pair{44, true}, std::pair{47, true},
                      std::pair{91, true}, std::pair{92, true}, std::pair{112, true},
                      std::pair{135, true}, std::pair{144, true}, std::pair{145, true},
                      std::pair{160, true}, std::pair{165, true},
                      std::pair{8, false}, std::pair{9, false}, std::pair{13, false},
                      std::pair{16, false}, std::pair{17, false}, std::pair{18, false},
                      std::pair{20, false}, std::pair{32, false}, std::pair{41, false},
                      std::pair{43, false}, std::pair{45, false}, std::pair{46, false},
                      std::pair{65, false}, std::pair{136, false}, std::pair{166, false},
                      std::pair{0, false}));

TEST(CellText, CountsAndCutsWholeCharacters)
{
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E");  // one character, two units
    EXPECT_EQ(CharacterCount("abc"), 3);
    EXPECT_EQ(CharacterCount("a" + clef + "b"), 3);
    EXPECT_EQ(FirstCharacters("a" + clef + "b", 2), "a" + clef);
    EXPECT_EQ(FirstCharacters("abc", 5), "abc");
    EXPECT_EQ(FirstCharacters(QString(10001, 'x'), kMaxCellCharacters).size(), 10000);
}

TEST(CellText, LineBreakIsCarriageReturnOrLineFeed)
{
    EXPECT_TRUE(HoldsLineBreak("a\nb"));
    EXPECT_TRUE(HoldsLineBreak("a\rb"));
    EXPECT_FALSE(HoldsLineBreak("a\tb\b"));
}
