// The reader on texts: what it accepts, the table it builds, and the message and line of
// every fault.

#include "EngineTestSupport.h"

namespace {

const std::string Unchanged = "<message before the run>";
constexpr int Any = -1;

struct ParseCase {
    const char* Name;
    std::string Text;
    bool Valid;
    std::string Message;  // expected Message after the run
    int ErrorStart = Any;
    int ErrorEnd = Any;
    Table Rows = {};      // checked for valid texts, and for invalid ones when not empty
};

std::string Field(std::size_t length)
{
    return "\"" + std::string(length, 'x') + "\"";
}

class ParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, GivesMessagePositionAndTable)
{
    const ParseCase& c = GetParam();
    TCommaFile file;
    file.Message = Unchanged;
    EXPECT_EQ(ParseText(file, c.Text), c.Valid);
    EXPECT_EQ(file.Message, c.Message);
    if (c.ErrorStart != Any) {
        EXPECT_EQ(file.ErrorStart, c.ErrorStart);
    }
    if (c.ErrorEnd != Any) {
        EXPECT_EQ(file.ErrorEnd, c.ErrorEnd);
    }
    if (c.Valid || !c.Rows.empty()) {
        EXPECT_EQ(TableOf(file), c.Rows);
    }
}

const Table AB_CD = {{"a", "b"}, {"c", "d"}};

INSTANTIATE_TEST_SUITE_P(Accepted, ParseTest, testing::Values(
    ParseCase{"OneLineWithoutBreak", "\"a\",\"b\"", true, "", 0, Any, {{"a", "b"}}},
    ParseCase{"CrLfRows", "\"a\",\"b\"\r\n\"c\",\"d\"\r\n", true, "", 0, Any, AB_CD},
    ParseCase{"LfRows", "\"a\",\"b\"\n\"c\",\"d\"\n", true, "", 0, Any, AB_CD},
    ParseCase{"CrRows", "\"a\",\"b\"\r\"c\",\"d\"\r", true, "", 0, Any, AB_CD},
    ParseCase{"EmptyAndBlankLinesBetweenRows", "\"a\",\"b\"\r\n\r\n   \r\n\n\"c\",\"d\"", true, "", 0, Any, AB_CD},
    ParseCase{"BlanksAroundFields", "  \"a\" ,  \"b\"  \r\n \"c\",\"d\"  ", true, "", 0, Any, AB_CD},
    // A row ended by a comma leaves Message as it was.
    ParseCase{"CommaBeforeLineBreak", "\"a\",\r\n\"b\",\r\n", true, Unchanged, Any, Any, {{"a"}, {"b"}}},
    ParseCase{"DoubledQuotes", "\"\"\"\"\"\",\"\"\"\",\"x\"\"y\",\"\"", true, "", 0, Any,
              {{"\"\"", "\"", "x\"y", ""}}},
    ParseCase{"LongestField", Field(65352), true, "", 0, Any, {{std::string(65352, 'x')}}},
    ParseCase{"TabInsideField", "\"a\tb\"", true, "", 0, Any, {{"a\tb"}}},
    ParseCase{"NulInsideField", std::string("\"a\0b\"\r\n", 7), true, "", 0, Any, {{std::string("a\0b", 3)}}},
    // The end rule reads the last two characters when they are not line breaks or blanks.
    ParseCase{"EndsInEmptyField", "\"a\",\"\"", true, "", 0, Any, {{"a", ""}}},
    ParseCase{"EndsInCommaAndBlank", "\"a\",\"b\", ", true, Unchanged, Any, Any, {{"a", "b"}}}),
    [](const auto& info) { return std::string(info.param.Name); });

