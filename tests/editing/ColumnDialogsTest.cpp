// The Column Parameters and Select Column(s) dialogs on their own.
#include "editing/UnitGetColIndexForm.h"
#include "editing/UnitGetColumnName.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

TEST(ColumnParametersDialog, AddModeOffersAFreeNameAndTheAddNote)
{
    TPasswordDlg dialog(nullptr);
    dialog.ShowAddMode();
    EXPECT_EQ(dialog.windowTitle(), "Add a Column");
    EXPECT_FALSE(dialog.lblAddColNote->isHidden());
    EXPECT_TRUE(dialog.lblFillNote->isHidden());
    EXPECT_TRUE(dialog.ComboBox1->isHidden());
    EXPECT_FALSE(dialog.edtColName->isHidden());
    EXPECT_EQ(dialog.edtColName->maxLength(), 255);
    EXPECT_EQ(dialog.edtPrefill->maxLength(), 9999);
    EXPECT_EQ(dialog.size(), QSize(311, 225));
    EXPECT_TRUE(dialog.OKBtn->isDefault());
}

TEST(ColumnParametersDialog, FillModeListsNoColumnChosenThenTheLabels)
{
    TPasswordDlg dialog(nullptr);
    dialog.ShowFillMode({"Name", "", "City"});
    EXPECT_EQ(dialog.windowTitle(), "Column Fill");
    EXPECT_FALSE(dialog.lblFillNote->isHidden());
    EXPECT_TRUE(dialog.edtColName->isHidden());
    ASSERT_EQ(dialog.ComboBox1->count(), 4);
    EXPECT_EQ(dialog.ComboBox1->itemText(0), "NO COLUMN CHOSEN");
    EXPECT_EQ(dialog.ComboBox1->itemText(3), "City");
    EXPECT_EQ(dialog.ComboBox1->currentIndex(), 0);
    EXPECT_FALSE(dialog.ComboBox1->isEditable());
}

TEST(ColumnParametersDialog, OkClosesAndEscapeDoesNot)
{
    TPasswordDlg dialog(nullptr);
    int finished = 0;
    QObject::connect(&dialog, &QDialog::finished, [&] { ++finished; });
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog, &escape);
    EXPECT_EQ(finished, 0);
    dialog.OKBtn->click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

namespace {

void Check(TOKRightDlg1& dialog, int index)
{
    dialog.ListView1->topLevelItem(index)->setCheckState(0, Qt::Checked);
}

} // namespace

TEST(SelectColumnsDialog, ListsColumnNumbersAndLabelsUnchecked)
{
    TOKRightDlg1 dialog(nullptr);
    dialog.LoadColumnList({"Name", "City"});
    EXPECT_EQ(dialog.windowTitle(), "Select Column(s)");
    EXPECT_EQ(dialog.FirstCheckedIndex, -1);
    ASSERT_EQ(dialog.ItemCount(), 2);
    EXPECT_EQ(dialog.ListView1->topLevelItem(1)->text(0), "2");
    EXPECT_EQ(dialog.ListView1->topLevelItem(1)->text(1), "City");
    EXPECT_FALSE(dialog.IsItemChecked(0));
    EXPECT_FALSE(dialog.IsItemChecked(1));
    EXPECT_FALSE(dialog.IsItemChecked(2));
}

TEST(SelectColumnsDialog, OkRecordsTheFirstCheckedItem)
{
    TOKRightDlg1 dialog(nullptr);
    dialog.LoadColumnList({"a", "b", "c", "d"});
    Check(dialog, 3);
    Check(dialog, 1);
    dialog.OKBtn->click();
    EXPECT_EQ(dialog.FirstCheckedIndex, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(SelectColumnsDialog, OkWithNothingCheckedOrCancelLeavesMinusOne)
{
    TOKRightDlg1 unchecked(nullptr);
    unchecked.LoadColumnList({"a"});
    unchecked.OKBtn->click();
    EXPECT_EQ(unchecked.FirstCheckedIndex, -1);

    TOKRightDlg1 cancelled(nullptr);
    cancelled.LoadColumnList({"a"});
    Check(cancelled, 0);
    cancelled.CancelBtn->click();
    EXPECT_EQ(cancelled.FirstCheckedIndex, -1);
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
}
