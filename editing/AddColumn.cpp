// Adding a column at the right edge of the table, in the grid and in the engine's table.
#include "mainwindow/unitADIF_Form1.h"

#include "dialogs/UnitMessageBoxCDF.h"
#include "editing/UnitGetColumnName.h"
#include "engine/TCommaFile.h"
#include "platform/ModalSeam.h"
#include "platform/TStringGrid.h"

#include <QLineEdit>
#include <QToolButton>

int TForm1::FindColumnByLabel(const QString& label)
{
    try {
        const QString wanted = label.toUpper();
        for (int c = 1; c < StringGrid1->ColCount(); ++c) {
            if (StringGrid1->Cells(c, 0).toUpper() == wanted)
                return c;
        }
    } catch (...) {
    }
    return 0;
}

bool TForm1::AddColumnFromDialog()
{
    try {
        TPasswordDlg dialog(this);
        dialog.ShowAddMode();
        ExecModal(dialog);
        const QString name = dialog.edtColName->text();
        if (FindColumnByLabel(name) != 0) {
            ShowProblem("Problem", "You must supply a column name that does not already exist in "
                                   "the data.  Column was not added.");
            return false;
        }
        if (name.isEmpty()) {
            ShowProblem("Problem", "You must supply a column name.  Column was not added.");
            return false;
        }
        AppendColumn(name, dialog.edtPrefill->text());
        return true;
    } catch (...) {
        return false;
    }
}

void TForm1::AppendColumn(const QString& name, const QString& prefill)
{
    const int k = StringGrid1->ColCount();
    StringGrid1->SetColCount(k + 1);
    const std::string nameBytes = EncodeCell(name);
    const std::string prefillBytes = EncodeCell(prefill);
    for (int r = 0; r < StringGrid1->RowCount(); ++r) {
        TCommaFileColumn* cell = CommaFile->Rows->Get(r)->Columns->Add(false);
        cell->Text = r == 0 ? nameBytes : prefillBytes;
        cell->Kind = 2;
        StringGrid1->SetCells(k, r, r == 0 ? name : prefill);
    }
}

void TForm1::ToolButton5Click()
{
    if (AddColumnFromDialog())
        MarkModified();
}

void TForm1::AddColumn1Click()
{
    if (ToolButton5->isEnabled())
        ToolButton5Click();
    else
        ShowProblem("Problem", "First, you must open a file to edit!");
}
