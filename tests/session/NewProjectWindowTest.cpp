// A new project through the real main window: the column count, naming the columns, and
// the change light after each way the save question and the count can be answered.
#include "SessionWindow.h"

#include "dialogs/UnitMessageBoxCDF.h"
#include "engine/TCommaFile.h"
#include "engine/TCommaFileColumn.h"
#include "engine/TCommaFileColumns.h"
#include "engine/TCommaFileRow.h"
#include "engine/TCommaFileRows.h"

#include <QAction>
#include <QFileInfo>

namespace {

const char* const kRefusal =
    "You must enter a valid positive number between\r\n1 and 1000 !  No columns were created!";

class NewProjectTest : public SessionWindowTest {
protected:
    // The table of a new project of n columns with the given header labels, and the window
    // around it.
    void ExpectNewProject(int columns, const QStringList& labels)
    {
        TForm1& form = Form();
        const TStringGrid& grid = *form.StringGrid1;
        ASSERT_EQ(grid.ColCount(), columns + 1);
        ASSERT_EQ(grid.RowCount(), 2);
        EXPECT_EQ(grid.FixedRows(), 1);
        EXPECT_EQ(grid.FixedCols(), 1);
        EXPECT_EQ(grid.Cells(0, 0), "RECORD #");
        EXPECT_EQ(grid.Cells(0, 1), "1");
        EXPECT_EQ(HeaderLabels(), labels);
        for (int col = 1; col <= columns; ++col)
            EXPECT_EQ(grid.Cells(col, 1), "") << "column " << col;

        ExpectEngineRows(columns);
        EXPECT_EQ(form.windowTitle(), "[NEW FILE]");
        EXPECT_EQ(form.RichEdit1->toPlainText(), "New File Started ...");
        EXPECT_EQ(form.RichEdit2->TextLength(), 0);
        ExpectTableViews(true);
        EXPECT_TRUE(form.Image1->isHidden());
        EXPECT_TRUE(form.Panel1->isHidden());
        EXPECT_TRUE(form.ToolButton3->isEnabled());
        EXPECT_TRUE(form.Save1->isEnabled());
        EXPECT_TRUE(form.FileOpen);
        EXPECT_FALSE(form.Modified);
        EXPECT_EQ(form.DrawRowThreshold, 2);
    }

    // Two rows of n cells: the default labels and empty cells, whatever the grid's labels.
    void ExpectEngineRows(int columns)
    {
        TCommaFile& engine = *Form().CommaFile;
        ASSERT_EQ(engine.Rows->Count, 2);
        for (int row = 0; row < 2; ++row) {
            TCommaFileColumns& cells = *engine.Rows->Get(row)->Columns;
            ASSERT_EQ(cells.Count, columns);
            for (int k = 1; k <= columns; ++k) {
                EXPECT_EQ(cells.Get(k - 1)->Text, row == 0 ? "Column:" + std::to_string(k) : "");
                EXPECT_EQ(cells.Get(k - 1)->Kind, 2);
            }
        }
        EXPECT_TRUE(engine.Text.empty());
        EXPECT_TRUE(engine.FileName.empty());
    }

