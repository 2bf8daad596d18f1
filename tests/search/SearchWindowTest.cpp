// Searching an opened table through the main window's Find dialog: what is found and where
// the grid's current cell goes, Find Next and its wrap, a search without a hit, closing and
// reopening the dialog, and the main window's activation when the focus comes back.
#include "session/SessionWindow.h"

#include "dialogs/UnitSearch.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {

// Twelve data rows under the labels; no data cell holds a digit, so a number is found only
// in the record-number column. "only" occurs once; "beta" in rows 2 and 7.
QByteArray SearchTable()
{
    QByteArray text = "\"Name\",\"City\",\"Code\"\r\n\"xxABCxx\",\"  Oslo  \",\"q\"\r\n";
    for (int row = 2; row <= 12; ++row) {
        const QByteArray name = row == 2 || row == 7 ? "beta" : "gamma";
        const QByteArray code = row == 5 ? "the only one" : "z";
        text += "\"" + name + "\",\"Bergen\",\"" + code + "\"\r\n";
    }
    return text;
}

class SearchWindowTest : public SessionWindowTest {
protected:
    void SetUp() override
    {
        OpenFile(SearchTable());
        Form().StringGrid1->SetCurrentCell(3, 4);
        Form().ToolButton3Click();
        ASSERT_NE(Find(), nullptr);
    }

    TOKHelpRightDlg* Find() { return Form().FindDialog; }

    // Types the text and presses Find First (or Find Next); the grid's current cell after it.
    QPoint Search(const QString& text, bool findNext = false, bool caseSensitive = false)
    {
        Find()->Edit1->setText(text);
        Find()->CheckBox1->setChecked(caseSensitive);
        (findNext ? Find()->Button1 : Find()->OKBtn)->click();
        return Current();
    }

    QPoint Current() { return {Form().StringGrid1->Col(), Form().StringGrid1->Row()}; }
    QPoint SearchPosition() { return {Form().SearchCol, Form().SearchRow}; }

