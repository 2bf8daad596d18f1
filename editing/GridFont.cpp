// The grid font: chosen in the form's font dialog, given to the grid and the two text views,
// with every existing row as high as the font needs.
#include "mainwindow/unitADIF_Form1.h"

#include "dialogs/UnitMessageBoxCDF.h"
#include "platform/TFontDialog.h"
#include "platform/TSourceView.h"
#include "platform/TStringGrid.h"

#include <QTextEdit>
#include <cstdlib>

void TForm1::Font1Click()
{
    try {
        FontDialog1->Options |= TFontDialog::fdLimitSize;
        FontDialog1->MinFontSize = 7;
        FontDialog1->MaxFontSize = 11;
        if (!FontDialog1->Execute())
            return;
        const QFont font = FontDialog1->Font;
        for (QWidget* view : std::initializer_list<QWidget*>{StringGrid1, RichEdit1, RichEdit2})
            view->setFont(font);
        const int h = std::abs(TFontDialog::PixelHeight(font, StringGrid1->logicalDpiY()));
        if (h == 0 || StringGrid1->RowCount() == 0 || StringGrid1->ColCount() == 0)
            return;
        for (int r = 0; r < StringGrid1->RowCount(); ++r)
            StringGrid1->SetRowHeights(r, h + 4);
    } catch (...) {
        ShowProblem("Problem", "Problem occurred while setting the chosen font to be current Grid font.");
    }
}
