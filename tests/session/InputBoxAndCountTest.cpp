// The input box that asks for a count, and reading the count typed into it.
#include "DialogAnswers.h"
#include "mainwindow/TextToIntOrZero.h"
#include "platform/ModalSeam.h"
#include "platform/TInputBox.h"

#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

struct CountCase {
    const char* name;
    QString text;
    int value;
};

class TextToIntOrZeroTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(TextToIntOrZeroTest, ReadsTheText)
{
    EXPECT_EQ(TextToIntOrZero(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextToIntOrZeroTest,
                         ::testing::Values(CountCase{"Plain", "5", 5}, CountCase{"Largest", "999", 999},
                                           CountCase{"Negative", "-3", -3}, CountCase{"Plus", "+7", 7},
                                           CountCase{"Blanks", "  12 ", 12}, CountCase{"Empty", "", 0},
                                           CountCase{"Letters", "abc", 0}, CountCase{"Trailing", "12a", 0},
                                           CountCase{"Inner", "1 2", 0}, CountCase{"Signs", "+-1", 0},
                                           CountCase{"Fraction", "1.5", 0},
                                           CountCase{"Max", "2147483647", 2147483647},
                                           CountCase{"TooLarge", "2147483648", 0},
                                           CountCase{"TooSmall", "-2147483649", 0},
                                           CountCase{"NonAsciiDigits", "\u0661\u0662", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InputBoxTest, GivesTheTypedTextOnOkAndTheDefaultOtherwise)
{
    {
        ScopedModalHandler handler([](QDialog& box) {
            EXPECT_EQ(box.windowTitle(), "How many?");
            EXPECT_EQ(box.findChild<QLabel*>("Prompt")->text(), "Count:");
            QLineEdit* edit = box.findChild<QLineEdit*>("Edit");
            EXPECT_EQ(edit->text(), "0");
            edit->setText("42");
            PressButton(box, "OK");
            return box.result();
        });
        EXPECT_EQ(InputBox("How many?", "Count:", "0"), "42");
    }
    ScopedModalHandler cancel([](QDialog& box) {
        box.findChild<QLineEdit*>("Edit")->setText("42");
        PressButton(box, "Cancel");
        return box.result();
    });
    EXPECT_EQ(InputBox("How many?", "Count:", "0"), "0");
}

} // namespace
