// The main window's design: every component with its design settings, and the wiring of
// each menu item, tool button and grid event to its handler. Nothing here decides anything.
#include "mainwindow/unitADIF_Form1.h"

#include "platform/SystemColours.h"
#include "platform/TImage.h"
#include "platform/TImageList.h"
#include "platform/TPanel.h"
#include "platform/TShape.h"
#include "platform/TSourceView.h"
#include "platform/TStatusBar.h"
#include "platform/TStringGrid.h"

#include <QFileDialog>
#include "platform/TFontDialog.h"
#include "platform/TOpenDialog.h"
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

namespace {

// The form names Windows fonts; Qt is asked for the family and a matching kind of face.
QFont FormFont(const QString& family, int pixelHeight, QFont::StyleHint hint)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(pixelHeight);
    return font;
}

QColor ButtonFace()
{
    return QColor(212, 208, 200);
}

void SetBackground(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

template <typename T>
T* Named(T* object, const char* name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

QTextEdit* ReadOnlyTextBox(QWidget* parent, const char* name)
{
    auto* box = Named(new QTextEdit(parent), name);
    box->setReadOnly(true);
    box->setFrameShape(QFrame::NoFrame);
    SetBackground(box, QPalette::Base, kInactiveCaptionTextColour);
    return box;
}

TShape* Rectangle(QWidget* parent, const char* name, TColor brush, TColor pen)
{
    auto* shape = Named(new TShape(parent), name);
    shape->SetShape(TShapeType::Rectangle);
    shape->SetBrushColor(brush);
    shape->SetPenColor(pen);
    return shape;
}

// The title label sizes itself to its caption, as the form's label does: 353 is the
// caption's width in Georgia, and the face that stands in for Georgia may be wider.
int TitleWidth(const QLabel& title)
{
    return std::max(353, title.sizeHint().width());
}

} // namespace

// The pictures are linked from a static library: name them so that the linker keeps them.
static void LoadPictures()
{
    Q_INIT_RESOURCE(images);
}

void TForm1::CreateDesign()
{
    LoadPictures();
    setObjectName("Form1");
    resize(630, 492);
    setFont(FormFont("MS Sans Serif", 11, QFont::SansSerif));
    SetBackground(this, QPalette::Window, ButtonFace());

    ClientArea = Named(new QWidget(this), "ClientArea");
    ClientArea->setAutoFillBackground(true);
    setCentralWidget(ClientArea);

    Image1 = Named(new TImage(ClientArea), "Image1");
    Image1->SetStretch(true);
    Image1->SetPicture(QPixmap(":/images/background.png"));
    Image1->setGeometry(0, 32, 622, 405);

    Label1 = Named(new QLabel("Editor for Comma Delimited Data", ClientArea), "Label1");
    QFont titleFont = FormFont("Georgia", 23, QFont::Serif);
    titleFont.setUnderline(true);
    Label1->setFont(titleFont);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(134, 200, TitleWidth(*Label1), 36);

    CreateTableViews();
    CreateLightAndFrames();
    CreateToolBar();

    Panel1 = Named(new TPanel(ClientArea), "Panel1");
    QFont panelFont = FormFont("Arial", 16, QFont::SansSerif);
    panelFont.setBold(true);
    Panel1->setFont(panelFont);
    Panel1->SetCaption("Loading Data from File ...");
    Panel1->setGeometry(1, -1, 621, 412);

    CreateMenu();
    CreateFormDialogs();
    ClientArea->installEventFilter(this);
}

void TForm1::CreateTableViews()
{
    StringGrid1 = Named(new TStringGrid(ClientArea), "StringGrid1");
    StringGrid1->setGeometry(3, 34, 614, 250);
    StringGrid1->SetColCount(20);
    StringGrid1->SetRowCount(20);
    StringGrid1->SetFixedCols(1);
    StringGrid1->SetFixedRows(1);
    StringGrid1->SetDefaultColWidth(94);
    StringGrid1->SetColor(kInactiveCaptionTextColour);
    StringGrid1->SetFixedColor(ToQColor(clSilver));

    RichEdit1 = ReadOnlyTextBox(ClientArea, "RichEdit1");
    RichEdit1->setFont(FormFont("Courier New", 11, QFont::Monospace));
    RichEdit1->setGeometry(3, 294, 303, 90);

    RichEdit2 = Named(new TSourceView(ClientArea), "RichEdit2");
    SetBackground(RichEdit2, QPalette::Base, kInactiveCaptionTextColour);
    RichEdit2->setGeometry(308, 294, 310, 90);

    StatusBar2 = Named(new TStatusBar(ClientArea), "StatusBar2");
    StatusBar2->AddPanel(50);
    StatusBar2->AddPanel(50);
    StatusBar2->AddPanel(50);
    StatusBar2->SetPanelText(2, kNoticeText);
    StatusBar2->setGeometry(1, 411, 620, 26);

    Label3 = Named(new QLabel(ClientArea), "Label3");
    Label3->setGeometry(469, 394, 145, 17);
    Label3->hide();
}

void TForm1::CreateLightAndFrames()
{
    const TColor inactiveCaptionText = ToTColor(kInactiveCaptionTextColour);
    Shape2 = Rectangle(ClientArea, "Shape2", inactiveCaptionText, inactiveCaptionText);
    Shape2->setGeometry(3, 393, 25, 21);
    Shape3 = Rectangle(ClientArea, "Shape3", inactiveCaptionText, inactiveCaptionText);
    Shape3->setGeometry(23, 393, 594, 21);

    Shape1 = Named(new TShape(ClientArea), "Shape1");
    Shape1->SetShape(TShapeType::Circle);
    Shape1->SetBrushColor(kLightGreen);
    Shape1->setGeometry(8, 394, 14, 18);
    Shape1->setToolTip("Green = data saved.  Yellow = data possibly NOT saved.");

    Shape4 = Rectangle(ClientArea, "Shape4", clBlack, clWhite);
    Shape4->setGeometry(306, 294, 1, 90);
    Shape5 = Rectangle(ClientArea, "Shape5", ToTColor(ButtonFace()), clWhite);
    Shape5->setGeometry(3, 384, 614, 9);
    Shape6 = Rectangle(ClientArea, "Shape6", clBlack, clWhite);
    Shape6->setGeometry(3, 293, 613, 1);
    Shape7 = Rectangle(ClientArea, "Shape7", clBlack, clWhite);
    Shape7->setGeometry(3, 385, 613, 1);
}

void TForm1::CreateToolBar()
{
    ImageList1 = Named(new TImageList(this), "ImageList1");
    for (int i = 0; i < 14; ++i)
        ImageList1->Add(QIcon(QString(":/images/tool%1.png").arg(i, 2, 10, QChar('0'))));

    ToolBar1 = Named(new QToolBar(ClientArea), "ToolBar1");
    ToolBar1->setGeometry(0, 0, 622, 34);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setContentsMargins(2, 2, 2, 2);
    ToolBar1->setStyleSheet("QToolBar#ToolBar1 { border: none; border-left: 2px groove palette(mid); }");

    struct Button {
        QToolButton** field;
        const char* name;
        const char* hint;
        int image;
        bool enabled;
    };
    const Button buttons[] = {
        {&ToolButton1, "ToolButton1", "Open a file", 0, true},
        {&ToolButton2, "ToolButton2", "Save to a new file", 1, true},
        {&ToolButton5, "ToolButton5", "Add a column", 4, true},
        {&ToolButton6, "ToolButton6", "Clear a column", 5, true},
        {&ToolButton7, "ToolButton7", "Add a new row", 6, true},
        {&ToolButton8, "ToolButton8", "Add a new row same as row before ...", 7, true},
        {&ToolButton4, "ToolButton4", "Add a new row same as selected row ...", 12, false},
        {&ToolButton3, "ToolButton3", "Search", 11, false},
        {&ToolButton10, "ToolButton10", "Fill an existing column with values", 13, false},
        {&ToolButton9, "ToolButton9", "Create a new project (\".csv \") ", 8, true},
    };
    for (const Button& b : buttons) {
        auto* button = Named(new QToolButton(ToolBar1), b.name);
        button->setToolTip(b.hint);
        button->setIcon(ImageList1->Get(b.image));
        button->setProperty("ImageIndex", b.image);
        button->setEnabled(b.enabled);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(23, 22);
        ToolBar1->addWidget(button);
        *b.field = button;
    }
}

void TForm1::CreateMenu()
{
    MainMenu1 = Named(new QMenuBar(this), "MainMenu1");
    setMenuBar(MainMenu1);

    auto topLevel = [this](const char* caption, const char* name) {
        QMenu* menu = Named(MainMenu1->addMenu(QString::fromLatin1(caption)), name);
        return menu;
    };
    auto item = [](QMenu* menu, const char* caption, const char* name, bool enabled) {
        QAction* action = Named(menu->addAction(QString::fromLatin1(caption)), name);
        action->setEnabled(enabled);
        return action;
    };
    auto separator = [](QMenu* menu, const char* name, bool enabled) {
        QAction* action = Named(menu->addSeparator(), name);
        action->setEnabled(enabled);
        return action;
    };

    File1 = topLevel("&File", "File1");
    Open1 = item(File1, "&Open", "Open1", true);
    New1 = item(File1, "&New", "New1", true);
    Save1 = item(File1, "Save &As", "Save1", false);
    CloseCurrent1 = item(File1, "&Close Current", "CloseCurrent1", false);
    Exit1 = item(File1, "&Exit", "Exit1", true);

    Layout1 = topLevel("&Edit", "Layout1");
    AddColumn1 = item(Layout1, "&Add Column", "AddColumn1", false);
    ClearColumn1 = item(Layout1, "&Clear Column", "ClearColumn1", false);
    FillExistingColumnwithValues1 =
        item(Layout1, "&Fill Existing Column with Values", "FillExistingColumnwithValues1", false);
    N2 = separator(Layout1, "N2", false);
    AddRowSameAsPrevious1 = item(Layout1, "Add Row &Same As Previous", "AddRowSameAsPrevious1", false);
    AddRowSameasSelected1 = item(Layout1, "A&dd Row Same as Selected", "AddRowSameasSelected1", false);
    AddRow1 = item(Layout1, "Add Blank &Row", "AddRow1", false);
    N3 = separator(Layout1, "N3", false);
    Search1 = item(Layout1, "&Search", "Search1", false);

    Format1 = topLevel("F&ormat", "Format1");
    Font1 = item(Format1, "Fo&nt", "Font1", false);

    Import1 = topLevel("&Import", "Import1");
    Import1->menuAction()->setEnabled(false);

    Help1 = topLevel("&About", "Help1");
    About1 = item(Help1, "&About Colvane", "About1", true);
    N1 = separator(Help1, "N1", true);
}

void TForm1::CreateFormDialogs()
{
    OpenDialog1 = Named(new TOpenDialog(this), "OpenDialog1");
    OpenDialog1->Options = TOpenDialog::ofHideReadOnly | TOpenDialog::ofFileMustExist
                           | TOpenDialog::ofEnableSizing;

    SaveDialog1 = Named(new QFileDialog(this), "SaveDialog1");
    SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);
    SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite);
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);

    FontDialog1 = Named(new TFontDialog(this), "FontDialog1");
    FontDialog1->Options = TFontDialog::fdTrueTypeOnly | TFontDialog::fdEffects
                           | TFontDialog::fdNoOEMFonts | TFontDialog::fdLimitSize
                           | TFontDialog::fdApplyButton;
    FontDialog1->MinFontSize = 14;
    FontDialog1->MaxFontSize = 7;
    FontDialog1->Font = FormFont("MS Sans Serif", 11, QFont::SansSerif);
}

