#include "platform/ModalSeam.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// A dialog whose buttons end it through its own handlers, as the program's dialogs do.
class ThreeButtonDialog : public QDialog {
public:
    ThreeButtonDialog()
    {
        auto* layout = new QHBoxLayout(this);
        for (const auto& [text, code] : {std::pair{"OK", int(Accepted)}, std::pair{"Retry", 7}, std::pair{"Cancel", int(Rejected)}}) {
            auto* button = new QPushButton(text, this);
            layout->addWidget(button);
            connect(button, &QPushButton::clicked, this, [this, text = QString(text), code = code] {
                pressed = text;
                done(code);
            });
        }
    }
    QString pressed;
};

ModalHandler Press(const QString& text)
{
    return [text](QDialog& dialog) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == text)
                button->click();
        }
        return dialog.result();
    };
}

} // namespace

TEST(ModalSeamTest, AHandlerAnswersThroughTheDialogsRealButtons)
{
    ThreeButtonDialog dialog;
    ScopedModalHandler answer(Press("Retry"));
    EXPECT_EQ(ExecModal(dialog), 7);
    EXPECT_EQ(dialog.pressed, "Retry");
}

TEST(ModalSeamTest, HandlersNestAndTheOuterOneComesBack)
{
    ThreeButtonDialog dialog;
    ScopedModalHandler outer(Press("OK"));
    {
        ScopedModalHandler inner(Press("Cancel"));
        EXPECT_EQ(ExecModal(dialog), QDialog::Rejected);
        EXPECT_EQ(dialog.pressed, "Cancel");
    }
    EXPECT_EQ(ExecModal(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.pressed, "OK");
}
