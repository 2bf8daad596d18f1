// The Find dialog on its own: its design, what each button and key hands to the callback,
// closing, and its place computed from the main window's geometry.
#include "dialogs/UnitSearch.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Request {
    QString text;
    int findNext;
    int caseSensitive;
    int wholeWords;
};

std::vector<Request> requests;

void RecordRequest(const QString& text, int findNext, int caseSensitive, int wholeWords)
{
    requests.push_back({text, findNext, caseSensitive, wholeWords});
}

void PressKey(QWidget* widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

class FindDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        requests.clear();
        SetSearchCallback(&dialog, RecordRequest);
        dialog.show();
    }

    void TearDown() override { SetSearchCallback(nullptr, nullptr); }

    TOKHelpRightDlg dialog;
};

TEST_F(FindDialogTest, HasItsDesign)
{
    EXPECT_EQ(dialog.windowTitle(), "Find");
    EXPECT_EQ(dialog.size(), QSize(381, 171));
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(dialog.OKBtn->text(), "Find &First");
    EXPECT_FALSE(dialog.OKBtn->isDefault());
    EXPECT_EQ(dialog.Button1->text(), "Find Next");
    EXPECT_TRUE(dialog.CancelBtn->isHidden());
    EXPECT_TRUE(dialog.CheckBox2->isHidden());
    EXPECT_FALSE(dialog.CheckBox1->isChecked());
    EXPECT_EQ(dialog.Label1->text(), "Search For");
    EXPECT_EQ(dialog.Label2->text(),
              "The search will not include the first row, or the column 'Label' or 'Headings' row.  ");
    EXPECT_EQ(dialog.Edit1->geometry(), QRect(88, 24, 153, 21));
}

TEST_F(FindDialogTest, FindFirstAndFindNextHandOnTheTrimmedTextAndTheCaseSetting)
{
    dialog.Edit1->setText("  abc \t");
    dialog.OKBtn->click();
    dialog.CheckBox1->setChecked(true);
    dialog.Button1->click();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].text, "abc");
    EXPECT_EQ(requests[0].findNext, 0);
    EXPECT_EQ(requests[0].caseSensitive, 0);
    EXPECT_EQ(requests[1].text, "abc");
    EXPECT_EQ(requests[1].findNext, 1);
    EXPECT_EQ(requests[1].caseSensitive, 1);
    EXPECT_EQ(requests[1].wholeWords, 0);
}

TEST_F(FindDialogTest, ABlankSearchTextDoesNothing)
{
    dialog.Edit1->setText("   ");
    dialog.OKBtn->click();
    dialog.Button1->click();
    PressKey(dialog.Edit1, Qt::Key_Return);
    EXPECT_TRUE(requests.empty());
}

TEST_F(FindDialogTest, EnterInTheSearchBoxIsFindFirstAndEscDoesNothing)
{
    dialog.Edit1->setText("abc");
    PressKey(dialog.Edit1, Qt::Key_Return);
    PressKey(dialog.Edit1, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].findNext, 0);
}

TEST_F(FindDialogTest, ClosingTellsTheCallbackWithAnEmptyText)
{
    dialog.Edit1->setText("abc");
    dialog.CheckBox1->setChecked(true);
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].text, "");
    EXPECT_EQ(requests[0].findNext, 0);
    EXPECT_EQ(requests[0].caseSensitive, 0);
}

TEST_F(FindDialogTest, ActivationPutsTheDialogBackAtItsPlaceAndFocusesTheSearchBox)
{
    dialog.MainHeight = 601;
    dialog.MainWidth = 800;
    dialog.MainTop = 40;
    dialog.MainLeft = 30;
    dialog.move(500, 500);
    dialog.activateWindow();
    dialog.FormActivate();
    EXPECT_EQ(dialog.pos(), QPoint(30 + 800 / 3, 40 + 601 / 2));
    EXPECT_EQ(dialog.focusWidget(), dialog.Edit1);
}

TEST_F(FindDialogTest, WithoutACallbackSearchingIsHarmless)
{
    SetSearchCallback(nullptr, nullptr);
    dialog.Edit1->setText("abc");
    dialog.OKBtn->click();
    dialog.close();
    EXPECT_TRUE(requests.empty());
}

} // namespace

namespace {

TEST(FindDialogFocusTest, ClosingTheActiveDialogHandsTheFocusBackOnce)
{
    QWidget owner;
    owner.show();
    TOKHelpRightDlg dialog(&owner);
    int handedBack = 0;
    dialog.FocusBackToOwner = [&] { ++handedBack; };
    dialog.show();
    dialog.activateWindow();
    QApplication::setActiveWindow(&dialog);
    dialog.close();
    EXPECT_EQ(handedBack, 1);
}

} // namespace
