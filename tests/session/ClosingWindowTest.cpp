// Closing the current table and closing the window, through the real main window: the save
// question while the light is yellow, what a cancelled save keeps, the saving flag, and what
// the window releases when it closes.
#include "SessionWindow.h"

#include "dialogs/UnitMessageBoxCDF.h"
#include "dialogs/UnitSearch.h"
#include "platform/ScreenCursor.h"

#include <QAction>
#include <QPointer>

namespace {

const char* const kSaveOnExitQuestion =
    "Your data has not been saved by exporting it to a file. \r\n Do you wish to save your data now?";

class ClosingTest : public SessionWindowTest {
protected:
    void OpenTable() { OpenFile("\"Name\",\"City\"\r\n\"Ann\",\"Oslo\"\r\n\"Bob\",\"Rome\"\r\n"); }

    void MakeYellowTable()
    {
        StartProject(3);
        ClearShownMessages();
    }

    // After Close Current: the empty window, a cleared 2 by 2 grid, the hidden light.
    void ExpectClosed()
    {
        ExpectEmptyWindow();
        ExpectLight(false, kLightGreen);
        EXPECT_FALSE(Form().Modified);
        EXPECT_TRUE(Form().Label3->isHidden());
        const TStringGrid& grid = *Form().StringGrid1;
        ASSERT_EQ(grid.RowCount(), 2);
        ASSERT_EQ(grid.ColCount(), 2);
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 2; ++col)
                EXPECT_EQ(grid.Cells(col, row), "");
        // The summary box keeps the closing line break as a paragraph end.
        EXPECT_EQ(Form().RichEdit1->toPlainText(), "Summary of file ... \n");
    }

    // After the window closed: hidden, its engine released, every cell emptied.
    void ExpectWindowEnded()
    {
        EXPECT_FALSE(Form().isVisible());
        EXPECT_FALSE(Form().FileOpen);
        EXPECT_EQ(Form().CommaFile, nullptr);
        const TStringGrid& grid = *Form().StringGrid1;
        for (int row = 0; row < grid.RowCount(); ++row)
            for (int col = 0; col < grid.ColCount(); ++col)
                EXPECT_EQ(grid.Cells(col, row), "");
    }
};

TEST_F(ClosingTest, CloseCurrentWithAGreenLightClosesWithoutAsking)
{
    OpenTable();
    const int cursor = ScreenCursor();
    {
        WindowScript none;
        Form().CloseCurrent1Click();
    }
    EXPECT_TRUE(ShownMessages().empty());
    ExpectClosed();
    EXPECT_EQ(ScreenCursor(), cursor);
}

struct CloseCurrentCase {
    const char* name;
    std::vector<DialogAnswer> answers;  // to the save question and what follows
    bool closes;
    int exports;
};

class CloseCurrentAskingTest : public ClosingTest, public ::testing::WithParamInterface<CloseCurrentCase> {};

