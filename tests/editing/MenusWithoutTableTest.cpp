// The Edit menu's commands whose tool buttons are disabled while no table is shown: each
// asks for a file first and changes nothing.
#include "opening/WindowSteps.h"

#include <QAction>

namespace {

struct MenuCase {
    const char* name;
    QAction* TForm1::*item;
    const char* message;
};

class MenusWithoutTableTest : public ::testing::TestWithParam<MenuCase> {};

TEST_P(MenusWithoutTableTest, AskForAFileFirst)
{
    FormHarness form;
    QAction* item = form.Form().*GetParam().item;
    {
        DialogSteps steps{Press("OKBtn")};
        item->setEnabled(true);
        item->trigger();
    }
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].title, "Problem");
    EXPECT_EQ(ShownMessages()[0].text, GetParam().message);
    EXPECT_FALSE(form->FileOpen);
    EXPECT_FALSE(form->Modified);
}

INSTANTIATE_TEST_SUITE_P(Items, MenusWithoutTableTest, ::testing::Values(
    MenuCase{"AddColumn", &TForm1::AddColumn1, "First, you must open a file to edit!"},
    MenuCase{"ClearColumn", &TForm1::ClearColumn1, "First, you must open a file to edit!"},
    MenuCase{"AddRow", &TForm1::AddRow1, "You must open a file first!"},
    MenuCase{"AddRowSameAsPrevious", &TForm1::AddRowSameAsPrevious1, "You must open a file first!"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
