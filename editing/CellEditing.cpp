// The rules that hold while the user edits cells in place: the position display, which keys
// and which cell loads mark the table modified, the longest cell text, and single-line cells.
#include "mainwindow/unitADIF_Form1.h"

#include "dialogs/UnitMessageBoxCDF.h"
#include "editing/CellEditRules.h"
#include "engine/TCommaFile.h"
#include "platform/TShape.h"
#include "platform/TStatusBar.h"
#include "platform/TStringGrid.h"

void TForm1::StringGrid1Click()
{
    try {
        StatusBar2->SetPanelText(0, QString::number(StringGrid1->Row()) + " : "
                                        + QString::number(StringGrid1->Col()));
    } catch (...) {
        ShowProblem("Problem", "Report problem in this beta test code: String Grid Click");
    }
}

void TForm1::StringGrid1KeyDown(int& key, Qt::KeyboardModifiers)
{
    try {
        if (KeyLeavesTableUnmodified(key))
            return;
        if (key == 9 && !Modified)
            return;
        MarkModified();
        Shape1->repaint();
    } catch (...) {
    }
}

void TForm1::StringGrid1GetEditText(int col, int row, QString& value)
{
    if (col <= 0)
        return;
    try {
        if (FileOpen) {
            TCommaFileRow* engineRow = CommaFile->Rows->Get(row);
            if (!engineRow)
                throw std::out_of_range("no engine row for the grid row");
            const TCommaFileColumn* cell = engineRow->Columns->Get(col - 1);
            if (cell && DecodeCell(cell->Text) != value)
                MarkModified();
        }
        EditorStartText = value;
    } catch (...) {
        ShowProblem("Problem", "Report problem in beta test code: String Grid Get-Edit-Text");
    }
}

// Rewriting the cell here makes the editor load it again; a rewrite never runs this rule a
// second time, so a start text that itself holds a line break cannot make it loop.
void TForm1::StringGrid1SetEditText(int col, int row, const QString& value)
{
    if (RewritingCell)
        return;
    RewritingCell = true;
    try {
        if (CharacterCount(value) > kMaxCellCharacters) {
            StringGrid1->SetCells(col, row, FirstCharacters(value, kMaxCellCharacters));
            ShowProblem("Warning", "Length of text will be truncated.  Text was longer than "
                                   "maximum permissable length.");
        }
        if (HoldsLineBreak(value)) {
            ShowProblem("Problem", "Cannot use multiline data (linefeeds, etc).  Data was unchanged.");
            StringGrid1->SetCells(col, row, EditorStartText);
        }
    } catch (...) {
    }
    RewritingCell = false;
}
