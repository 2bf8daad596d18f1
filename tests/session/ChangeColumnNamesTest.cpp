// The Change Column Names dialog: loading, applying names, the outcome of every way of
// closing it, and the question about typed but unapplied text.
#include "DialogAnswers.h"
#include "editing/UnitChangeColumnNames.h"
#include "platform/ModalSeam.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kQuestion = "Text has been typed, but not applied.  Exit anyway?";

class ChangeColumnNamesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearShownMessages();
        dialog.LoadColumnNames({"Column:1", "Column:2", "Column:3"});
    }

    // Runs the dialog as its creator does, with the steps done while it is open; the Yes/No
    // question, if it comes, gets the given answer.
    void Run(const std::function<void()>& steps, const QString& answer = "No")
    {
        ScopedModalHandler handler([&](QDialog& shown) {
            if (IsQuestion(shown)) {
                ++questions;
                EXPECT_TRUE(PressButton(shown, answer));
                return shown.result();
            }
            shown.show();
            shown.activateWindow();
            steps();
            closed = !shown.isVisible();
            return shown.result();
        });
        ExecModal(dialog);
    }

    void SelectItem(int index) { dialog.ListView1->setCurrentItem(dialog.ListView1->topLevelItem(index)); }

    void ApplyName(int index, const QString& name)
    {
        SelectItem(index);
        dialog.Edit1->setText(name);
        TypeKey(dialog.Edit1, Qt::Key_Return);
    }

    TOKRightDlg2 dialog;
    int questions = 0;
    bool closed = false;
};

TEST_F(ChangeColumnNamesTest, StartsWithDefaultsAndNumbersTheItemsFromOne)
{
    EXPECT_EQ(dialog.ResultCode, -1);
    EXPECT_FALSE(dialog.ChangeApplied);
    EXPECT_EQ(dialog.windowTitle(), "Change Column Names");
    EXPECT_EQ(dialog.size(), QSize(418, 352));
    ASSERT_EQ(dialog.ListView1->topLevelItemCount(), 3);
    EXPECT_EQ(dialog.ListView1->topLevelItem(2)->text(0), "Column:3");
    EXPECT_EQ(dialog.ListView1->topLevelItem(2)->text(1), "3");
    EXPECT_EQ(dialog.ListView1->currentItem(), dialog.ListView1->topLevelItem(0));
    EXPECT_EQ(dialog.Edit1->maxLength(), 200);
    EXPECT_FALSE(dialog.OKBtn->isDefault());
}

TEST_F(ChangeColumnNamesTest, OkAtOnceTakesOverTheDefaultNames)
{
    Run([&] { dialog.OKBtn->click(); });
    EXPECT_TRUE(closed);
    EXPECT_EQ(dialog.ResultCode, 0);
    EXPECT_EQ(dialog.ColumnNames(), QStringList({"Column:1", "Column:2", "Column:3"}));
    EXPECT_EQ(questions, 0);
}

TEST_F(ChangeColumnNamesTest, EnterInTheEditRenamesTheSelectedItemAndReturnsToTheList)
{
    Run([&] {
        ApplyName(1, "Price");
        EXPECT_EQ(dialog.ListView1->topLevelItem(1)->text(0), "Price");
        EXPECT_EQ(dialog.ListView1->topLevelItem(1)->text(1), "2");
        EXPECT_TRUE(dialog.Edit1->text().isEmpty());
        EXPECT_EQ(dialog.focusWidget(), dialog.ListView1);
        EXPECT_EQ(dialog.ResultCode, 0);
        EXPECT_FALSE(dialog.ChangeApplied); // emptying the edit is a change
        dialog.OKBtn->click();
    });
    EXPECT_EQ(dialog.ColumnNames(), QStringList({"Column:1", "Price", "Column:3"}));
    EXPECT_EQ(questions, 0);
}

TEST_F(ChangeColumnNamesTest, ApplyWithAnEmptyEditOrNoSelectionChangesNothing)
{
    Run([&] {
        SelectItem(0);
        dialog.Button1->click();
        dialog.ListView1->clearSelection();
        dialog.Edit1->setText("Name");
        dialog.Button1->click();
        EXPECT_EQ(dialog.Edit1->text(), "Name");
        dialog.CancelBtn->click();
    });
    EXPECT_EQ(dialog.ColumnNames(), QStringList({"Column:1", "Column:2", "Column:3"}));
    EXPECT_EQ(dialog.ResultCode, -1);
}

