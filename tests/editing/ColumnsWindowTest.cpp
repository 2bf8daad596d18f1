// Adding, clearing and filling columns in the real window: grid and engine as each operation
// leaves them, and every refusal with its message.
#include "opening/WindowSteps.h"

#include "editing/UnitGetColIndexForm.h"
#include "editing/UnitGetColumnName.h"
#include "platform/TShape.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const QByteArray kTable = "\"Name\",\"City\",\"Born\",\"Field\"\r\n\"Ada\",\"London\",\"1815\",\"maths\"\r\n"
                          "\"Grace\",\"New York\",\"1906\",\"navy\"\r\n\"Alan\",\"London\",\"1912\",\"logic\"\r\n";

// How the Column Parameters dialog is closed: with OK, or with the close box.
enum class Closing { Ok, CloseBox };

int Close(QDialog& dialog, Closing closing)
{
    if (closing == Closing::Ok)
        return PressButton(dialog, "OKBtn");
    dialog.close();
    return dialog.result();
}

// Types a new column's name and prefill value into the dialog in add mode.
DialogAnswer AddColumn(const QString& name, const QString& prefill, Closing closing = Closing::Ok)
{
    return [=](QDialog& dialog) {
        auto& parameters = dynamic_cast<TPasswordDlg&>(dialog);
        EXPECT_EQ(parameters.windowTitle(), "Add a Column");
        parameters.edtColName->setText(name);
        parameters.edtPrefill->setText(prefill);
        return Close(dialog, closing);
    };
}

// Chooses the column item (0 is "NO COLUMN CHOSEN") and the value in fill mode.
DialogAnswer FillColumn(int item, const QString& value, Closing closing = Closing::Ok)
{
    return [=](QDialog& dialog) {
        auto& parameters = dynamic_cast<TPasswordDlg&>(dialog);
        EXPECT_EQ(parameters.windowTitle(), "Column Fill");
        parameters.ComboBox1->setCurrentIndex(item);
        parameters.edtPrefill->setText(value);
        return Close(dialog, closing);
    };
}

// Checks the listed items of the Select Column(s) dialog and presses the button.
DialogAnswer SelectColumns(std::vector<int> items, const QString& button)
{
    return [=](QDialog& dialog) {
        auto& select = dynamic_cast<TOKRightDlg1&>(dialog);
        for (const int item : items)
            select.ListView1->topLevelItem(item)->setCheckState(0, Qt::Checked);
        return PressButton(dialog, button);
    };
}

class ColumnsTest : public WindowTest {
protected:
    void SetUp() override
    {
        OpenText(kTable, "Yes");
        ASSERT_TRUE(form_->FileOpen);
        before_ = GridTable();
        engineBefore_ = EngineTable();
        ClearShownMessages();
    }

    void ExpectRefused(const QString& message)
    {
        ASSERT_EQ(ShownMessages().size(), 1u);
        EXPECT_EQ(ShownMessages()[0].title, "Problem");
        EXPECT_EQ(ShownMessages()[0].text, message);
        EXPECT_EQ(GridTable(), before_);
        EXPECT_EQ(EngineTable(), engineBefore_);
        EXPECT_FALSE(form_->Modified);
        EXPECT_EQ(form_->Shape1->BrushColor(), kLightGreen);
    }

    // Column c of the grid from row 0 down, and cell c - 1 of every engine row.
    QStringList GridColumn(int c)
    {
        QStringList texts;
        for (const QStringList& row : GridTable())
            texts << row.value(c);
        return texts;
    }
    QStringList EngineColumn(int c)
    {
        QStringList texts;
        for (const std::vector<std::string>& row : EngineTable())
            texts << (c - 1 < int(row.size()) ? QString::fromStdString(row[c - 1]) : "<none>");
        return texts;
    }

    std::vector<QStringList> before_;
    std::vector<std::vector<std::string>> engineBefore_;
};

TEST_F(ColumnsTest, AnAddedColumnHoldsItsLabelAndPrefillInGridAndEngine)
{
    {
        DialogSteps steps{AddColumn("Note", "tbd")};
        form_->ToolButton5->click();
    }
    EXPECT_EQ(form_->StringGrid1->ColCount(), 6);
    EXPECT_EQ(GridColumn(5), (QStringList{"Note", "tbd", "tbd", "tbd"}));
    EXPECT_EQ(EngineColumn(5), (QStringList{"Note", "tbd", "tbd", "tbd"}));
    EXPECT_EQ(form_->CommaFile->Rows->Get(2)->Columns->Get(4)->Kind, 2);
    EXPECT_EQ(form_->StringGrid1->ColWidths(5), 94);
    EXPECT_EQ(form_->Shape1->BrushColor(), kLightYellow);
    EXPECT_TRUE(form_->Modified);
    EXPECT_EQ(form_->StringGrid1->Col(), 1);
}

TEST_F(ColumnsTest, ColumnsAreAddedInOrderWithTheCloseBoxTooAndAnEmptyPrefill)
{
    {
        DialogSteps steps{AddColumn("First", ""), AddColumn(" Name", "x", Closing::CloseBox)};
        form_->AddColumn1->trigger();
        form_->AddColumn1->trigger();
    }
    EXPECT_EQ(GridColumn(5), (QStringList{"First", "", "", ""}));
    EXPECT_EQ(GridColumn(6), (QStringList{" Name", "x", "x", "x"}));
    EXPECT_EQ(EngineColumn(6), (QStringList{" Name", "x", "x", "x"}));
}

