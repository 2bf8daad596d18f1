// The main window's construction, its state and the display operations every subsystem
// shares, and the start-up checks that run on activation.
#include "mainwindow/unitADIF_Form1.h"

#include "engine/TCommaFile.h"
#include "dialogs/UnitAboutColvane.h"
#include "dialogs/UnitBetaDialog.h"
#include "dialogs/UnitMessageBoxCDF.h"
#include "platform/ModalSeam.h"
#include "platform/ScreenCursor.h"
#include "platform/TPanel.h"
#include "platform/TShape.h"
#include "platform/TSourceView.h"
#include "platform/TStatusBar.h"
#include "platform/TStringGrid.h"
#include "platform/VirtualKeys.h"
#include "platform/system/SystemFacts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <stdexcept>

namespace {

constexpr int kVkF9 = 120;

// A component that is missing is a failure of the operation that needs it.
template <typename T>
T* Require(T* component)
{
    if (!component)
        throw std::logic_error("component missing");
    return component;
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent)
{
    CreateDesign();
    ConnectHandlers();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    try {
        CommaFile = std::make_unique<TCommaFile>();
        FileOpen = false;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QSize outer = frameGeometry().size();
            const QRect area = screen->geometry();
            move((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2);
        }
        Require(StatusBar2)->SetPanelWidth(1, (width() / 5) * 2 - 5);
        setWindowTitle("File viewer/editor for comma delimited data in '.csv' file format");
        CreateTableViewsHidden();
        SetChangeLight(false, 0);
        EnableEditTools(false);
        Require(Shape1)->move(Shape1->x(), Require(Label3)->y());
        Require(Shape2)->move(Shape2->x(), Label3->y() - 1);
    } catch (...) {
        // A window that could not be set up completely is shown as far as it got.
    }
}

// The grid starts empty and, like the other table views, hidden until a table is shown.
void TForm1::CreateTableViewsHidden()
{
    Require(StringGrid1)->SetColCount(0);
    StringGrid1->SetRowCount(0);
    for (QWidget* view : std::initializer_list<QWidget*>{StringGrid1, RichEdit2, Shape4, Shape5, Shape6,
                                                         Shape7, StatusBar2, RichEdit1, Panel1})
        Require(view)->hide();
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!activatedOnce_) {
        activatedOnce_ = true;
        FormActivate();
    }
}

void TForm1::FindDialogActivatedMainWindow()
{
    FormActivate();
}

void TForm1::FormActivate()
{
    try {
        FormResize();
        if (!RunStartupChecks())
            close();
    } catch (...) {
        ShowProblem("Problem", "Could not initialize program.");
        close();
    }
}

// The drive of the current directory, the system's version and its memory; false after
// the message of the first check that fails.
bool TForm1::RunStartupChecks()
{
    const int majorVersion = Facts().OsMajorVersion();
    const int drive = Facts().GetDriveTypeOfCurrentDirectory();
    if (drive != DRIVE_REMOVABLE && drive != DRIVE_FIXED && drive != DRIVE_REMOTE) {
        ShowProblem("Problem", "You are attempting to run the program from a CDROM-DISK.  Please move "
                               "the program to a hard drive directory and re-run it. ");
        return false;
    }
    if (majorVersion >= 5) {
        if (HasEnoughMemory())
            return true;
        ShowProblem("Problem", "Your machine does not have enough memory to run this program "
                               "efficiently . Program will end.");
        return false;
    }
    ShowProblem("Problem", "This program is for Windows 2000, Windows XP, or greater Operating Systems only!");
    return false;
}

bool TForm1::HasEnoughMemory()
{
    MemoryStatus status;
    if (!Facts().GlobalMemoryStatus(status))
        return false;
    return status.AvailVirtual >= 100'000'000 && status.AvailPhys >= 5'000'000
        && status.AvailPageFile >= 100'000'000 && status.TotalPhys >= 100'000'000;
}

void TForm1::MarkModified()
{
    try {
        Modified = true;
        Require(Shape1)->SetBrushColor(kLightYellow);
        Require(RichEdit1)->setPlainText("Statistics refreshed on reload");
        RichEdit1->repaint();
        Require(RichEdit2)->Clear();
    } catch (...) {
    }
}

