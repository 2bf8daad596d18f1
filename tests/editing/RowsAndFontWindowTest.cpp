// Adding rows (blank, a copy of the last row, a copy of the current row) with the row limit,
// and the grid font with the row heights it gives, in the real window.
#include "opening/WindowSteps.h"

#include "platform/TFontDialog.h"
#include "platform/TShape.h"
#include "platform/TSourceView.h"
#include "platform/TStatusBar.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

namespace {

// Nine data rows of two columns, the first row taken as labels.
QByteArray NineRows()
{
    QByteArray text = "\"Key\",\"Value\"\r\n";
    for (int r = 1; r <= 9; ++r)
        text += QByteArray("\"k") + QByteArray::number(r) + "\",\"v" + QByteArray::number(r) + "\"\r\n";
    return text;
}

class RowsTest : public WindowTest {
protected:
    void SetUp() override
    {
        OpenText(NineRows(), "Yes");
        ASSERT_TRUE(form_->FileOpen);
        ClearShownMessages();
    }

    std::vector<std::string> EngineRow(int r) { return EngineTable().at(r); }

    // Grows grid and engine to the row count at once, with empty two-cell rows.
    void GrowTo(int rows)
    {
        while (form_->CommaFile->Rows->Count < rows) {
            TCommaFileRow* row = form_->CommaFile->Rows->Add(false);
            for (int c = 0; c < 2; ++c)
                row->Columns->Add(false)->Kind = 2;
        }
        form_->StringGrid1->SetRowCount(rows);
    }
};

TEST_F(RowsTest, ABlankRowGoesToTheEndWithItsRecordNumberAndTheCursor)
{
    form_->StringGrid1->SetCurrentCell(2, 4);
    form_->ToolButton7->click();
    ASSERT_EQ(form_->StringGrid1->RowCount(), 11);
    EXPECT_EQ(GridTable()[10], (QStringList{"10", "", ""}));
    EXPECT_EQ(EngineRow(10), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(form_->StringGrid1->Row(), 10);
    EXPECT_EQ(form_->StringGrid1->Col(), 2);
    EXPECT_EQ(form_->StatusBar2->PanelText(0), "10 : 2");
    EXPECT_EQ(form_->Shape1->BrushColor(), kLightYellow);
}

TEST_F(RowsTest, SameAsPreviousCopiesTheEditedLastRowIntoGridAndEngine)
{
    form_->StringGrid1->SetCells(2, 9, "edited");
    form_->AddRowSameAsPrevious1->trigger();
    EXPECT_EQ(GridTable()[10], (QStringList{"10", "k9", "edited"}));
    EXPECT_EQ(EngineRow(10), (std::vector<std::string>{"k9", "edited"}));
    EXPECT_EQ(form_->CommaFile->Rows->Get(10)->Columns->Get(1)->Kind, 2);
}

TEST_F(RowsTest, SameAsSelectedAppendsACopyAtTheEnd)
{
    form_->StringGrid1->SetCurrentCell(1, 3);
    form_->ToolButton4->click();
    EXPECT_EQ(GridTable()[10], (QStringList{"10", "k3", "v3"}));
    EXPECT_EQ(GridTable()[4], (QStringList{"4", "k4", "v4"}));
    EXPECT_EQ(EngineRow(10), (std::vector<std::string>{"k3", "v3"}));
    EXPECT_EQ(form_->StringGrid1->Row(), 10);
}

TEST_F(RowsTest, ACurrentRowTheEngineDoesNotHaveIsReported)
{
    form_->StringGrid1->SetRowCount(12);
    {
        DialogSteps steps{Press("OKBtn"), Press("OKBtn")};
        form_->StringGrid1->SetCurrentCell(1, 11);
        form_->AddRowSameasSelected1->trigger();
    }
    ASSERT_EQ(ShownMessages().size(), 2u);
    EXPECT_EQ(ShownMessages()[1].title, "Problem");
    EXPECT_EQ(ShownMessages()[1].text, "Could not add [same] Row ... ");
    EXPECT_EQ(form_->StringGrid1->RowCount(), 12);
}

struct RowVariant {
    const char* name;
    std::function<void(TForm1&)> add;
    const char* limitMessage;
};

class RowLimitTest : public RowsTest, public ::testing::WithParamInterface<RowVariant> {};

// The table is grown directly to the limit, not by adding rows one by one.
TEST_P(RowLimitTest, AddsFrom65351RowsAndRefusesFrom65352)
{
    GrowTo(65351);
    form_->StringGrid1->SetCurrentCell(1, 5);
    GetParam().add(form_.Form());
    ASSERT_EQ(form_->StringGrid1->RowCount(), 65352);
    EXPECT_EQ(form_->StringGrid1->Cells(0, 65351), "65351");
    EXPECT_TRUE(ShownMessages().empty());
    {
        DialogSteps steps{Press("OKBtn")};
        GetParam().add(form_.Form());
    }
    EXPECT_EQ(form_->StringGrid1->RowCount(), 65352);
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].title, "Problem");
    EXPECT_EQ(ShownMessages()[0].text, GetParam().limitMessage);
}