INSTANTIATE_TEST_SUITE_P(Refused, ParseTest, testing::Values(
    ParseCase{"EmptyText", "", false, Msg::FirstCharacter(0), 0},
    ParseCase{"OnlyBlanks", "     ", false, Msg::FirstCharacter(0), 0},
    ParseCase{"FirstLineEmpty", "\r\n\"a\"", false, Msg::FirstCharacter(1), 1},
    ParseCase{"LetterFirst", "  abc", false, Msg::FirstCharacter(0), 0},
    ParseCase{"DigitFirst", "1,\"a\"", false, Msg::Unquoted(0), 0},
    ParseCase{"FullStopFirst", ".\"a\"", false, Msg::Unquoted(0), 0},
    ParseCase{"HyphenFirst", "-\"a\"", false, Msg::Unquoted(0), 0},
    ParseCase{"CommaFirst", ",\"a\"", false, Msg::Unquoted(0), 0},
    ParseCase{"ExtraEmptyLineAtEnd", "\"a\"\r\n\"b\"\r\n\r\n", false, Msg::Unquoted(12), 12, Any, {{"a"}, {"b"}, {}}},
    ParseCase{"TwoCommas", "\"a\",,\"b\"", false, Msg::Unquoted(0), 0},
    ParseCase{"CommaBlankLineBreak", "\"a\", \r\n\"b\"", false, Msg::Unquoted(6), 6},
    ParseCase{"TabBeforeField", "\"a\",\t\"b\"\r\n", false, Msg::Unquoted(0), 0},
    ParseCase{"TabAfterField", "\"a\"\t,\"b\"\r\n", false, Msg::Unquoted(0), 0, 8},
    ParseCase{"TextAfterClosingQuote", "\"a\",\"b\"\r\n\"c\"x,\"d\"", false, Msg::Unquoted(9), 9},
    ParseCase{"EndsInCommaAndLetters", "\"a\",xy", false, Msg::Unquoted(0), 0},
    ParseCase{"NulOutsideField", std::string("\"a\"\0\r\n", 6), false, Msg::Unquoted(0), 0, 4},
    ParseCase{"LoneQuote", "\"", false, Unchanged},
    ParseCase{"MissingClosingQuote", "\"a\",\"b", false, Unchanged},
    ParseCase{"FieldTooLarge", Field(65353), false, Msg::TooLarge(0), 0},
    ParseCase{"MegabyteField", "\"a\"\r\n" + Field(1 << 20), false, Msg::TooLarge(5), 5},
    ParseCase{"CarriageReturnInField", "\"a\rb\"", false, Msg::Multiline(3), 3},
    ParseCase{"LineFeedInField", "\"x\",\"a\nb\"", false, Msg::Multiline(7), 7},
    ParseCase{"BackspaceInField", "\"a\bb\"", false, Msg::Multiline(0), 0},
    // The width fault is located at the line break that ends the longer row.
    ParseCase{"WiderSecondRow", "\"a\",\"b\"\r\n\"c\",\"d\",\"e\"\r\n", false, Msg::Width(21), 21, 21,
              {{"a", "b"}, {"c", "d", "e"}}},
    ParseCase{"NarrowerSecondRowLf", "\"a\",\"b\"\n\"c\"\n\"d\"\n", false, Msg::Width(12), 12, 15},
    // A last row without a line break is compared too, located at its own line.
    ParseCase{"ShortLastRowWithoutBreak", "\"a\",\"b\"\r\n\"c\"", false, Msg::Width(9), 9, 12},
    ParseCase{"LongLastRowWithoutBreak", "\"a\"\r\n\"b\",\"c\"", false, Msg::Width(5), 5, 12}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ParseRunTest, StartsFromAnEmptyTableAndKeepsRowsBuiltBeforeAFault)
{
    TCommaFile file;
    ASSERT_TRUE(ParseText(file, "\"a\"\r\n\"b\"\r\n"));
    EXPECT_EQ(file.Rows->Count, 2);
    // The fault is in the third row's field; the rows before it, and the row just begun, stay.
    EXPECT_FALSE(ParseText(file, "\"x\"\r\n\"y\"\r\nz"));
    EXPECT_EQ(TableOf(file), (Table{{"x"}, {"y"}, {}}));
}

TEST(ParseRunTest, BinaryBytesAreRefusedWithoutReadingPastTheText)
{
    std::string bytes;
    unsigned state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1103515245u + 12345u;
        bytes += static_cast<char>(state >> 16);
    }
    for (std::size_t cut : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{1000}, bytes.size()}) {
        TCommaFile file;
        EXPECT_FALSE(ParseText(file, "\"" + bytes.substr(0, cut)));
        EXPECT_FALSE(ParseText(file, bytes.substr(0, cut)));
    }
}

}  // namespace