void TForm1::SetChangeLight(bool visible, TColor colour)
{
    try {
        Require(Shape1)->setVisible(visible);
        Require(Shape2)->setVisible(visible);
        Require(Shape3)->setVisible(visible);
        if (colour != 0)
            Shape1->SetBrushColor(colour);
        Shape1->repaint();
    } catch (...) {
        ShowProblem("Problem", "Problem with setup of change-light");
    }
}

void TForm1::ShowProgress(const QString& text)
{
    try {
        Require(Panel1)->SetCaption(text);
        Panel1->show();
        Panel1->raise();
        // Painted now: the long operation that follows keeps the event loop from painting.
        Panel1->repaint();
        Panel1->repaint();
    } catch (...) {
    }
}

// Only the outermost busy period remembers and restores the cursor, so that an inner
// period cannot leave the hour-glass behind.
void TForm1::BeginBusy(int cursor)
{
    if (busyDepth_++ == 0)
        cursorBeforeBusy_ = cursor;
    SetScreenCursor(crHourGlass);
}

void TForm1::EndBusy()
{
    if (busyDepth_ > 0)
        --busyDepth_;
    if (busyDepth_ == 0)
        SetScreenCursor(cursorBeforeBusy_);
}

void TForm1::EnableEditTools(bool enabled)
{
    try {
        for (QToolButton* button : {ToolButton2, ToolButton3, ToolButton4, ToolButton5, ToolButton6,
                                    ToolButton7, ToolButton8, ToolButton10})
            Require(button)->setEnabled(enabled);
    } catch (...) {
        ShowProblem("Problem", "Problem with setup of toolbuttons");
        TerminateApplication();
    }
}

// The event loop ends when it next looks at its queue; the window is not closed, so the
// close query does not run. (Quitting the application instead would close every window.)
void TForm1::DefaultTerminateApplication()
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

// Every sub-item of every top-level item, except Open, New and Exit of the File menu and
// everything under About; the top-level items themselves stay as they are.
void TForm1::EnableMenus(bool enabled)
{
    try {
        const QList<QAction*> topLevel = Require(MainMenu1)->actions();
        for (int i = 0; i < topLevel.size(); ++i) {
            const QMenu* menu = Require(topLevel[i]->menu());
            const QList<QAction*> items = menu->actions();
            for (int j = 0; j < items.size(); ++j) {
                const bool leftAlone = (i == 0 && (j == 0 || j == 1 || j == 4)) || i == 4;
                if (!leftAlone)
                    items[j]->setEnabled(enabled);
            }
        }
    } catch (...) {
    }
}

void TForm1::About1Click()
{
    try {
        TOKBottomDlg dialog(this);
        ExecModal(dialog);
    } catch (...) {
    }
}

void TForm1::FormKeyUp(int key, Qt::KeyboardModifiers)
{
    if (key != kVkF9)
        return;
    try {
        ShowBetaInfo(this, "No problem found ...",
                     "You have pressed the Beta-Test-Information dialog test key (F9)");
    } catch (...) {
    }
}

// The window does not preview its controls' keys: it sees a key only while none of them
// has the focus.
void TForm1::keyReleaseEvent(QKeyEvent* event)
{
    if (ControlHasFocus() || event->isAutoRepeat()) {
        QMainWindow::keyReleaseEvent(event);
        return;
    }
    FormKeyUp(VirtualKeyCode(event->key(), event->modifiers()), event->modifiers());
}

bool TForm1::ControlHasFocus() const
{
    const QWidget* focused = focusWidget();
    return focused && focused != this;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    bool canClose = true;
    FormCloseQuery(canClose);
    if (!canClose) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ClientArea && event->type() == QEvent::Resize) {
        AlignToolBar();
        FormResize();
    }
    return QMainWindow::eventFilter(watched, event);
}

// The tool bar is aligned to the top edge of the client area.
void TForm1::AlignToolBar()
{
    ToolBar1->setGeometry(0, ToolBar1->y(), ClientArea->width(), ToolBar1->height());
}
