// colvane-check as a script calls it: its lines and its exit status.

#include "engine/EngineTestSupport.h"

#include <cstdio>
#include <sys/wait.h>

namespace {

struct CheckRun {
    std::string Output;
    int Status;
};

CheckRun RunCheck(const std::string& arguments)
{
    const std::string command = std::string(COLVANE_BINARY_DIR "/colvane-check ") + arguments + " 2>/dev/null";
    CheckRun run{"", -1};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char chunk[4096];
    while (std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe))
        run.Output.append(chunk, n);
    const int status = pclose(pipe);
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

struct CheckCase {
    const char* Name;
    std::string Text;
    std::string Verdict;  // what follows the file name
};

class ColvaneCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(ColvaneCheckTest, PrintsOneLinePerFile)
{
    TempFolder folder;
    const std::string path = folder.Write("f.csv", GetParam().Text);
    const CheckRun run = RunCheck(path);
    EXPECT_EQ(run.Output, path + GetParam().Verdict + "\n");
    EXPECT_EQ(run.Status, GetParam().Verdict.rfind(": valid:", 0) == 0 ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Files, ColvaneCheckTest, testing::Values(
    CheckCase{"Valid", "\"a\",\"b\"\r\n\"c\",\"d\"\r\n", ": valid: 2 rows, 2 columns"},
    CheckCase{"UnquotedOnThirdCrLfLine", "\"a\"\r\n\"b\"\r\nc\r\n",
              ":3: File not loaded.  Unquoted text found near character # 10 This program requires quotes around ALL data"},
    CheckCase{"UnquotedOnThirdCrLine", "\"a\"\r\"b\"\rc",
              ":3: File not loaded.  Unquoted text found near character # 8 This program requires quotes around ALL data"},
    // A width fault at a CR LF is located at its LF, which still belongs to the longer row.
    CheckCase{"WidthAtCrLf", "\"a\"\r\n\"b\",\"c\"\r\n",
              ":2: Could not load file. Not all rows have same number of columns   Problem is near character # 13"},
    CheckCase{"Empty", "", ":1: Could not load file. Unquoted text found.  Problem is near character # 0 This program requires quotes around ALL data"},
    CheckCase{"UnclosedQuote", "\"a\"\r\n\"b", ":1: the text ends inside a quoted field"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ColvaneCheckRunTest, CannotBeOpenedAndMixedFilesGiveStatusOne)
{
    TempFolder folder;
    const std::string good = folder.Write("good.csv", "\"a\"\r\n");
    const std::string missing = folder.File("missing.csv");
    const CheckRun run = RunCheck(good + " " + missing + " " + folder.File(""));
    EXPECT_EQ(run.Output, good + ": valid: 1 rows, 1 columns\n" + missing +
                              ": cannot be opened: No such file or directory\n" + folder.File("") +
                              ": cannot be opened: Is a directory\n");
    EXPECT_EQ(run.Status, 1);
}

TEST(ColvaneCheckRunTest, UsageErrorsAndHelp)
{
    EXPECT_EQ(RunCheck("").Status, 2);
    EXPECT_EQ(RunCheck("--bogus x.csv").Status, 2);
    const CheckRun help = RunCheck("--help");
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Output.find("Usage: colvane-check FILE..."), std::string::npos);
}

}  // namespace
