// Loading a file into the grid: a fresh engine reads and validates it, and a valid table is
// shown with its header row, record numbers, column widths and summary.
#include "mainwindow/unitADIF_Form1.h"

#include "dialogs/UnitMessageBoxCDF.h"
#include "engine/TCommaFile.h"
#include "mainwindow/ColumnWidthTable.h"
#include "platform/SystemColours.h"
#include "platform/TImage.h"
#include "platform/TShape.h"
#include "platform/TSourceView.h"
#include "platform/TStatusBar.h"
#include "platform/TStringGrid.h"

#include <QPainter>
#include <QTextEdit>

bool TForm1::LoadFileIntoGrid(const QString& path)
{
    try {
        PrepareTableView();
        EnableEditTools(true);
        Image1->hide();
        EnableMenus(true);

        CommaFile.reset();
        const int widthFactor = StringGrid1->font().pointSize();
        CommaFile = std::make_unique<TCommaFile>();
        if (!CommaFile->LoadFromFile(path.toStdString(), true)) {
            FileEncoding = DetectEncoding(*CommaFile->SharedText());
            EnableEditTools(false);
            EnableMenus(false);
            return false;
        }
        FileEncoding = DetectEncoding(*CommaFile->SharedText());
        StatusBar2->SetPanelText(0, "1:1");

        const bool labelsInFile = CommaFile->Rows->Count >= 2
                                  && ConfirmYesNo("Does the first row contain column labels?");
        FillGrid(labelsInFile, widthFactor);
        ShowSummary();
        SetChangeLight(true, kLightGreen);
        StatusBar2->SetPanelText(2, kNoticeText);
        return true;
    } catch (...) {
        return false;
    }
}

// The grid shows the engine's table through its snapshot, one grid row per engine row and
// cell c in grid column c + 1; a generated header row comes first when the file has none.
void TForm1::FillGrid(bool labelsInFile, int widthFactor)
{
    const std::shared_ptr<const TableSnapshot> table = CommaFile->Snapshot();
    if (!labelsInFile)
        GenerateHeaderRow();
    const int firstRow = labelsInFile ? 0 : 1;
    const int lastCells = CommaFile->Rows->Get(CommaFile->Rows->Count - 1)->Columns->Count;

    StringGrid1->SetRowCount(CommaFile->Rows->Count);
    StringGrid1->SetColCount(lastCells + 1);
    StringGrid1->AttachSnapshot(table, firstRow, 1, FileEncoding);
    StringGrid1->SetCells(0, 0, "RECORD #");
    StringGrid1->SetRecordNumbers(1, CommaFile->Rows->Count - 1);
    SetColumnWidths(*table, firstRow, widthFactor);
}

void TForm1::GenerateHeaderRow()
{
    TCommaFileRow* header = CommaFile->Rows->Add(true);
    const int cells = CommaFile->Rows->Get(CommaFile->Rows->Count - 1)->Columns->Count;
    StringGrid1->SetColCount(std::max(StringGrid1->ColCount(), cells + 1));
    for (int n = 0; n < cells; ++n) {
        TCommaFileColumn* cell = header->Columns->Add(false);
        cell->Text = "COLUMN:" + std::to_string(n);
        cell->Kind = 2;
        StringGrid1->SetCells(n + 1, 0, QString::fromStdString(cell->Text));
    }
}

// Widths from the texts, header row first and in row order, as the cells are read.
void TForm1::SetColumnWidths(const TableSnapshot& table, int firstRow, int widthFactor)
{
    const bool utf8 = FileEncoding == TextEncoding::Utf8;
    ColumnWidthTable widths;
    if (firstRow == 1) {
        for (int c = 1; c < StringGrid1->ColCount() && c < ColumnWidthTable::Size; ++c)
            widths.Note(c, StringGrid1->Cells(c, 0).toStdString(), true);
    }
    for (int r = 0; r < table.RowCount(); ++r) {
        const int cells = std::min(table.CellCount(r), ColumnWidthTable::Size - 1);
        for (int c = 0; c < cells; ++c)
            widths.Note(c + 1, table.CellText(r, c), utf8);
    }
    for (int i = 0; i < ColumnWidthTable::Size && i < StringGrid1->ColCount(); ++i) {
        if (widthFactor != 0 && widths.Entry(i) != 0)
            StringGrid1->SetColWidths(i, widths.WidthFor(i, widthFactor));
    }
}

void TForm1::ShowSummary()
{
    const int lastCells = CommaFile->Rows->Get(CommaFile->Rows->Count - 1)->Columns->Count;
    RichEdit1->setPlainText("Summary:\r\n\r\nRows: " + QString::number(CommaFile->Rows->Count - 1));
    RichEdit1->moveCursor(QTextCursor::End);
    RichEdit1->insertPlainText(" Columns: " + QString::number(lastCells));
}

void TForm1::PrepareTableView()
{
    try {
        StringGrid1->SetColCount(2);
        StringGrid1->SetRowCount(2);
        StringGrid1->SetFixedCols(1);
        StringGrid1->SetFixedRows(1);
        for (QWidget* view : std::initializer_list<QWidget*>{StringGrid1, RichEdit2, Shape4, Shape5,
                                                             Shape6, Shape7, StatusBar2, RichEdit1})
            view->show();
        RichEdit1->clear();
        RichEdit1->setPlainText("Summary of file ... \r\n");
        StringGrid1->SetColor(kInactiveCaptionTextColour);
    } catch (...) {
    }
}

void TForm1::StringGrid1DrawCell(QPainter& canvas, int col, int row, const QRect& rect)
{
    try {
        if (col <= 0 || row <= 0 || row <= DrawRowThreshold)
            return;
        canvas.save();
        canvas.setClipRect(rect);
        canvas.fillRect(rect, kInactiveCaptionTextColour);
        canvas.setPen(Qt::black);
        canvas.setFont(StringGrid1->font());
        canvas.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                        StringGrid1->Cells(col, row));
        canvas.restore();
    } catch (...) {
    }
}

QString TForm1::DecodeCell(const std::string& bytes) const
{
    return DecodeText(bytes, FileEncoding);
}

std::string TForm1::EncodeCell(const QString& text) const
{
    return EncodeText(text, FileEncoding);
}