struct AddRefusal {
    const char* name;
    const char* typed;
    const char* message;
};

class AddColumnRefusalTest : public ColumnsTest, public ::testing::WithParamInterface<AddRefusal> {};

TEST_P(AddColumnRefusalTest, ChangesNothing)
{
    {
        DialogSteps steps{AddColumn(GetParam().typed, "v"), Press("OKBtn")};
        form_->ToolButton5->click();
    }
    ExpectRefused(GetParam().message);
}

const char* const kDuplicate =
    "You must supply a column name that does not already exist in the data.  Column was not added.";

INSTANTIATE_TEST_SUITE_P(Names, AddColumnRefusalTest, ::testing::Values(
    AddRefusal{"SameLabel", "Name", kDuplicate},
    AddRefusal{"OtherCase", "cITY", kDuplicate},
    AddRefusal{"Empty", "", "You must supply a column name.  Column was not added."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ColumnsTest, AnEmptyNameIsADuplicateWhenAColumnHasAnEmptyLabel)
{
    form_->StringGrid1->SetCells(2, 0, "");
    before_ = GridTable();
    {
        DialogSteps steps{AddColumn("", "v"), Press("OKBtn")};
        form_->ToolButton5->click();
    }
    ExpectRefused(kDuplicate);
}

TEST_F(ColumnsTest, ClearingEmptiesTheCheckedColumnsInTheGridOnly)
{
    {
        DialogSteps steps{SelectColumns({1, 3}, "OKBtn")};
        form_->ToolButton6->click();
    }
    EXPECT_EQ(GridColumn(2), (QStringList{"City", "", "", ""}));
    EXPECT_EQ(GridColumn(4), (QStringList{"Field", "", "", ""}));
    EXPECT_EQ(GridColumn(3), (QStringList{"Born", "1815", "1906", "1912"}));
    EXPECT_EQ(EngineTable(), engineBefore_);
    EXPECT_EQ(form_->Shape1->BrushColor(), kLightYellow);
}

struct ClearNothing {
    const char* name;
    std::vector<int> checked;
    const char* button;
};

class ClearNothingTest : public ColumnsTest, public ::testing::WithParamInterface<ClearNothing> {};

TEST_P(ClearNothingTest, LeavesTableAndFlag)
{
    {
        DialogSteps steps{SelectColumns(GetParam().checked, GetParam().button)};
        form_->ClearColumn1->trigger();
    }
    EXPECT_EQ(GridTable(), before_);
    EXPECT_FALSE(form_->Modified);
    EXPECT_TRUE(ShownMessages().empty());
}

INSTANTIATE_TEST_SUITE_P(Closes, ClearNothingTest, ::testing::Values(
    ClearNothing{"OkWithNothingChecked", {}, "OKBtn"},
    ClearNothing{"Cancel", {2}, "CancelBtn"}),
    [](const auto& info) { return std::string(info.param.name); });

// A filled column is unsaved data: the table is marked modified.
TEST_F(ColumnsTest, FillingWritesTheValueIntoGridAndEngineBelowTheLabel)
{
    {
        DialogSteps steps{FillColumn(2, "X")};
        form_->ToolButton10->click();
    }
    EXPECT_EQ(GridColumn(2), (QStringList{"City", "X", "X", "X"}));
    EXPECT_EQ(EngineColumn(2), (QStringList{"City", "X", "X", "X"}));
    EXPECT_TRUE(form_->Modified);
    EXPECT_EQ(form_->Shape1->BrushColor(), kLightYellow);
}

TEST_F(ColumnsTest, TheCloseBoxFillsTooAndEqualLabelsFillTheFirst)
{
    form_->StringGrid1->SetCells(4, 0, "CITY");
    {
        DialogSteps steps{FillColumn(4, "Y", Closing::CloseBox)};
        form_->FillExistingColumnwithValues1->trigger();
    }
    EXPECT_EQ(GridColumn(2), (QStringList{"City", "Y", "Y", "Y"}));
    EXPECT_EQ(GridColumn(4), (QStringList{"CITY", "maths", "navy", "logic"}));
}

struct FillRefusal {
    const char* name;
    int item;
    const char* value;
    const char* message;
};

class FillRefusalTest : public ColumnsTest, public ::testing::WithParamInterface<FillRefusal> {};

TEST_P(FillRefusalTest, ChangesNothing)
{
    form_->StringGrid1->SetCells(3, 0, "");
    before_ = GridTable();
    {
        DialogSteps steps{FillColumn(GetParam().item, GetParam().value), Press("OKBtn")};
        form_->ToolButton10->click();
    }
    ExpectRefused(GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Choices, FillRefusalTest, ::testing::Values(
    FillRefusal{"NoColumnChosen", 0, "X", "You must enter a valid name for a column to fill"},
    FillRefusal{"EmptyLabel", 3, "X", "You must enter a valid name for a column to fill"},
    FillRefusal{"EmptyValue", 1, "", "You must enter a fill value.  No changes have been made."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
