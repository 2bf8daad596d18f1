#include "export/ExportWriting.h"
#include "export/GridCells.h"
#include "mainwindow/unitADIF_Form1.h"

// The grid as an XML document, always UTF-8.
bool TForm1::WriteXmlExport(const QString& name)
{
    return WriteDocumentExport(*this, name, [this] { return BuildXmlText(GridCells(*StringGrid1)); }, "SaveXMLFile");
}