void TForm1::ConnectHandlers()
{
    const std::pair<QToolButton*, void (TForm1::*)()> buttons[] = {
        {ToolButton1, &TForm1::ToolButton1Click}, {ToolButton2, &TForm1::ToolButton2Click},
        {ToolButton3, &TForm1::ToolButton3Click}, {ToolButton4, &TForm1::ToolButton4Click},
        {ToolButton5, &TForm1::ToolButton5Click}, {ToolButton6, &TForm1::ToolButton6Click},
        {ToolButton7, &TForm1::ToolButton7Click}, {ToolButton8, &TForm1::ToolButton8Click},
        {ToolButton9, &TForm1::ToolButton9Click}, {ToolButton10, &TForm1::ToolButton10Click},
    };
    for (const auto& [button, handler] : buttons)
        connect(button, &QToolButton::clicked, this, handler);

    const std::pair<QAction*, void (TForm1::*)()> items[] = {
        {Open1, &TForm1::Open1Click},
        {New1, &TForm1::New1Click},
        {Save1, &TForm1::Save1Click},
        {CloseCurrent1, &TForm1::CloseCurrent1Click},
        {Exit1, &TForm1::Exit1Click},
        {AddColumn1, &TForm1::AddColumn1Click},
        {ClearColumn1, &TForm1::ClearColumn1Click},
        {FillExistingColumnwithValues1, &TForm1::FillExistingColumnwithValues1Click},
        {AddRowSameAsPrevious1, &TForm1::AddRowSameAsPrevious1Click},
        {AddRowSameasSelected1, &TForm1::AddRowSameasSelected1Click},
        {AddRow1, &TForm1::AddRow1Click},
        {Search1, &TForm1::Search1Click},
        {Font1, &TForm1::Font1Click},
        {About1, &TForm1::About1Click},
    };
    for (const auto& [action, handler] : items)
        connect(action, &QAction::triggered, this, handler);

    connect(StringGrid1, &TStringGrid::currentCellSet, this, [this](int, int) { StringGrid1Click(); });
    connect(StringGrid1, &TStringGrid::keyDown, this, &TForm1::StringGrid1KeyDown);
    connect(StringGrid1, &TStringGrid::editTextRequested, this, &TForm1::StringGrid1GetEditText);
    connect(StringGrid1, &TStringGrid::editTextChanged, this, &TForm1::StringGrid1SetEditText);
    StringGrid1->SetDrawCellHook([this](QPainter& canvas, int col, int row, const QRect& rect) {
        StringGrid1DrawCell(canvas, col, row, rect);
    });
}