    // The refused count: its message, the empty window, and an engine of two empty rows.
    void ExpectRefused()
    {
        ASSERT_FALSE(ShownMessages().empty());
        EXPECT_EQ(ShownMessages().back().title, "Problem!");
        EXPECT_EQ(ShownMessages().back().text, kRefusal);
        ExpectEmptyWindow();
        EXPECT_EQ(Form().DrawRowThreshold, 2);
        ASSERT_EQ(Form().CommaFile->Rows->Count, 2);
        EXPECT_EQ(Form().CommaFile->Rows->Get(0)->Columns->Count, 0);
    }
};

struct AcceptedCount {
    int columns;
};

class NewProjectAcceptedTest : public NewProjectTest, public ::testing::WithParamInterface<AcceptedCount> {};

TEST_P(NewProjectAcceptedTest, ShowsTheNewTableWithAYellowLight)
{
    const int n = GetParam().columns;
    WindowScript script{TypeInto(QString::number(n)), "OKBtn"};
    Form().ToolButton9Click();
    EXPECT_EQ(script.Shown(), std::vector<QString>({"TInputBox", "TOKRightDlg2"}));
    ExpectNewProject(n, DefaultLabels(n));
    ExpectLight(true, kLightYellow);
    EXPECT_TRUE(ShownMessages().empty());
}

INSTANTIATE_TEST_SUITE_P(Counts, NewProjectAcceptedTest, ::testing::Values(AcceptedCount{1}, AcceptedCount{5},
                                                                            AcceptedCount{999}),
                         [](const auto& info) { return std::to_string(info.param.columns); });

TEST_F(NewProjectTest, AsksForTheCountWithItsCaptionPromptAndDefault)
{
    WindowScript script{[](QDialog& dialog) {
                            auto& box = static_cast<TInputBox&>(dialog);
                            EXPECT_EQ(box.windowTitle(), "How many columns?");
                            EXPECT_EQ(box.Prompt->text(), "How many columns should be created?");
                            EXPECT_EQ(box.Edit->text(), "0");
                            return PressButton(box, "Cancel");
                        },
                        "OKBtn"};
    Form().New1Click();
}

struct RefusedCount {
    const char* name;
    DialogAnswer answer;
};

class NewProjectRefusedTest : public NewProjectTest, public ::testing::WithParamInterface<RefusedCount> {};

TEST_P(NewProjectRefusedTest, ShowsTheRefusalAndLeavesTheEmptyWindow)
{
    WindowScript script{GetParam().answer, "OKBtn"};
    Form().ToolButton9Click();
    EXPECT_EQ(script.Shown(), std::vector<QString>({"TInputBox", "TMessageBoxCDF"}));
    ASSERT_EQ(ShownMessages().size(), 1u);
    ExpectRefused();
    ExpectLight(false, kLightGreen);
}

INSTANTIATE_TEST_SUITE_P(Counts, NewProjectRefusedTest,
                         ::testing::Values(RefusedCount{"Thousand", TypeInto("1000")}, RefusedCount{"Zero", TypeInto("0")},
                                           RefusedCount{"Negative", TypeInto("-3")}, RefusedCount{"Empty", TypeInto("")},
                                           RefusedCount{"Letters", TypeInto("abc")},
                                           RefusedCount{"Cancel", DialogAnswer("Cancel")}),
                         [](const auto& info) { return std::string(info.param.name); });

// How the user leaves Change Column Names decides which labels the new table shows.
struct NamingCase {
    const char* name;
    std::function<void(TOKRightDlg2&)> steps;
    std::vector<DialogAnswer> questions;  // answers to the question about unapplied text
    QStringList labels;
};

class NewProjectNamingTest : public NewProjectTest, public ::testing::WithParamInterface<NamingCase> {};

TEST_P(NewProjectNamingTest, WritesTheNamesTheDialogHandsBack)
{
    std::vector<DialogAnswer> answers{TypeInto("3"), WorkColumnNames(GetParam().steps)};
    answers.insert(answers.end(), GetParam().questions.begin(), GetParam().questions.end());
    {
        WindowScript script(answers);
        Form().ToolButton9Click();
    }
    ExpectNewProject(3, GetParam().labels);
    ExpectLight(true, kLightYellow);
}

const QStringList kDefaults{"Column:1", "Column:2", "Column:3"};
const QStringList kPrice{"Column:1", "Price", "Column:3"};

INSTANTIATE_TEST_SUITE_P(
    Endings, NewProjectNamingTest,
    ::testing::Values(
        NamingCase{"OkAfterApplying", [](TOKRightDlg2& d) { ApplyName(d, 1, "Price"); d.OKBtn->click(); }, {}, kPrice},
        NamingCase{"CancelAfterApplying", [](TOKRightDlg2& d) { ApplyName(d, 1, "Price"); d.CancelBtn->click(); }, {},
                   kDefaults},
        NamingCase{"CloseBoxAfterApplying", [](TOKRightDlg2& d) { ApplyName(d, 1, "Price"); d.close(); }, {}, kPrice},
        NamingCase{"CloseBoxWithoutApplying", [](TOKRightDlg2& d) { d.close(); }, {}, kDefaults},
        NamingCase{"UnappliedTextAskedTwice",
                   [](TOKRightDlg2& d) {
                       ApplyName(d, 0, "Name");
                       TypeName(d, 1, "Price");
                       d.OKBtn->click();
                       EXPECT_TRUE(d.isVisible()) << "No keeps the dialog open";
                       EXPECT_EQ(d.Edit1->text(), "Price");
                       d.OKBtn->click();
                       EXPECT_FALSE(d.isVisible());
                   },
                   {"No", "Yes"}, {"Name", "Column:2", "Column:3"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NewProjectTest, TheUnappliedTextQuestionHasItsOwnText)
{
    {
        WindowScript script{TypeInto("2"), WorkColumnNames([](TOKRightDlg2& d) {
                                TypeName(d, 0, "Typed");
                                d.OKBtn->click();
                            }),
                            "Yes"};
        Form().ToolButton9Click();
    }
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].text, "Text has been typed, but not applied.  Exit anyway?");
    EXPECT_EQ(HeaderLabels(), DefaultLabels(2));
}

// The change light after each answer to the save question and the count.
enum class Before { EmptyWindow, YellowTable };

struct LightCase {
    const char* name;
    Before before;
    std::vector<DialogAnswer> answers;  // beginning with the save question's, if it is asked
    bool created;
    bool visible;
    TColor colour;
    int exports;  // files written by a "Yes"
};

class NewProjectLightTest : public NewProjectTest, public ::testing::WithParamInterface<LightCase> {
protected:
    void SetUp() override
    {
        if (GetParam().before == Before::YellowTable)
            StartProject(4);
        ClearShownMessages();
    }
};

TEST_P(NewProjectLightTest, EndsWithTheLightOfItsOutcome)
{
    {
        WindowScript script(GetParam().answers);
        Form().New1Click();
    }
    if (GetParam().before == Before::YellowTable) {
        ASSERT_FALSE(ShownMessages().empty());
        EXPECT_EQ(ShownMessages()[0].title, kConfirmCaption);
        EXPECT_EQ(ShownMessages()[0].text, kSaveCurrentQuestion);
    }
    if (GetParam().created)
        ExpectNewProject(2, DefaultLabels(2));
    else
        ExpectRefused();
    ExpectLight(GetParam().visible, GetParam().colour);
    EXPECT_EQ(Exports().size(), size_t(GetParam().exports));
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, NewProjectLightTest,
    ::testing::Values(
        LightCase{"CreatedWithoutQuestion", Before::EmptyWindow, {TypeInto("2"), "OKBtn"}, true, true, kLightYellow, 0},
        LightCase{"CreatedAfterYes", Before::YellowTable,
                  {"Yes", ChooseFile("saved.csv"), "OKBtn", TypeInto("2"), "OKBtn"}, true, true, kLightYellow, 1},
        LightCase{"CreatedAfterNo", Before::YellowTable, {"No", TypeInto("2"), "OKBtn"}, true, true, kLightGreen, 0},
        LightCase{"RefusedWithoutQuestion", Before::EmptyWindow, {TypeInto("0"), "OKBtn"}, false, false, kLightGreen, 0},
        LightCase{"RefusedAfterYes", Before::YellowTable,
                  {"Yes", ChooseFile("saved.csv"), "OKBtn", TypeInto("0"), "OKBtn"}, false, false, kLightGreen, 1},
        LightCase{"RefusedAfterNo", Before::YellowTable, {"No", TypeInto("0"), "OKBtn"}, false, true, kLightGreen, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NewProjectTest, YesAndACancelledSaveKeepsTheCurrentTable)
{
    StartProject(4);
    ClearShownMessages();
    {
        WindowScript script{"Yes", "Cancel", "OKBtn"};
        Form().ToolButton9Click();
        EXPECT_EQ(script.Shown(), std::vector<QString>({"QMessageBox", "TSaveDialog", "TMessageBoxCDF"}));
    }
    ASSERT_EQ(ShownMessages().size(), 2u);
    EXPECT_EQ(ShownMessages()[1].title, "Problem");
    EXPECT_EQ(ShownMessages()[1].text, "File could not be saved");
    ExpectNewProject(4, DefaultLabels(4));
    ExpectLight(true, kLightYellow);
    EXPECT_TRUE(Exports().empty());
}

TEST_F(NewProjectTest, ReplacesAnOpenTableWhoseLightIsGreenWithoutAsking)
{
    StartProject(4);
    Form().SetChangeLight(true, kLightGreen);
    StartProject(2);
    ExpectNewProject(2, DefaultLabels(2));
    ExpectLight(true, kLightYellow);
}

} // namespace