    // Closes the Find dialog with its close box and lets it go, as the event loop would.
    void CloseFind()
    {
        Find()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

struct SearchCase {
    const char* name;
    QString text;
    bool caseSensitive;
    QPoint hit;  // column, row; (-1, -1) for none
};

class SearchWindowCaseTest : public SearchWindowTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(SearchWindowCaseTest, FindFirstMovesToTheFirstMatchOrNowhere)
{
    const bool found = GetParam().hit.x() >= 0;
    const QPoint start = Current();
    const QPoint after = Search(GetParam().text, false, GetParam().caseSensitive);
    EXPECT_EQ(SearchPosition(), found ? GetParam().hit : QPoint(0, 1));
    if (!found)
        EXPECT_EQ(after, start);
    else if (GetParam().hit.x() >= 1)
        EXPECT_EQ(after, GetParam().hit);
    else  // the record-number column never holds the current cell: only the row moves
        EXPECT_EQ(after, QPoint(start.x(), GetParam().hit.y()));
    EXPECT_TRUE(ShownMessages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchWindowCaseTest,
    ::testing::Values(SearchCase{"IgnoringCase", "abc", false, {1, 1}},
                      SearchCase{"CaseSensitive", "abc", true, {-1, -1}},
                      SearchCase{"CaseSensitiveSameCase", "ABC", true, {1, 1}},
                      SearchCase{"TrimmedTextAndCell", "  oslo ", false, {2, 1}},
                      SearchCase{"HeaderRowNeverFound", "City", false, {-1, -1}},
                      SearchCase{"RecordNumberColumn", "12", false, {0, 12}},
                      SearchCase{"RecordNumberBeforeLaterCells", "1", false, {0, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SearchWindowTest, FindNextAfterTheOnlyMatchFindsItAgain)
{
    EXPECT_EQ(Search("only"), QPoint(3, 5));
    EXPECT_EQ(Search("only", true), QPoint(3, 5));
    EXPECT_EQ(Search("only", true), QPoint(3, 5));
}

TEST_F(SearchWindowTest, FindNextGoesOnFromTheLastHitAndWrapsToTheFirstRow)
{
    EXPECT_EQ(Search("beta"), QPoint(1, 2));
    EXPECT_EQ(Search("beta", true), QPoint(1, 7));
    EXPECT_EQ(Search("beta", true), QPoint(1, 2));
}

TEST_F(SearchWindowTest, NoMatchLeavesEverythingAsItWas)
{
    const QString before = Form().StringGrid1->Cells(2, 1);
    EXPECT_EQ(Search("nowhere", true), QPoint(3, 4));
    EXPECT_EQ(Search("nowhere"), QPoint(3, 4));
    EXPECT_EQ(SearchPosition(), QPoint(0, 1));
    EXPECT_EQ(Form().StringGrid1->Cells(2, 1), before);
    EXPECT_EQ(Form().windowTitle(), " File: " + PathOf("table.csv"));
    EXPECT_TRUE(ShownMessages().empty());
    // Find Next goes on one cell after row 1, column 0: the next "1" is row 10's number.
    Search("1", true);
    EXPECT_EQ(SearchPosition(), QPoint(0, 10));
}

TEST_F(SearchWindowTest, ClosingAndReopeningStartsOverWithTheWindowsPlaceAtThatMoment)
{
    EXPECT_EQ(Search("only"), QPoint(3, 5));
    const QPointer<TOKHelpRightDlg> first(Find());
    CloseFind();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(Find(), nullptr);
    EXPECT_EQ(SearchPosition(), QPoint(0, 1));

    Form().move(Form().x() + 40, Form().y() + 30);
    const QRect outer = Form().frameGeometry();
    Form().Search1Click();
    ASSERT_NE(Find(), nullptr);
    EXPECT_EQ(QRect(Find()->MainLeft, Find()->MainTop, Find()->MainWidth, Find()->MainHeight), outer);
    EXPECT_EQ(Search("beta", true), QPoint(1, 2));
}

TEST_F(SearchWindowTest, TheDialogReturnsToItsPlaceFromTheGeometryAtItsCreation)
{
    const QRect outer = Form().frameGeometry();
    QApplication::setActiveWindow(&Form());
    Form().move(Form().x() + 50, Form().y() + 20);
    Find()->move(5, 5);
    QApplication::setActiveWindow(Find());
    EXPECT_EQ(Find()->pos(), QPoint(outer.left() + outer.width() / 3, outer.top() + outer.height() / 2));
    EXPECT_EQ(Find()->focusWidget(), Find()->Edit1);
}

// The start-up checks run again on each activation: a drive that became unacceptable while
// the Find dialog had the focus closes the window when the focus comes back.
TEST_F(SearchWindowTest, FocusComingBackFromTheDialogRunsTheWindowsActivation)
{
    QApplication::setActiveWindow(Find());
    Facts().driveType = DRIVE_CDROM;
    {
        WindowScript script{"OKBtn"};
        QApplication::setActiveWindow(&Form());
    }
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].text, "You are attempting to run the program from a CDROM-DISK.  Please move "
                                       "the program to a hard drive directory and re-run it. ");
    EXPECT_FALSE(Form().isVisible());
}

TEST_F(SearchWindowTest, StaysOpenWhenTheTableIsClosedAndSearchesWhatTheGridHolds)
{
    Form().CloseCurrent1Click();
    ASSERT_NE(Find(), nullptr);
    EXPECT_TRUE(Find()->isVisible());
    Search("Oslo");
    Search("Oslo", true);
    EXPECT_TRUE(ShownMessages().empty());
    EXPECT_EQ(SearchPosition(), QPoint(0, 1));
}

TEST(SearchWithoutTable, TheSearchCommandDoesNothingWhileNoTableIsOpen)
{
    FormHarness form;
    form->Search1Click();
    EXPECT_EQ(form->FindDialog, nullptr);
}

} // namespace
