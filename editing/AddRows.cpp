// Adding a row at the end of the table: blank, a copy of the last row, or a copy of the row
// that holds the cursor. The new row goes into the grid and the engine's table.
#include "mainwindow/unitADIF_Form1.h"

#include "dialogs/UnitMessageBoxCDF.h"
#include "engine/TCommaFile.h"
#include "platform/TStringGrid.h"

#include <QToolButton>

namespace {

// An add is carried out while the grid, header row included, has 2 to 65351 rows.
constexpr int kMinRowsForAdd = 2;
constexpr int kMaxRowsForAdd = 65351;

} // namespace

bool TForm1::RowLimitAllowsAdd(const QString& refusal)
{
    const int n = StringGrid1->RowCount();
    if (n > kMaxRowsForAdd || n < kMinRowsForAdd) {
        ShowProblem("Problem", refusal);
        return false;
    }
    return true;
}

// Appends an engine row shaped like the template row, with the texts of grid row
// `sourceRow` (or empty texts when it is -1), then the same row to the grid.
void TForm1::AppendRow(int templateRow, int sourceRow)
{
    const int n = StringGrid1->RowCount();
    TCommaFileRow* shape = CommaFile->Rows->Get(templateRow);
    TCommaFileRow* added = CommaFile->Rows->Add(false);
    for (int i = 0; i < shape->Columns->Count; ++i) {
        TCommaFileColumn* cell = added->Columns->Add(false);
        cell->Kind = shape->Columns->Get(i)->Kind;
        cell->Text = sourceRow < 0 ? std::string() : EncodeCell(StringGrid1->Cells(i + 1, sourceRow));
    }
    StringGrid1->SetRowCount(n + 1);
    StringGrid1->SetCells(0, n, QString::number(n));
    for (int c = 1; c < StringGrid1->ColCount(); ++c) {
        const TCommaFileColumn* cell = added->Columns->Get(c - 1);
        const bool copy = sourceRow >= 0 && cell;
        StringGrid1->SetCells(c, n, copy ? DecodeCell(cell->Text) : QString());
    }
    StringGrid1->SetRow(n);
    MarkModified();
}

void TForm1::ToolButton7Click()
{
    try {
        if (RowLimitAllowsAdd("Maximum allowable row already exist!"))
            AppendRow(CommaFile->Rows->Count - 1, -1);
    } catch (...) {
        ShowProblem("Problem", "Problem adding row to file ..");
    }
}

void TForm1::AddRow1Click()
{
    try {
        if (ToolButton7->isEnabled())
            ToolButton7Click();
        else
            ShowProblem("Problem", "You must open a file first!");
    } catch (...) {
        ShowProblem("Problem", "Problem adding a row to the grid");
    }
}

void TForm1::ToolButton8Click()
{
    try {
        if (RowLimitAllowsAdd("Maximum allowable rows already exist!"))
            AppendRow(CommaFile->Rows->Count - 1, StringGrid1->RowCount() - 1);
    } catch (...) {
        ShowProblem("Problem", "Could not add [same] Row ... ");
    }
}

void TForm1::AddRowSameAsPrevious1Click()
{
    try {
        if (ToolButton8->isEnabled())
            ToolButton8Click();
        else
            ShowProblem("Problem", "You must open a file first!");
    } catch (...) {
        ShowProblem("Problem", "Could not add row same as previous");
    }
}

void TForm1::AddRowSameasSelected1Click()
{
    try {
        if (RowLimitAllowsAdd("Maximum allowable rows already exist!"))
            AppendRow(StringGrid1->Row(), StringGrid1->Row());
    } catch (...) {
        ShowProblem("Problem", "Could not add [same] Row ... ");
    }
}

void TForm1::ToolButton4Click()
{
    AddRowSameasSelected1Click();
}
