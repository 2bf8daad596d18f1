#include "export/ExportWriting.h"
#include "export/GridCells.h"
#include "mainwindow/unitADIF_Form1.h"

// The grid as an HTML page, in the encoding of the window's file.
bool TForm1::WriteHtmlExport(const QString& name)
{
    return WriteDocumentExport(
        *this, name, [this] { return BuildHtmlText(GridCells(*StringGrid1), ExportEncodingOf(FileEncoding)); },
        "SaveHTMLFile");
}

