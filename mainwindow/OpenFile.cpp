// Opening a comma file: the save prompt, the open dialog, and showing the outcome (the
// table, or the fault marked in the source view).
#include "mainwindow/unitADIF_Form1.h"

#include "dialogs/UnitMessageBoxCDF.h"
#include "engine/TCommaFile.h"
#include "platform/ScreenCursor.h"
#include "platform/TOpenDialog.h"
#include "platform/TPanel.h"
#include "platform/TShape.h"
#include "platform/TSourceView.h"
#include "platform/TStatusBar.h"
#include "platform/TStringGrid.h"
#include "platform/system/SystemFacts.h"

#include <QTextEdit>

namespace {

const char* const kSourcePrefix = "SOURCE: \r\n\r\n";
constexpr int kSourcePrefixLength = 12;
const QColor kFaultColour(255, 0, 0);

} // namespace

void TForm1::Open1Click()
{
    try {
        if (Shape1->BrushColor() == kLightYellow) {
            if (ConfirmYesNo(kSaveCurrentQuestion)) {
                if (!SaveToNewFile())
                    return;
            }
            SetChangeLight(true, kLightGreen);
            OpenFromDialog();
            return;
        }
        if (FileOpen)
            SetChangeLight(true, 0);
        Shape1->SetBrushColor(kLightGreen);
        OpenFromDialog();
        Modified = false;
    } catch (...) {
    }
}

void TForm1::ToolButton1Click()
{
    try {
        Open1Click();
    } catch (...) {
    }
}

void TForm1::OpenFromDialog()
{
    try {
        if (!HasEnoughMemory()) {
            ShowProblem("Problem!", "Your available memory is too low to open a file.");
            return;
        }
        const QString path = ChooseFileToOpen();
        if (path.isEmpty())
            return;
        BeginBusy(ScreenCursor());
        ShowProgress("Loading Data from File ... ");
        FileOpen = LoadFileIntoGrid(path);
        ShowSource();
        if (!FileOpen)
            ShowFault();
        else if (StringGrid1->RowCount() >= 1 && StringGrid1->ColCount() >= 1)
            StringGrid1->SetCurrentCell(1, 1);
        Panel1->hide();
        EndBusy();
        ShowOpenOutcome(path);
    } catch (...) {
        Panel1->hide();
        EndBusy();
    }
}

// Shows the open dialog in the current directory; the chosen file, or empty when the user
// cancelled or the current directory cannot be read.
QString TForm1::ChooseFileToOpen()
{
    OpenDialog1->DefaultExt = "csv";
    OpenDialog1->Filter = "'.CSV' files (*.csv)|*.CSV|'.BCSV' files (*.bcsv)|*.BCSV";
    OpenDialog1->FilterIndex = 1;
    const QString folder = QString::fromStdString(Facts().CurrentDirectory());
    if (folder.isEmpty())
        return QString();
    OpenDialog1->InitialDir = folder;
    if (!OpenDialog1->Execute())
        return QString();
    return OpenDialog1->FileName;
}

void TForm1::ShowSource()
{
    RichEdit2->SetText(kSourcePrefix, CommaFile->SharedText(), FileEncoding);
}

// Marks the faulty line red: the engine's byte offsets, shifted by the prefix, as positions
// of the view, whatever the line ends and however many bytes a character takes.
void TForm1::ShowFault()
{
    RichEdit1->setPlainText(QString::fromStdString(std::string(CommaFile->Message)));
    const long long start = CommaFile->ErrorStart;
    const long long end = CommaFile->ErrorEnd;
    const qsizetype textEnd = RichEdit2->PositionOfByte(qsizetype(CommaFile->SharedText()->size()));
    if (start < 1) {
        RichEdit2->SetSelStart(0);
        RichEdit2->SetSelLength(1);
    } else {
        const qsizetype from = RichEdit2->PositionOfByte(qsizetype(start));
        const qsizetype to = start < end ? RichEdit2->PositionOfByte(qsizetype(end)) : textEnd;
        RichEdit2->SetSelStart(int(from));
        RichEdit2->SetSelLength(int(to - from));
    }
    RichEdit2->SetSelectionColor(kFaultColour);
}

void TForm1::ShowOpenOutcome(const QString& path)
{
    if (FileOpen) {
        StatusBar2->SetPanelText(1, "Current file size >>> " + QString::number(CommaFile->GetSize())
                                        + " bytes ");
        setWindowTitle(" File: " + path);
    } else {
        StringGrid1->hide();
        StatusBar2->SetPanelText(1, " If your file did not load, fix the format violation ... ");
    }
}
