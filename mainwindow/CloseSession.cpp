// Closing the current table and closing the window.

#include "mainwindow/unitADIF_Form1.h"

#include "dialogs/UnitMessageBoxCDF.h"
#include "dialogs/UnitSearch.h"
#include "engine/TCommaFile.h"
#include "platform/ScreenCursor.h"
#include "platform/TImage.h"
#include "platform/TShape.h"
#include "platform/TSourceView.h"
#include "platform/TStatusBar.h"
#include "platform/TStringGrid.h"

#include <QApplication>
#include <QLabel>
#include <QTextEdit>

namespace {

const QString kSaveOnExitQuestion =
    "Your data has not been saved by exporting it to a file. \r\n Do you wish to save your data now?";

} // namespace

void TForm1::CloseCurrent1Click()
{
    try {
        BeginBusy(ScreenCursor());
        bool goOn = true;
        if (Shape1->BrushColor() == kLightYellow && ConfirmYesNo(kSaveCurrentQuestion))
            goOn = SaveToNewFile();
        if (goOn) {
            CloseSession();
            HideTableView();
        } else {
            ShowProblem("Problem", "File could not be saved ... ");
        }
        EndBusy();
    } catch (...) {
        EndBusy();
        ShowProblem("Problem", "Could not close current session.  File may not be saved.");
    }
}

void TForm1::CloseSession()
{
    try {
        FileOpen = false;
        Modified = false;
        ClearGridCells();
        EnableMenus(false);
        EnableEditTools(false);
        PrepareTableView();
        SetChangeLight(true, kLightGreen);
        Label3->hide();
        Image1->show();
        Label1->show();
    } catch (...) {
        ShowProblem("Problem", "Could not close session properly.");
    }
}

void TForm1::ClearGridCells()
{
    for (int row = 0; row < StringGrid1->RowCount(); ++row)
        for (int col = 0; col < StringGrid1->ColCount(); ++col)
            StringGrid1->SetCells(col, row, QString());
}

void TForm1::HideTableView()
{
    StringGrid1->hide();
    RichEdit1->hide();
    RichEdit2->hide();
    for (TShape* frame : {Shape4, Shape5, Shape6, Shape7})
        frame->hide();
    SetChangeLight(false, kLightGreen);
    ClearStatusPanels();
}

void TForm1::ClearStatusPanels()
{
    for (int panel = 0; panel < 3; ++panel)
        StatusBar2->SetPanelText(panel, QString());
}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::FormCloseQuery(bool& canClose)
{
    canClose = true;
    try {
        if (Saving) {
            canClose = false;
            return;
        }
        if (Shape1->BrushColor() == kLightYellow && ConfirmYesNo(kSaveOnExitQuestion))
            canClose = SaveToNewFile();
    } catch (...) {
        canClose = true;
    }
}

void TForm1::FormClose()
{
    try {
        FileOpen = false;
        ClearGridCells();
        CommaFile.reset();
        delete FindDialog;
        FindDialog = nullptr;
        DestroyHeldMessageBox();
        QApplication::quit();
    } catch (...) {
    }
}

