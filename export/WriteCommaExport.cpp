// Built once the engine and the grid are part of the tree.
#include "engine/TCommaFile.h"
#include "export/ExportWriting.h"
#include "export/GridCells.h"
#include "mainwindow/unitADIF_Form1.h"

// The grid as a comma-delimited file. A fresh engine object writes it and reads it back, and
// becomes the window's engine before the write is tried, so after a failed write the window
// holds the unwritten text under the new name.
bool TForm1::WriteCommaExport(const QString& name)
{
    ExportText text = BuildCommaText(GridCells(*StringGrid1), ExportEncodingOf(FileEncoding));
    if (text.refused) {
        RefuseExport(*this, text);
        return false;
    }
    auto written = std::make_unique<TCommaFile>();
    written->Text = std::move(text.bytes);
    written->FileName = EngineFileName(name);
    CommaFile = std::move(written);
    FileEncoding = TextEncodingOf(text.encoding);
    return SaveExportFile(*CommaFile, false);
}