// A grid without a data row is refused with the same message.
TEST_P(RowLimitTest, RefusesAGridWithoutADataRow)
{
    form_->StringGrid1->SetRowCount(1);
    {
        DialogSteps steps{Press("OKBtn")};
        GetParam().add(form_.Form());
    }
    EXPECT_EQ(form_->StringGrid1->RowCount(), 1);
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].text, GetParam().limitMessage);
}

INSTANTIATE_TEST_SUITE_P(Variants, RowLimitTest, ::testing::Values(
    RowVariant{"Blank", [](TForm1& form) { form.ToolButton7Click(); }, "Maximum allowable row already exist!"},
    RowVariant{"SameAsPrevious", [](TForm1& form) { form.ToolButton8Click(); },
               "Maximum allowable rows already exist!"},
    RowVariant{"SameAsSelected", [](TForm1& form) { form.AddRowSameasSelected1Click(); },
               "Maximum allowable rows already exist!"}),
    [](const auto& info) { return std::string(info.param.name); });

// Picks a size in the font dialog and presses the button.
DialogAnswer ChooseFontSize(int points, const QString& button)
{
    return [=](QDialog& dialog) {
        auto& fonts = dynamic_cast<TFontDialog&>(dialog);
        fonts.SizeList->setCurrentIndex(fonts.SizeList->findData(points));
        return PressButton(dialog, button);
    };
}

using FontTest = RowsTest;

// At 96 pixels per inch a 10-point font is 13 pixels high: every row becomes 17.
TEST_F(FontTest, EveryExistingRowTakesTheFontHeightPlusFour)
{
    const int defaultHeight = form_->StringGrid1->DefaultRowHeight();
    const int h = std::abs(TFontDialog::PixelHeight(QFont("Sans", 10), form_->StringGrid1->logicalDpiY()));
    {
        DialogSteps steps{ChooseFontSize(10, "OKBtn")};
        form_->Font1->trigger();
    }
    EXPECT_EQ(form_->StringGrid1->font().pointSize(), 10);
    EXPECT_EQ(form_->RichEdit1->font().pointSize(), 10);
    EXPECT_EQ(form_->RichEdit2->font().pointSize(), 10);
    for (int r = 0; r < form_->StringGrid1->RowCount(); ++r)
        EXPECT_EQ(form_->StringGrid1->RowHeights(r), h + 4) << "row " << r;
    if (form_->StringGrid1->logicalDpiY() == 96) {
        EXPECT_EQ(form_->StringGrid1->RowHeights(0), 17);
    }
    EXPECT_FALSE(form_->Modified);
    EXPECT_EQ(form_->Shape1->BrushColor(), kLightGreen);

    form_->ToolButton7->click();
    EXPECT_EQ(form_->StringGrid1->RowHeights(10), defaultHeight);
}

TEST_F(FontTest, CancelChangesNothingAndTheDialogKeepsTheLastChoice)
{
    const QFont before = form_->StringGrid1->font();
    const int height = form_->StringGrid1->RowHeights(1);
    {
        DialogSteps steps{ChooseFontSize(11, "CancelBtn")};
        form_->Font1Click();
    }
    EXPECT_EQ(form_->StringGrid1->font(), before);
    EXPECT_EQ(form_->StringGrid1->RowHeights(1), height);
    {
        DialogSteps steps{ChooseFontSize(9, "OKBtn"), [](QDialog& dialog) {
                              EXPECT_EQ(dynamic_cast<TFontDialog&>(dialog).SizeList->currentData().toInt(), 9);
                              return PressButton(dialog, "CancelBtn");
                          }};
        form_->Font1Click();
        form_->Font1Click();
    }
    EXPECT_EQ(form_->StringGrid1->font().pointSize(), 9);
}

} // namespace
