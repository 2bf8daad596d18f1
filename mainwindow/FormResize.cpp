// The main window's layout: every control's place and size from the client size, in an
// order in which each line reads what the lines above it have set.
#include "mainwindow/unitADIF_Form1.h"

#include "platform/TImage.h"
#include "platform/TPanel.h"
#include "platform/TShape.h"
#include "platform/TSourceView.h"
#include "platform/TStatusBar.h"
#include "platform/TStringGrid.h"

#include <QLabel>
#include <QTextEdit>
#include <QToolBar>

namespace {

void SetLeft(QWidget* control, int left) { control->move(left, control->y()); }
void SetTop(QWidget* control, int top) { control->move(control->x(), top); }
void SetWidth(QWidget* control, int width) { control->resize(width, control->height()); }
void SetHeight(QWidget* control, int height) { control->resize(control->width(), height); }

int Bottom(const QWidget* control) { return control->y() + control->height(); }

} // namespace

void TForm1::FormResize()
{
    const QSize outer = frameGeometry().size();
    if (outer.height() <= 375 || outer.width() <= 375)
        return;
    const int W = ClientArea->width();
    const int H = ClientArea->height();
    const int toolBarHeight = ToolBar1->height();

    SetTop(StringGrid1, ToolBar1->y() + toolBarHeight);
    SetHeight(StringGrid1, ((H - toolBarHeight) * 25) / 40);
    SetWidth(StringGrid1, W - 8);
    SetTop(RichEdit1, StringGrid1->y() + StringGrid1->height() + 10);
    SetHeight(RichEdit1, ((H - toolBarHeight) * 9) / 40 - 2);
    SetWidth(RichEdit1, (W / 2) - 8);
    SetLeft(RichEdit2, RichEdit1->x() + RichEdit1->width() + 2);
    SetWidth(RichEdit2, W - (RichEdit1->width() + 9));
    SetTop(RichEdit2, RichEdit1->y());
    SetHeight(RichEdit2, RichEdit1->height());
    SetLeft(Shape4, RichEdit2->x() - 1);
    SetTop(Shape4, RichEdit2->y());
    SetHeight(Shape4, RichEdit2->height());
    SetWidth(Shape4, 1);
    SetTop(StatusBar2, H - StatusBar2->height());
    SetWidth(StatusBar2, W - 2);
    SetTop(Shape5, Bottom(RichEdit1));
    SetLeft(Shape5, RichEdit1->x());
    SetWidth(Shape5, W - 8);
    SetLeft(Shape6, Shape5->x());
    SetWidth(Shape6, Shape5->width() - 1);
    SetHeight(Shape6, 1);
    SetTop(Shape6, RichEdit1->y() - 1);
    SetLeft(Shape7, Shape5->x());
    SetWidth(Shape7, Shape5->width() - 1);
    SetHeight(Shape7, 1);
    SetTop(Shape7, Bottom(RichEdit1) + 1);
    SetTop(Label3, Bottom(RichEdit1) + 10);
    SetLeft(Label3, W - (Label3->width() + 8));
    SetTop(Shape1, Label3->y());
    SetTop(Shape2, Label3->y() - 1);
    SetTop(Shape3, Label3->y() - 1);
    SetLeft(Shape3, Shape1->x() + Shape1->width() + 1);
    SetWidth(Shape3, W - (Shape1->width() + 14));
    SetHeight(Shape3, Shape2->height());
    SetWidth(Panel1, W - 1);
    SetHeight(Panel1, H - StatusBar2->height());
    SetWidth(Image1, W - 1);
    SetHeight(Image1, H - (toolBarHeight + 1));
    SetLeft(Label1, (W - Label1->width()) / 2);
    SetTop(Label1, (H / 2) - 25);
    SetHeight(Label1, H / 2);
}