TEST_F(ChangeColumnNamesTest, BlanksAndRepeatedNamesAreAppliedLikeAnyOtherText)
{
    Run([&] {
        ApplyName(0, "   ");
        ApplyName(2, "Column:2");
        dialog.OKBtn->click();
    });
    EXPECT_EQ(dialog.ColumnNames(), QStringList({"   ", "Column:2", "Column:2"}));
}

TEST_F(ChangeColumnNamesTest, EnterInTheListMovesToTheEditWithoutClosing)
{
    Run([&] {
        dialog.ListView1->setFocus();
        TypeKey(dialog.ListView1, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.focusWidget(), dialog.Edit1);
        dialog.OKBtn->click();
    });
    EXPECT_TRUE(closed);
}

TEST_F(ChangeColumnNamesTest, DoubleClickInTheListMovesToTheEdit)
{
    Run([&] {
        emit dialog.ListView1->itemDoubleClicked(dialog.ListView1->topLevelItem(0), 0);
        EXPECT_EQ(dialog.focusWidget(), dialog.Edit1);
        dialog.OKBtn->click();
    });
}

TEST_F(ChangeColumnNamesTest, UnappliedTextAsksAndNoKeepsTheDialogOpen)
{
    Run([&] {
        dialog.Edit1->setText("Typed");
        dialog.OKBtn->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.Edit1->text(), "Typed");
    }, "No");
    EXPECT_FALSE(closed);
    EXPECT_EQ(questions, 1);
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].text, kQuestion);
}

TEST_F(ChangeColumnNamesTest, UnappliedTextAndYesClosesWithoutApplyingIt)
{
    Run([&] {
        dialog.Edit1->setText("Typed");
        dialog.OKBtn->click();
    }, "Yes");
    EXPECT_TRUE(closed);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(dialog.ResultCode, 0);
    EXPECT_EQ(dialog.ColumnNames(), QStringList({"Column:1", "Column:2", "Column:3"}));
}

// How the dialog ends, and whether a name was applied first, decides ResultCode.
struct EndingCase {
    const char* name;
    bool applyFirst;
    std::function<void(TOKRightDlg2&)> end;
    int resultCode;
};

class ChangeColumnNamesEndingTest : public ChangeColumnNamesTest,
                                    public ::testing::WithParamInterface<EndingCase> {};

TEST_P(ChangeColumnNamesEndingTest, GivesTheResultCodeOfItsEnding)
{
    Run([&] {
        if (GetParam().applyFirst)
            ApplyName(1, "Price");
        GetParam().end(dialog);
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(dialog.ResultCode, GetParam().resultCode);
}

const auto kOk = [](TOKRightDlg2& d) { d.OKBtn->click(); };
const auto kCancel = [](TOKRightDlg2& d) { d.CancelBtn->click(); };
const auto kEscape = [](TOKRightDlg2& d) { TypeKey(d.ListView1, Qt::Key_Escape); };
const auto kCloseBox = [](TOKRightDlg2& d) { d.close(); };

INSTANTIATE_TEST_SUITE_P(Endings, ChangeColumnNamesEndingTest,
                         ::testing::Values(EndingCase{"Ok", false, kOk, 0},
                                           EndingCase{"OkAfterApplying", true, kOk, 0},
                                           EndingCase{"Cancel", false, kCancel, -1},
                                           EndingCase{"CancelAfterApplying", true, kCancel, -1},
                                           EndingCase{"EscapeAfterApplying", true, kEscape, -1},
                                           EndingCase{"CloseBox", false, kCloseBox, -1},
                                           EndingCase{"CloseBoxAfterApplying", true, kCloseBox, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChangeColumnNamesTest, CancelWithTypedTextClosesWithoutAsking)
{
    Run([&] {
        dialog.Edit1->setText("Typed");
        dialog.CancelBtn->click();
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(dialog.ResultCode, -1);
}

} // namespace
