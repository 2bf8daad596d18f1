// Starting a new, empty table with a chosen number of columns.

#include "mainwindow/unitADIF_Form1.h"

#include "dialogs/UnitMessageBoxCDF.h"
#include "editing/UnitChangeColumnNames.h"
#include "engine/TCommaFile.h"
#include "mainwindow/TextToIntOrZero.h"
#include "platform/TImage.h"
#include "platform/ModalSeam.h"
#include "platform/TInputBox.h"
#include "platform/TPanel.h"
#include "platform/TShape.h"
#include "platform/TSourceView.h"
#include "platform/TStringGrid.h"

#include <QLabel>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>

namespace {

QString DefaultLabel(int column)
{
    return "Column:" + QString::number(column);
}

} // namespace

void TForm1::New1Click()
{
    try {
        if (ToolButton9->isEnabled())
            ToolButton9Click();
    } catch (...) {
        ShowProblem("Problem", "Could not create new file");
    }
}

void TForm1::ToolButton9Click()
{
    try {
        if (Shape1->BrushColor() == kLightYellow) {
            if (!ConfirmYesNo(kSaveCurrentQuestion)) {
                NewProject();
                SetChangeLight(true, kLightGreen);
            } else if (SaveToNewFile()) {
                SetChangeLight(true, kLightGreen);
                NewProject();
            } else {
                ShowProblem("Problem", "File could not be saved");
            }
            return;
        }
        if (!FileOpen)
            SetChangeLight(true, 0);
        Shape1->SetBrushColor(kLightGreen);
        NewProject();
        Modified = false;
    } catch (...) {
        ShowProblem("Problem", "Could not create new file");
    }
}

void TForm1::NewProject()
{
    try {
        DrawRowThreshold = 2;
        Saving = false;
        Image1->show();
        StringGrid1->hide();
        ClearStatusPanels();
        RichEdit1->clear();
        RichEdit1->hide();
        RichEdit2->Clear();
        RichEdit2->hide();
        for (TShape* frame : {Shape4, Shape5, Shape6, Shape7})
            frame->hide();

        // From here on the previous table is gone.
        CommaFile = std::make_unique<TCommaFile>();
        CommaFile->Rows->Add(false);
        CommaFile->Rows->Add(false);

        const int count = TextToIntOrZero(
            InputBox("How many columns?", "How many columns should be created?", "0", this));
        if (count <= 0 || count >= 1000) {
            ShowProblem("Problem!",
                        "You must enter a valid positive number between\r\n1 and 1000 !  No columns were created!");
            ClearStatusPanels();
            FileOpen = false;
            EnableMenus(false);
            EnableEditTools(false);
            Label1->show();
            HideTableView();
            Image1->show();
            return;
        }

        PrepareTableView();
        ClearStatusPanels();
        StringGrid1->SetColCount(count + 1);
        StringGrid1->SetRowCount(2);
        for (int k = 1; k <= count; ++k) {
            TCommaFileColumn* label = CommaFile->Rows->Get(0)->Columns->Add(false);
            TCommaFileColumn* empty = CommaFile->Rows->Get(1)->Columns->Add(false);
            label->Text = DefaultLabel(k).toStdString();
            empty->Text.clear();
            StringGrid1->SetCells(k, 0, DefaultLabel(k));
            StringGrid1->SetCells(k, 1, QString());
        }
        StringGrid1->SetCells(0, 0, "RECORD #");
        StringGrid1->SetCells(0, 1, "1");

        QStringList names;
        for (int k = 1; k <= count; ++k)
            names.append(StringGrid1->Cells(k, 0));
        Image1->hide();
        {
            TOKRightDlg2 dialog(this);
            dialog.LoadColumnNames(names);
            ExecModal(dialog);
            if (dialog.ResultCode != -1) {
                const QStringList chosen = dialog.ColumnNames();
                for (int j = 0; j < chosen.size(); ++j)
                    StringGrid1->SetCells(j + 1, 0, chosen[j]);
            }
        }

        StringGrid1->show();
        Panel1->hide();
        EnableEditTools(true);
        EnableMenus(true);
        SetChangeLight(true, 0);
        ShowNewFileState();
        FileOpen = true;
        SetChangeLight(true, kLightYellow);
    } catch (...) {
        ShowProblem("Problem", "Could not create new project");
    }
}

void TForm1::ShowNewFileState()
{
    RichEdit1->setPlainText("New File Started ...");
    RichEdit2->Clear();
    setWindowTitle("[NEW FILE]");
}

