// The main window: its layout, start-up checks, change light, busy periods, tools, menus, F9.
#include "support/FormHarness.h"

#include "dialogs/UnitBetaDialog.h"
#include "platform/ScreenCursor.h"
#include "platform/TImage.h"
#include "platform/TPanel.h"
#include "platform/TShape.h"
#include "platform/TStatusBar.h"
#include "platform/TStringGrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace {

struct Placed {
    const char* name;
    QRect geometry;
};

class WorkedExample : public ::testing::TestWithParam<Placed> {};

TEST_P(WorkedExample, PlacesTheControlForAnEightHundredBySixHundredClientArea)
{
    FormHarness form(false);
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

TEST(Keys, ShiftF9OverTheWindowShowsTheBetaDialog)
{
    FormHarness form;
    QString problem;
    {
        ScopedModalHandler answer([&](QDialog& dialog) {
            if (auto* beta = qobject_cast<TOKHelpRightDlg1*>(&dialog))
                problem = beta->Label1->text();
            return PressButton(dialog, "OKBtn");
        });
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_F9, Qt::ShiftModifier);
        QApplication::sendEvent(&form.Form(), &release);
    }
    EXPECT_EQ(problem, "No problem found ...");
}

} // namespace
