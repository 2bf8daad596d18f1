// Opening the Find dialog and the grid scan behind it.

#include "mainwindow/unitADIF_Form1.h"

#include "dialogs/FindInGrid.h"
#include "dialogs/UnitMessageBoxCDF.h"
#include "dialogs/UnitSearch.h"
#include "platform/TStringGrid.h"

#include <QPointer>
#include <QToolButton>

namespace {

// The window whose Find dialog is open; the dialog's callback is a plain function.
QPointer<TForm1> searchWindow;

void FindInGridCallback(const QString& text, int findNext, int caseSensitive, int wholeWords)
{
    if (searchWindow)
        searchWindow->FindInGrid(text, findNext, caseSensitive, wholeWords);
}

} // namespace

void TForm1::ToolButton3Click()
{
    Search1Click();
}

void TForm1::Search1Click()
{
    try {
        if (!ToolButton3->isEnabled())
            return;
        if (!FindDialog) {
            FindDialog = new TOKHelpRightDlg(this);
            const QRect outer = frameGeometry();
            FindDialog->MainHeight = outer.height();
            FindDialog->MainWidth = outer.width();
            FindDialog->MainTop = outer.top();
            FindDialog->MainLeft = outer.left();
            FindDialog->FocusBackToOwner = [this] { FindDialogActivatedMainWindow(); };
        }
        FindDialog->show();
        FindDialog->raise();
        FindDialog->activateWindow();
        searchWindow = this;
        SetSearchCallback(FindDialog, FindInGridCallback);
    } catch (...) {
    }
}

void TForm1::FindInGrid(const QString& text, int findNext, int caseSensitive, int /*wholeWords*/)
{
    SearchPosition position{SearchRow, SearchCol};
    try {
        StartFrom(position, findNext == 1);
        SearchRow = position.Row;
        SearchCol = position.Col;
        if (TrimBlanks(text).isEmpty()) {
            // The dialog is closing: forget it, and let it go once its closing is done.
            if (FindDialog)
                FindDialog->deleteLater();
            FindDialog = nullptr;
            return;
        }
        const TStringGrid* grid = StringGrid1;
        const CellReader cell = [grid](int col, int row) { return grid->Cells(col, row); };
        const bool hit = ScanForText(cell, grid->RowCount(), grid->ColCount(), text, findNext == 1,
                                     caseSensitive == 1, position);
        SearchRow = position.Row;
        SearchCol = position.Col;
        if (hit) {
            StringGrid1->SetRow(position.Row);
            StringGrid1->SetCol(position.Col);
        }
    } catch (...) {
        ShowProblem("Problem", "Problem ... CODE: [CallbackFunc] Please report to vendor.");
    }
}