TEST_P(CloseCurrentAskingTest, AsksWhileTheLightIsYellow)
{
    MakeYellowTable();
    const int cursor = ScreenCursor();
    {
        WindowScript script(GetParam().answers);
        Form().CloseCurrent1Click();
    }
    ASSERT_FALSE(ShownMessages().empty());
    EXPECT_EQ(ShownMessages()[0].title, kConfirmCaption);
    EXPECT_EQ(ShownMessages()[0].text, kSaveCurrentQuestion);
    if (GetParam().closes) {
        ExpectClosed();
    } else {
        EXPECT_EQ(ShownMessages().back().title, "Problem");
        EXPECT_EQ(ShownMessages().back().text, "File could not be saved ... ");
        EXPECT_TRUE(Form().FileOpen);
        EXPECT_FALSE(Form().StringGrid1->isHidden());
        EXPECT_EQ(HeaderLabels(), DefaultLabels(3));
        ExpectLight(true, kLightYellow);
    }
    EXPECT_EQ(Exports().size(), size_t(GetParam().exports));
    EXPECT_EQ(ScreenCursor(), cursor);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CloseCurrentAskingTest,
    ::testing::Values(CloseCurrentCase{"No", {"No"}, true, 0},
                      CloseCurrentCase{"YesAndSaved", {"Yes", ChooseFile("saved.csv"), "OKBtn"}, true, 1},
                      CloseCurrentCase{"YesAndCancelledSave", {"Yes", "Cancel", "OKBtn"}, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct WindowCloseCase {
    const char* name;
    bool yellow;
    std::vector<DialogAnswer> answers;
    bool closes;
    int exports;
};

class WindowCloseTest : public ClosingTest, public ::testing::WithParamInterface<WindowCloseCase> {};

TEST_P(WindowCloseTest, ClosesOnlyWhenTheDataIsSavedOrMayBeLost)
{
    if (GetParam().yellow)
        MakeYellowTable();
    else
        OpenTable();
    {
        WindowScript script(GetParam().answers);
        Form().Exit1->trigger();
    }
    if (GetParam().yellow) {
        ASSERT_FALSE(ShownMessages().empty());
        EXPECT_EQ(ShownMessages()[0].title, kConfirmCaption);
        EXPECT_EQ(ShownMessages()[0].text, kSaveOnExitQuestion);
    } else {
        EXPECT_TRUE(ShownMessages().empty());
    }
    if (GetParam().closes) {
        ExpectWindowEnded();
    } else {
        EXPECT_TRUE(Form().isVisible());
        EXPECT_TRUE(Form().FileOpen);
        EXPECT_NE(Form().CommaFile, nullptr);
        EXPECT_EQ(HeaderLabels(), DefaultLabels(3));
        EXPECT_EQ(ShownMessages().size(), 1u) << "a cancelled save closes nothing and reports nothing";
    }
    EXPECT_EQ(Exports().size(), size_t(GetParam().exports) + (GetParam().yellow ? 0 : 1));
}

// A green window holds the opened file, which counts among the folder's files.
INSTANTIATE_TEST_SUITE_P(
    Requests, WindowCloseTest,
    ::testing::Values(WindowCloseCase{"GreenLight", false, {}, true, 0},
                      WindowCloseCase{"YellowAndNo", true, {"No"}, true, 0},
                      WindowCloseCase{"YellowAndSaved", true, {"Yes", ChooseFile("saved.csv"), "OKBtn"}, true, 1},
                      WindowCloseCase{"YellowAndCancelledSave", true, {"Yes", "Cancel"}, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The message that an HTML export shows at its end comes while the export is still being
// written: a close request then is refused without a question.
TEST_F(ClosingTest, ACloseRequestWhileAnExportIsWrittenIsRefused)
{
    MakeYellowTable();
    bool refused = false;
    {
        WindowScript script{ChooseFile("page.html"), "OKBtn", [&](QDialog& dialog) {
                                EXPECT_TRUE(Form().Saving);
                                Form().close();
                                refused = Form().isVisible();
                                return PressButton(dialog, "OKBtn");
                            }};
        Form().ToolButton2Click();
    }
    EXPECT_TRUE(refused);
    ASSERT_EQ(ShownMessages().size(), 2u);
    EXPECT_EQ(ShownMessages()[1].title, "Files saved");
    EXPECT_FALSE(Form().Saving);
    EXPECT_TRUE(Form().FileOpen);
}

TEST_F(ClosingTest, ClosingDestroysTheFindDialogAndAMessageBoxStillHeld)
{
    OpenTable();
    Form().Search1Click();
    const QPointer<QDialog> find(Form().FindDialog);
    ASSERT_FALSE(find.isNull());
    QPointer<QDialog> box;
    bool boxGoneAtClose = false;
    {
        WindowScript script{[&](QDialog& dialog) {
            box = &dialog;
            Form().close();
            boxGoneAtClose = box.isNull();
            return int(QDialog::Rejected);
        }};
        ShowProblem("Problem", "shown while the window closes");
    }
    EXPECT_TRUE(boxGoneAtClose);
    EXPECT_TRUE(find.isNull());
    EXPECT_EQ(Form().FindDialog, nullptr);
    ExpectWindowEnded();
}

} // namespace
