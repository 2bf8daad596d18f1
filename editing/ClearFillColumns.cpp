// Clearing whole columns (the grid only) and filling one column with a value (grid and
// engine's table). Neither touches the header row or the record numbers.
#include "mainwindow/unitADIF_Form1.h"

#include "dialogs/UnitMessageBoxCDF.h"
#include "editing/UnitGetColIndexForm.h"
#include "editing/UnitGetColumnName.h"
#include "engine/TCommaFile.h"
#include "platform/ModalSeam.h"
#include "platform/ScreenCursor.h"
#include "platform/TStringGrid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

QStringList TForm1::HeaderLabels() const
{
    QStringList labels;
    for (int c = 1; c < StringGrid1->ColCount(); ++c)
        labels << StringGrid1->Cells(c, 0);
    return labels;
}

void TForm1::ToolButton6Click()
{
    try {
        TOKRightDlg1 dialog(this);
        dialog.LoadColumnList(HeaderLabels());
        ExecModal(dialog);
        if (dialog.FirstCheckedIndex == -1)
            return;
        for (int k = 0; k < dialog.ItemCount(); ++k) {
            if (!dialog.IsItemChecked(k))
                continue;
            for (int r = 1; r < StringGrid1->RowCount(); ++r)
                StringGrid1->SetCells(k + 1, r, QString());
        }
        MarkModified();
    } catch (...) {
        ShowProblem("Problem", "Problem clearing the column!");
    }
}

void TForm1::ClearColumn1Click()
{
    try {
        if (ToolButton6->isEnabled())
            ToolButton6Click();
        else
            ShowProblem("Problem", "First, you must open a file to edit!");
    } catch (...) {
        ShowProblem("Problem", "Problem clearing the column");
    }
}

// A fill is unsaved data like any other change, so it marks the table modified once.
void TForm1::ToolButton10Click()
{
    try {
        TPasswordDlg dialog(this);
        dialog.ShowFillMode(HeaderLabels());
        ExecModal(dialog);
        const QString column = dialog.ComboBox1->currentText();
        if (column.isEmpty()) {
            ShowProblem("Problem", "You must enter a valid name for a column to fill");
            return;
        }
        const QString value = dialog.edtPrefill->text();
        if (value.isEmpty()) {
            ShowProblem("Problem", "You must enter a fill value.  No changes have been made.");
            return;
        }
        const int c = FindColumnByLabel(column);
        if (c == 0) {
            ShowProblem("Problem", "You must enter a valid name for a column to fill");
            return;
        }
        FillColumn(c, value);
        MarkModified();
    } catch (...) {
    }
}

void TForm1::FillColumn(int c, const QString& value)
{
    BeginBusy(ScreenCursor());
    try {
        const std::string bytes = EncodeCell(value);
        for (int r = 1; r < StringGrid1->RowCount(); ++r) {
            TCommaFileColumn* cell = CommaFile->Rows->Get(r)->Columns->Get(c - 1);
            if (cell) {
                cell->Text = bytes;
                cell->Kind = 2;
            }
            StringGrid1->SetCells(c, r, value);
        }
    } catch (...) {
        // Rows already written keep the new value.
    }
    EndBusy();
}

void TForm1::FillExistingColumnwithValues1Click()
{
    ToolButton10Click();
}
