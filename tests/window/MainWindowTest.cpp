// The main window: its layout, start-up checks, change light, busy periods, tools, menus,
// their failures, and F9.
#include "support/FormHarness.h"

#include "dialogs/UnitBetaDialog.h"
#include "dialogs/UnitMessageBoxCDF.h"
#include "platform/ScreenCursor.h"
#include "platform/TImage.h"
#include "platform/TPanel.h"
#include "platform/TShape.h"
#include "platform/TStatusBar.h"
#include "platform/TStringGrid.h"

#include <QApplication>
#include <QAction>
#include <QFontMetrics>
#include <QMenuBar>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <functional>

namespace {

struct Placed {
    const char* name;
    QRect geometry;
};

class WorkedExample : public ::testing::TestWithParam<Placed> {};

TEST_P(WorkedExample, PlacesTheControlForAnEightHundredBySixHundredClientArea)
{
    FormHarness form(false);
    // The example assumes the title's design width; a stand-in face may make it wider.
    form->Label1->resize(353, form->Label1->height());
    form->ClientArea->resize(800, 600);
    form->FormResize();
    const auto* control = form->findChild<QWidget*>(GetParam().name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), GetParam().geometry);
}

INSTANTIATE_TEST_SUITE_P(Layout, WorkedExample, ::testing::Values(
    Placed{"StringGrid1", {3, 34, 792, 353}}, Placed{"RichEdit1", {3, 397, 392, 125}},
    Placed{"RichEdit2", {397, 397, 399, 125}}, Placed{"Shape4", {396, 397, 1, 125}},
    Placed{"Shape5", {3, 522, 792, 9}}, Placed{"Shape6", {3, 396, 791, 1}},
    Placed{"Shape7", {3, 523, 791, 1}}, Placed{"Label3", {647, 532, 145, 17}},
    Placed{"Shape1", {8, 532, 14, 18}}, Placed{"Shape2", {3, 531, 25, 21}},
    Placed{"Shape3", {23, 531, 772, 21}}, Placed{"StatusBar2", {1, 574, 798, 26}},
    Placed{"Panel1", {1, -1, 799, 574}}, Placed{"Image1", {0, 32, 799, 565}},
    Placed{"Label1", {223, 275, 353, 300}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Layout, LeavesEveryControlInPlaceAtOrBelowThreeHundredSeventyFive)
{
    for (const QSize outer : {QSize(375, 600), QSize(600, 375)}) {
        FormHarness form(false);
        const QRect before = form->StringGrid1->geometry();
        form->resize(outer);
        form->ClientArea->resize(800, 600);
        form->FormResize();
        EXPECT_EQ(form->StringGrid1->geometry(), before);
    }
    FormHarness form(false);
    form->resize(376, 376);
    form->ClientArea->resize(800, 600);
    form->FormResize();
    EXPECT_EQ(form->StringGrid1->geometry(), QRect(3, 34, 792, 353));
}

TEST(Layout, TheTitleShowsItsWholeCaptionCentredInTheFontInUse)
{
    FormHarness form(false);
    const QLabel& title = *form->Label1;
    const QFontMetrics metrics(title.font());
    EXPECT_GE(title.width(), 353);
    EXPECT_GE(title.width(), metrics.horizontalAdvance(title.text()));
    EXPECT_GE(title.width(), metrics.boundingRect(title.text()).right() + 1);
    form->ClientArea->resize(800, 600);
    form->FormResize();
    EXPECT_EQ(title.x(), (800 - title.width()) / 2);
    EXPECT_EQ(title.y(), 275);
}

TEST(Layout, KeepsTheStatusPanelWidths)
{
    FormHarness form(false);
    const int panel1 = form->StatusBar2->PanelWidth(1);
    form->ClientArea->resize(800, 600);
    form->FormResize();
    EXPECT_EQ(form->StatusBar2->PanelWidth(0), 50);
    EXPECT_EQ(form->StatusBar2->PanelWidth(1), panel1);
    EXPECT_EQ(panel1, (form->width() / 5) * 2 - 5);
}

// Shows the window with the facts given, answering the one message box when a check fails.
void ShowWith(FormHarness& form, bool expectMessage)
{
    if (expectMessage) {
        DialogScript script{"OKBtn"};
        form->show();
    } else {
        form->show();
    }
}

struct DriveCase {
    int drive;
    bool starts;
};

class StartupDrive : public ::testing::TestWithParam<DriveCase> {};

TEST_P(StartupDrive, RefusesEveryDriveButRemovableFixedAndRemote)
{
    FakeFacts facts;
    facts.driveType = GetParam().drive;
    FormHarness form(false, facts);
    ShowWith(form, !GetParam().starts);
    EXPECT_EQ(form->isVisible(), GetParam().starts);
    if (!GetParam().starts) {
        ASSERT_EQ(ShownMessages().size(), 1u);
        EXPECT_EQ(ShownMessages()[0].title, "Problem");
        EXPECT_EQ(ShownMessages()[0].text, "You are attempting to run the program from a CDROM-DISK.  Please move "
                                           "the program to a hard drive directory and re-run it. ");
    }
}

INSTANTIATE_TEST_SUITE_P(Startup, StartupDrive, ::testing::Values(
    DriveCase{DRIVE_UNKNOWN, false}, DriveCase{DRIVE_NO_ROOT_DIR, false}, DriveCase{DRIVE_CDROM, false},
    DriveCase{DRIVE_RAMDISK, false}, DriveCase{DRIVE_REMOVABLE, true}, DriveCase{DRIVE_FIXED, true},
    DriveCase{DRIVE_REMOTE, true}));

struct FailingStart {
    const char* name;
    int osMajorVersion;
    bool failOsVersion;
    bool memoryReadable;
    const char* message;
};

class StartupRefusal : public ::testing::TestWithParam<FailingStart> {};

TEST_P(StartupRefusal, ShowsItsMessageAndClosesTheWindow)
{
    FakeFacts facts;
    facts.osMajorVersion = GetParam().osMajorVersion;
    facts.failOsVersion = GetParam().failOsVersion;
    facts.memoryReadable = GetParam().memoryReadable;
    FormHarness form(false, facts);
    ShowWith(form, true);
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].title, "Problem");
    EXPECT_EQ(ShownMessages()[0].text, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Startup, StartupRefusal, ::testing::Values(
    FailingStart{"VersionFour", 4, false, true,
                 "This program is for Windows 2000, Windows XP, or greater Operating Systems only!"},
    FailingStart{"ChecksFail", 6, true, true, "Could not initialize program."},
    FailingStart{"MemoryUnreadable", 5, false, false,
                 "Your machine does not have enough memory to run this program efficiently . Program will end."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Startup, RunsTheChecksAgainWhenTheFindDialogHandsBackTheFocus)
{
    FormHarness form;
    EXPECT_TRUE(form->isVisible());
    form.Facts().driveType = DRIVE_CDROM;
    {
        DialogScript script{"OKBtn"};
        form->FindDialogActivatedMainWindow();
    }
    EXPECT_FALSE(form->isVisible());
}

struct MemoryCase {
    const char* name;
    MemoryStatus status;
    bool enough;
};

class Memory : public ::testing::TestWithParam<MemoryCase> {};

// Figures in the order TotalPhys, AvailPhys, AvailPageFile, AvailVirtual.
TEST_P(Memory, NeedsEveryFigureAtItsThreshold)
{
    FakeFacts facts;
    facts.memory = GetParam().status;
    FormHarness form(false, facts);
    EXPECT_EQ(form->HasEnoughMemory(), GetParam().enough);
}

INSTANTIATE_TEST_SUITE_P(Startup, Memory, ::testing::Values(
    MemoryCase{"AllAtThreshold", {100'000'000, 5'000'000, 100'000'000, 100'000'000}, true},
    MemoryCase{"TotalBelow", {99'999'999, 5'000'000, 100'000'000, 100'000'000}, false},
    MemoryCase{"PhysicalBelow", {100'000'000, 4'999'999, 100'000'000, 100'000'000}, false},
    MemoryCase{"PageFileBelow", {100'000'000, 5'000'000, 99'999'999, 100'000'000}, false},
    MemoryCase{"VirtualBelow", {100'000'000, 5'000'000, 100'000'000, 99'999'999}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(State, AfterCreationOnlyTheBackgroundTitleAndToolsShow)
{
    FormHarness form;
    EXPECT_EQ(form->windowTitle(), "File viewer/editor for comma delimited data in '.csv' file format");
    for (QWidget* hidden : std::initializer_list<QWidget*>{form->StringGrid1, form->StatusBar2, form->Shape1,
                                                           form->Shape2, form->Shape3, form->Panel1, form->Label3})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    EXPECT_TRUE(form->Image1->isVisible());
    EXPECT_TRUE(form->Label1->isVisible());
    EXPECT_EQ(form->Shape1->BrushColor(), kLightGreen);
    EXPECT_EQ(form->Shape1->y(), form->Label3->y());
}

TEST(State, ChangeLightTakesAColourOrKeepsItsOwn)
{
    FormHarness form;
    form->MarkModified();
    EXPECT_TRUE(form->Modified);
    form->SetChangeLight(true, 0);
    EXPECT_TRUE(form->Shape1->isVisible());
    EXPECT_EQ(form->Shape1->BrushColor(), kLightYellow);
    form->SetChangeLight(true, kLightGreen);
    EXPECT_EQ(form->Shape1->BrushColor(), kLightGreen);
}

TEST(State, OnlyTheOutermostBusyPeriodRestoresTheCursor)
{
    FormHarness form;
    ASSERT_EQ(ScreenCursor(), crDefault);
    form->BeginBusy(ScreenCursor());
    form->BeginBusy(ScreenCursor());
    form->EndBusy();
    EXPECT_EQ(ScreenCursor(), crHourGlass);
    form->EndBusy();
    EXPECT_EQ(ScreenCursor(), crDefault);
}

TEST(State, EditToolsLeaveOpenAndNewProjectAlone)
{
    FormHarness form;
    form->ToolButton1->setEnabled(false);
    form->EnableEditTools(true);
    EXPECT_FALSE(form->ToolButton1->isEnabled());
    EXPECT_TRUE(form->ToolButton9->isEnabled());
    for (QToolButton* b : {form->ToolButton2, form->ToolButton3, form->ToolButton4, form->ToolButton5,
                           form->ToolButton6, form->ToolButton7, form->ToolButton8, form->ToolButton10})
        EXPECT_TRUE(b->isEnabled());
}

TEST(State, MenusLeaveOpenNewExitAboutAndImportAlone)
{
    FormHarness form;
    form->EnableMenus(true);
    EXPECT_FALSE(form->Import1->menuAction()->isEnabled());
    EXPECT_TRUE(form->Search1->isEnabled());
    EXPECT_TRUE(form->Font1->isEnabled());
    form->EnableMenus(false);
    for (QAction* stays : {form->Open1, form->New1, form->Exit1, form->About1})
        EXPECT_TRUE(stays->isEnabled());
    for (QAction* off : {form->Save1, form->CloseCurrent1, form->AddColumn1, form->N2, form->Font1})
        EXPECT_FALSE(off->isEnabled());
}

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool gridHasFocus;
    bool sentToTheWindow;  // as when the focused control passes the key on unhandled
    bool showsBetaDialog;
};

class Keys : public ::testing::TestWithParam<KeyCase> {};

// The release goes to the focused control, as a real key does, or straight to the window,
// as when that control leaves it unhandled.
TEST_P(Keys, F9ShowsTheBetaDialogOnlyWhileNoControlHasTheFocus)
{
    FormHarness form;
    if (GetParam().gridHasFocus) {
        // A small table, so that the grid's in-place editor is there to take the focus.
        form->StringGrid1->SetColCount(3);
        form->StringGrid1->SetRowCount(3);
        form->StringGrid1->SetFixedCols(1);
        form->StringGrid1->SetFixedRows(1);
        form->StringGrid1->show();
        QApplication::setActiveWindow(&form.Form());
        form->StringGrid1->setFocus();
        QWidget* focused = form->focusWidget();
        ASSERT_TRUE(focused == form->StringGrid1 || form->StringGrid1->isAncestorOf(focused));
    }
    QWidget* target = form->focusWidget() && !GetParam().sentToTheWindow ? form->focusWidget() : &form.Form();
    std::vector<QString> shown;
    {
        ScopedModalHandler answer([&](QDialog& dialog) {
            if (auto* beta = qobject_cast<TOKHelpRightDlg1*>(&dialog))
                shown = {beta->Label1->text(), beta->Label2->text()};
            return PressButton(dialog, "OKBtn");
        });
        QKeyEvent release(QEvent::KeyRelease, GetParam().key, GetParam().modifiers);
        QApplication::sendEvent(target, &release);
    }
    if (GetParam().showsBetaDialog) {
        EXPECT_EQ(shown, (std::vector<QString>{"No problem found ...",
                                                "You have pressed the Beta-Test-Information dialog test key (F9)"}));
    } else {
        EXPECT_TRUE(shown.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Window, Keys, ::testing::Values(
    KeyCase{"F9", Qt::Key_F9, Qt::NoModifier, false, true, true},
    KeyCase{"ShiftF9", Qt::Key_F9, Qt::ShiftModifier, false, true, true},
    KeyCase{"CtrlAltF9", Qt::Key_F9, Qt::ControlModifier | Qt::AltModifier, false, true, true},
    KeyCase{"F8", Qt::Key_F8, Qt::NoModifier, false, true, false},
    KeyCase{"F9InTheGrid", Qt::Key_F9, Qt::NoModifier, true, false, false},
    KeyCase{"ShiftF9InTheGrid", Qt::Key_F9, Qt::ShiftModifier, true, false, false},
    KeyCase{"F9PassedOnByTheGrid", Qt::Key_F9, Qt::NoModifier, true, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct FocusBackCase {
    const char* name;
    std::function<void(TForm1&)> handBack;
};

class FocusBack : public ::testing::TestWithParam<FocusBackCase> {};

// The checks would now refuse the current directory: a run of them would show its message
// (an unscripted dialog) and close the window.
TEST_P(FocusBack, DoesNotRunTheStartupChecksAgain)
{
    FormHarness form;
    ASSERT_TRUE(form->isVisible());
    form.Facts().driveType = DRIVE_CDROM;
    GetParam().handBack(form.Form());
    EXPECT_TRUE(form->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Startup, FocusBack, ::testing::Values(
    FocusBackCase{"AboutDialogCloses", [](TForm1& form) {
        DialogScript script{"OKBtn"};
        form.About1->trigger();
        EXPECT_EQ(script.Shown(), std::vector<QString>{"TOKBottomDlg"});
    }},
    FocusBackCase{"MessageBoxCloses", [](TForm1&) {
        DialogScript script{"OKBtn"};
        ShowProblem("Note", "A note.");
    }},
    FocusBackCase{"AnotherProgramHandsBack", [](TForm1& form) {
        QEvent deactivate(QEvent::WindowDeactivate), activate(QEvent::WindowActivate);
        QApplication::sendEvent(&form, &deactivate);
        QApplication::sendEvent(&form, &activate);
    }},
    FocusBackCase{"RestoredAfterHiding", [](TForm1& form) {
        form.hide();
        form.show();
    }}),
    [](const auto& info) { return std::string(info.param.name); });

// Puts a component back when the test that took it away ends.
template <typename T>
class Removed {
public:
    explicit Removed(T*& field)
        : field_(field), saved_(field)
    {
        field = nullptr;
    }
    ~Removed() { field_ = saved_; }

private:
    T*& field_;
    T* saved_;
};

TEST(Failure, ChangeLightReportsAndTheProgramGoesOn)
{
    FormHarness form;
    bool terminated = false;
    form->TerminateApplication = [&] { terminated = true; };
    {
        Removed<TShape> gone(form->Shape2);
        DialogScript script{"OKBtn"};
        form->SetChangeLight(true, kLightYellow);
    }
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].title, "Problem");
    EXPECT_EQ(ShownMessages()[0].text, "Problem with setup of change-light");
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(terminated);
}

// The yellow light would make a close of the window ask to save: termination does not.
TEST(Failure, EditToolsReportThenEndTheProgramWithoutTheCloseQuestion)
{
    FormHarness form;
    form->MarkModified();
    int terminations = 0;
    form->TerminateApplication = [&] { ++terminations; };
    {
        Removed<QToolButton> gone(form->ToolButton6);
        DialogScript script{"OKBtn"};
        form->EnableEditTools(true);
    }
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].title, "Problem");
    EXPECT_EQ(ShownMessages()[0].text, "Problem with setup of toolbuttons");
    EXPECT_EQ(terminations, 1);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->ToolButton5->isEnabled()) << "switched before the failure";
    EXPECT_FALSE(form->ToolButton7->isEnabled()) << "not reached";
}

// A top-level item without sub-items before "Format" stops the rule there, silently.
TEST(Failure, MenusStopSilentlyAndLeaveTheItemsNotReached)
{
    FormHarness form;
    auto* bare = new QAction("Bare", form->MainMenu1);
    form->MainMenu1->insertAction(form->Format1->menuAction(), bare);
    form->EnableMenus(true);
    EXPECT_TRUE(form->Save1->isEnabled());
    EXPECT_TRUE(form->Search1->isEnabled());
    EXPECT_FALSE(form->Font1->isEnabled());
    EXPECT_TRUE(ShownMessages().empty());
}

} // namespace
