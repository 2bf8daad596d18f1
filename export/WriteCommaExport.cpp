#include "dialogs/UnitBetaDialog.h"
#include "engine/TCommaFile.h"
#include "export/ExportVerification.h"
#include "export/ExportWriting.h"
#include "export/GridCells.h"
#include "mainwindow/unitADIF_Form1.h"

namespace {

// The table read back from the written file must be the grid, cell for cell: an export that
// differs is an internal fault, removed and reported instead of claimed as saved.
bool HoldsTheGrid(TForm1& form, const ExportCells& cells, ExportEncoding encoding)
{
    const std::optional<CellPosition> difference = FirstDifference(cells, *form.CommaFile->Snapshot(), encoding);
    if (!difference)
        return true;
    DiscardWrittenFile(*form.CommaFile);
    ShowBetaInfo(&form, "SaveCSVFile", "The file read back differs from the grid",
                 QString("Row %1, column %2").arg(difference->row).arg(difference->col));
    return false;
}

} // namespace

// The grid as a comma-delimited file. A fresh engine object writes it and reads it back, and
// becomes the window's engine before the write is tried, so after a failed write the window
// holds the unwritten text under the new name.
bool TForm1::WriteCommaExport(const QString& name)
{
    ExportNameTaken = false;
    const GridCells cells(*StringGrid1);
    ExportText text = BuildCommaText(cells, ExportEncodingOf(FileEncoding));
    if (text.refused) {
        RefuseExport(*this, text);
        return false;
    }
    auto written = std::make_unique<TCommaFile>();
    written->Text = std::move(text.bytes);
    written->FileName = EngineFileName(name);
    CommaFile = std::move(written);
    FileEncoding = TextEncodingOf(text.encoding);
    const ExportWrite outcome = SaveExportFile(*CommaFile, false);
    ExportNameTaken = outcome == ExportWrite::NameTaken;
    return outcome == ExportWrite::Written && HoldsTheGrid(*this, cells, text.encoding);
}
