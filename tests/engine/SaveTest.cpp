// Writing texts to new files, the codes of every outcome, and the name tests.

#include "EngineTestSupport.h"

#include <cerrno>

namespace {

class SaveTest : public testing::Test {
protected:
    TempFolder folder;
    FakeFacts facts;
    ScopedSystemFacts scope{facts};
    TCommaFile file;

    int Save(const std::string& name, const std::string& text, bool reopen = false)
    {
        file.FileName = name.empty() ? "" : folder.File(name);
        file.Text = text;
        return file.SaveToFile(reopen);
    }
};

const std::string ValidText = "\"a\",\"b\"\r\n\"c\",\"d\"\r\n";
const std::string UnevenText = "\"a\",\"b\"\r\n\"c\"\r\n";

TEST_F(SaveTest, CommaNameIsWrittenAndReadBack)
{
    EXPECT_EQ(Save("out.csv", ValidText), 0);
    EXPECT_EQ(ReadFile(folder.File("out.csv")), ValidText);
    EXPECT_EQ(file.GetSize(), ValidText.size());
    EXPECT_EQ(TableOf(file), (Table{{"a", "b"}, {"c", "d"}}));
    EXPECT_TRUE(file.Stream);
}

TEST_F(SaveTest, InvalidCommaTextIsWrittenButReported)
{
    EXPECT_EQ(Save("out.csv", UnevenText), 996);
    EXPECT_EQ(ReadFile(folder.File("out.csv")), UnevenText);
    EXPECT_EQ(file.Message, Msg::Width(13));
    EXPECT_EQ(file.Rows->Count, 2);
}

struct NameCase {
    const char* Name;
    const char* File;
    int Expected;
};

class SaveByNameTest : public SaveTest, public testing::WithParamInterface<NameCase> {};

TEST_P(SaveByNameTest, HtmlAndXmlNamesAreNotValidated)
{
    const std::string html = "<html><body></body></html>";
    EXPECT_EQ(Save(GetParam().File, html), GetParam().Expected);
    EXPECT_EQ(ReadFile(folder.File(GetParam().File)), html);
}

INSTANTIATE_TEST_SUITE_P(Names, SaveByNameTest, testing::Values(
    NameCase{"Html", "page.html", 0}, NameCase{"Xml", "data.XML", 0},
    NameCase{"HtmIsValidated", "page.htm", 996}, NameCase{"Csv", "page.csv", 996}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SaveTest, NulInTheTextIsWrittenWhole)
{
    const std::string text("\"a\0b\"\r\n", 7);
    EXPECT_EQ(Save("nul.csv", text), 0);
    EXPECT_EQ(ReadFile(folder.File("nul.csv")), text);
    EXPECT_EQ(file.GetSize(), 7u);
    EXPECT_EQ(file.Rows->Get(0)->Columns->Get(0)->Text, std::string("a\0b", 3));
}

TEST_F(SaveTest, EmptyNameGives994)
{
    EXPECT_EQ(Save("", ValidText), 994);
}

class DriveTypeSaveTest : public SaveTest, public testing::WithParamInterface<int> {};

TEST_P(DriveTypeSaveTest, OnlyRemovableAndFixedDrivesAreWritten)
{
    facts.Drive = GetParam();
    const bool writable = GetParam() == DRIVE_REMOVABLE || GetParam() == DRIVE_FIXED;
    EXPECT_EQ(Save("out.csv", ValidText), writable ? 0 : 995);
    EXPECT_EQ(std::filesystem::exists(folder.File("out.csv")), writable);
}

INSTANTIATE_TEST_SUITE_P(Drives, DriveTypeSaveTest,
    testing::Values(DRIVE_UNKNOWN, DRIVE_NO_ROOT_DIR, DRIVE_REMOVABLE, DRIVE_FIXED, DRIVE_REMOTE,
                    DRIVE_CDROM, DRIVE_RAMDISK));

TEST_F(SaveTest, FileThatCannotBeCreatedGives998)
{
    EXPECT_EQ(Save("no/such/folder/out.csv", ValidText), 998);
    EXPECT_FALSE(file.Stream);
}

// An exclusive save never empties a file that is already there, whatever it is, and writes a
// new one exactly like a replacing save.
class ExclusiveSaveTest : public SaveTest {
protected:
    int SaveExclusive(const std::string& name, const std::string& text)
    {
        file.FileName = folder.File(name);
        file.Text = text;
        return file.SaveToFile(true, TCommaFile::CreateMode::Exclusive);
    }
};

TEST_F(ExclusiveSaveTest, NewNameIsWrittenAndReadBack)
{
    EXPECT_EQ(SaveExclusive("new.csv", ValidText), 0);
    EXPECT_EQ(ReadFile(folder.File("new.csv")), ValidText);
    EXPECT_EQ(TableOf(file), (Table{{"a", "b"}, {"c", "d"}}));
    EXPECT_TRUE(file.Stream);
}

TEST_F(ExclusiveSaveTest, ExistingFileIsRefusedUntouched)
{
    const std::string existing = folder.Write("old.csv", "\"keep\"\r\n");
    EXPECT_EQ(SaveExclusive("old.csv", ValidText), 998);
    EXPECT_EQ(file.OpenError, EEXIST);
    EXPECT_FALSE(file.Stream);
    EXPECT_EQ(ReadFile(existing), "\"keep\"\r\n");
}

TEST_F(ExclusiveSaveTest, DanglingLinkIsRefusedAndNothingIsCreated)
{
    const std::string target = folder.File("target.csv");
    std::filesystem::create_symlink(target, folder.File("link.csv"));
    EXPECT_EQ(SaveExclusive("link.csv", ValidText), 998);
    EXPECT_EQ(file.OpenError, EEXIST);
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(SaveTest, ReplacingSaveStillEmptiesAnExistingFile)
{
    folder.Write("old.csv", "\"a much longer text than the new one\"\r\n");
    EXPECT_EQ(Save("old.csv", ValidText), 0);
    EXPECT_EQ(ReadFile(folder.File("old.csv")), ValidText);
}

TEST_F(SaveTest, FailedWriteGives997)
{
    file.FileName = "/dev/full";
    file.Text = ValidText;
    EXPECT_EQ(file.SaveToFile(true), 997);
    EXPECT_TRUE(file.Stream);
}

TEST_F(SaveTest, SecondSaveWithReopenClosesTheFirstFile)
{
    ASSERT_EQ(Save("one.csv", ValidText), 0);
    const int firstFd = fileno(file.Stream.get());
    ASSERT_EQ(Save("two.csv", "\"x\"\r\n", true), 0);
    EXPECT_EQ(ReadFile(folder.File("one.csv")), ValidText);
    EXPECT_EQ(ReadFile(folder.File("two.csv")), "\"x\"\r\n");
    EXPECT_EQ(TableOf(file), (Table{{"x"}}));
    EXPECT_EQ(fileno(file.Stream.get()), firstFd);  // the first descriptor was released
}

TEST_F(SaveTest, LoadedFileIsClosedWhenSavingWithReopen)
{
    const std::string source = folder.Write("in.csv", ValidText);
    ASSERT_TRUE(file.LoadFromFile(source, true));
    EXPECT_EQ(Save("copy.html", "<html/>", true), 0);
    EXPECT_EQ(ReadFile(source), ValidText);
    EXPECT_EQ(ReadFile(folder.File("copy.html")), "<html/>");
}

struct CheckCase {
    const char* Path;
    int Html;
    int Xml;
};

class CheckNameTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckNameTest, AnswersByTheFirstOccurrence)
{
    TCommaFile file;
    EXPECT_EQ(file.CheckHtmlName(GetParam().Path), GetParam().Html) << GetParam().Path;
    EXPECT_EQ(file.CheckXmlName(GetParam().Path), GetParam().Xml) << GetParam().Path;
}

INSTANTIATE_TEST_SUITE_P(Paths, CheckNameTest, testing::Values(
    CheckCase{"C:\\DATA\\T.HTML", 0, 999}, CheckCase{"t.htmx", 0, 999},
    CheckCase{"C:\\T.HTM", 1000, 999}, CheckCase{"C:\\A.HTML\\T.CSV", 1000, 999},
    CheckCase{"C:\\T.CSV", 999, 999}, CheckCase{"C:\\T.XML", 999, 0},
    CheckCase{"C:\\T.XMLX", 999, 0}, CheckCase{"C:\\A.XML\\T.CSV", 999, 1000},
    CheckCase{"/home/u/page.Html", 0, 999}, CheckCase{"/tmp/x.xml.csv", 999, 1000},
    CheckCase{"", 999, 999}, CheckCase{".HT", 999, 999}));

struct QuoteCase {
    std::string In;
    std::string Out;
};

class DoubleQuotesTest : public testing::TestWithParam<QuoteCase> {};

TEST_P(DoubleQuotesTest, DoublesEveryQuote)
{
    std::string text = GetParam().In;
    TCommaFile().DoubleQuotes(text);
    EXPECT_EQ(text, GetParam().Out);
}

INSTANTIATE_TEST_SUITE_P(Texts, DoubleQuotesTest, testing::Values(
    QuoteCase{"a\"b", "a\"\"b"}, QuoteCase{"\"", "\"\""}, QuoteCase{"plain", "plain"},
    QuoteCase{"", ""}, QuoteCase{"\"\"x\"", "\"\"\"\"x\"\""}));

}  // namespace
