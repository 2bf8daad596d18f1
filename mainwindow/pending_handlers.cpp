// Empty bodies for the handlers of the window that other subsystems write. Each one leaves
// this file when its real body is written in its subsystem's folder.
#include "mainwindow/unitADIF_Form1.h"

// Opening files
void TForm1::Open1Click() {}
void TForm1::ToolButton1Click() {}
void TForm1::OpenFromDialog() {}
bool TForm1::LoadFileIntoGrid(const QString&) { return false; }
void TForm1::PrepareTableView() {}
void TForm1::StringGrid1DrawCell(QPainter&, int, int, const QRect&) {}

// Cell editing
void TForm1::StringGrid1Click() {}
void TForm1::StringGrid1KeyDown(int&, Qt::KeyboardModifiers) {}
void TForm1::StringGrid1GetEditText(int, int, QString&) {}
void TForm1::StringGrid1SetEditText(int, int, const QString&) {}

// Columns
void TForm1::ToolButton5Click() {}
void TForm1::AddColumn1Click() {}
void TForm1::ToolButton6Click() {}
void TForm1::ClearColumn1Click() {}
void TForm1::ToolButton10Click() {}
void TForm1::FillExistingColumnwithValues1Click() {}

// Rows
void TForm1::ToolButton7Click() {}
void TForm1::AddRow1Click() {}
void TForm1::ToolButton8Click() {}
void TForm1::AddRowSameAsPrevious1Click() {}
void TForm1::ToolButton4Click() {}
void TForm1::AddRowSameasSelected1Click() {}

// Font
void TForm1::Font1Click() {}

// Export
void TForm1::ToolButton2Click() {}
void TForm1::Save1Click() {}
bool TForm1::SaveToNewFile() { return false; }

// New project and closing
void TForm1::ToolButton9Click() {}
void TForm1::New1Click() {}
void TForm1::CloseCurrent1Click() {}
void TForm1::Exit1Click() {}
void TForm1::FormCloseQuery(bool&) {}
void TForm1::FormClose() {}

// Search
void TForm1::ToolButton3Click() {}
void TForm1::Search1Click() {}
