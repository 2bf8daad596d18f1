// Loading files: the five outcomes of a load, the memory test, and files that hold any byte.

#include "EngineTestSupport.h"

#include <fcntl.h>
#include <unistd.h>

namespace {

class LoadTest : public testing::Test {
protected:
    TempFolder folder;
    FakeFacts facts;
    ScopedSystemFacts scope{facts};
    TCommaFile file;
};

TEST_F(LoadTest, ValidFileGivesItsTableTextAndSize)
{
    const std::string text = "\"Name\",\"Age\"\r\n\"Ann\",\"31\"\r\n";
    const std::string path = folder.Write("people.csv", text);
    ASSERT_TRUE(file.LoadFromFile(path, true));
    EXPECT_EQ(file.Text, text);
    EXPECT_EQ(file.GetSize(), text.size());
    EXPECT_EQ(file.FileName, path);
    EXPECT_TRUE(file.Stream);
    EXPECT_EQ(TableOf(file), (Table{{"Name", "Age"}, {"Ann", "31"}}));
}

TEST_F(LoadTest, NulBytesAreKeptAndReadLikeAnyOtherCharacter)
{
    const std::string inField("\"a\0b\",\"c\"\r\n\"d\",\"e\"\r\n", 20);
    ASSERT_TRUE(file.LoadFromFile(folder.Write("nul.csv", inField), true));
    EXPECT_EQ(file.Text, inField);
    EXPECT_EQ(file.GetSize(), inField.size());
    EXPECT_EQ(TableOf(file), (Table{{std::string("a\0b", 3), "c"}, {"d", "e"}}));

    const std::string betweenFields("\"a\",\0\"b\"\r\n", 10);
    TCommaFile other;
    EXPECT_FALSE(other.LoadFromFile(folder.Write("nul2.csv", betweenFields), true));
    EXPECT_EQ(other.Message, Msg::Unquoted(0));
    EXPECT_EQ(other.Text, betweenFields);
}

TEST_F(LoadTest, InvalidFileKeepsItsTextAndTheFault)
{
    const std::string text = "\"a\"\r\nb";
    ASSERT_FALSE(file.LoadFromFile(folder.Write("bad.csv", text), true));
    EXPECT_EQ(file.Text, text);
    EXPECT_EQ(file.Message, Msg::Unquoted(5));
    EXPECT_EQ(file.ErrorStart, 5);
    EXPECT_TRUE(file.Stream);
    EXPECT_EQ(file.Rows->Count, 2);
}

TEST_F(LoadTest, PathsThatCannotBeOpenedLeaveTheMessageAndCloseTheStream)
{
    ASSERT_TRUE(file.LoadFromFile(folder.Write("ok.csv", "\"a\"\r\n"), true));
    file.Message = "kept";
    for (const std::string& path : {folder.File("missing.csv"), folder.File(""), folder.File("no/such/dir.csv")}) {
        EXPECT_FALSE(file.LoadFromFile(path, true)) << path;
        EXPECT_EQ(file.Message, "kept");
        EXPECT_FALSE(file.Stream);
        EXPECT_NE(file.OpenError, 0);
    }
    EXPECT_EQ(file.FileName, folder.File("ok.csv"));
}

TEST_F(LoadTest, OpenStreamWithoutReopenChangesNothing)
{
    ASSERT_TRUE(file.LoadFromFile(folder.Write("one.csv", "\"a\"\r\n"), true));
    EXPECT_FALSE(file.LoadFromFile(folder.Write("two.csv", "\"b\"\r\n"), false));
    EXPECT_EQ(file.Text, "\"a\"\r\n");
    EXPECT_TRUE(file.LoadFromFile(folder.File("two.csv"), true));
    EXPECT_EQ(file.Text, "\"b\"\r\n");
}

TEST_F(LoadTest, MemoryTestFailureKeepsTheEarlierFile)
{
    ASSERT_TRUE(file.LoadFromFile(folder.Write("small.csv", "\"a\"\r\n"), true));
    const std::string big = folder.Write("big.csv", "\"0123456789\"\r\n");
    facts.Memory.AvailPhys = 13;
    EXPECT_FALSE(file.LoadFromFile(big, true));
    EXPECT_EQ(file.Message, Msg::TooBig);
    EXPECT_EQ(file.GetSize(), 14u);
    EXPECT_EQ(file.Text, "\"a\"\r\n");
    EXPECT_EQ(file.FileName, folder.File("small.csv"));
    EXPECT_EQ(file.Rows->Count, 1);
    EXPECT_TRUE(file.Stream);
}

TEST_F(LoadTest, FileTooLargeForThirtyTwoBitSizesIsRefusedAsTooBig)
{
    const std::string path = folder.Write("huge.csv", "");
    ASSERT_EQ(truncate(path.c_str(), std::int64_t{5} << 30), 0);
    EXPECT_FALSE(file.LoadFromFile(path, true));
    EXPECT_EQ(file.Message, Msg::TooBig);
}

TEST_F(LoadTest, DestroyingTheEngineClosesItsFile)
{
    auto engine = std::make_unique<TCommaFile>();
    ASSERT_TRUE(engine->LoadFromFile(folder.Write("a.csv", "\"a\"\r\n"), true));
    const int fd = fileno(engine->Stream.get());
    EXPECT_NE(fcntl(fd, F_GETFD), -1);
    engine.reset();
    EXPECT_EQ(fcntl(fd, F_GETFD), -1);
}

struct MemoryCase {
    const char* Name;
    std::uint64_t Total;
    std::uint64_t Available;
    std::uint32_t Size;
    bool Readable;
    bool Expected;
};

class HasMemoryForTest : public testing::TestWithParam<MemoryCase> {};

TEST_P(HasMemoryForTest, NeedsTwentyFiveTimesTotalAndOnceAvailable)
{
    const MemoryCase& c = GetParam();
    FakeFacts facts;
    facts.Memory.TotalPhys = c.Total;
    facts.Memory.AvailPhys = c.Available;
    facts.MemoryReadable = c.Readable;
    ScopedSystemFacts scope(facts);
    EXPECT_EQ(TCommaFile().HasMemoryFor(c.Size), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Figures, HasMemoryForTest, testing::Values(
    MemoryCase{"Enough", 2500, 100, 100, true, true},
    MemoryCase{"TotalJustShort", 2499, 100, 100, true, false},
    MemoryCase{"AvailableJustShort", 2500, 99, 100, true, false},
    // 25 x 200 MB is more than 32 bits hold; the product must not wrap around.
    MemoryCase{"ProductBeyond32Bits", 4'000'000'000ull, 4'000'000'000ull, 200'000'000u, true, false},
    MemoryCase{"LargeFileEnoughMemory", 6'000'000'000ull, 300'000'000ull, 200'000'000u, true, true},
    MemoryCase{"FiguresUnreadable", 1ull << 40, 1ull << 40, 1, false, false}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
