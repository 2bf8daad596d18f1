#include "dialogs/OKCANCL2.h"
#include "dialogs/UnitMessageBoxCDF.h"
#include "platform/ModalSeam.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct SeenBox {
    QString caption, title, text;
    QRect labelGeometry, messageGeometry, okGeometry;
    QSize size;
    bool okIsDefault = false;
    bool messageWraps = false;
    QPointer<QDialog> dialog;
};

// Answers the message box by pressing its OK button, after noting what it showed.
int PressOk(QDialog& dialog, std::vector<SeenBox>& seen)
{
    auto* box = qobject_cast<TMessageBoxCDF*>(&dialog);
    EXPECT_NE(box, nullptr) << dialog.metaObject()->className();
    if (!box)
        return QDialog::Rejected;
    SeenBox s;
    s.caption = box->windowTitle();
    s.title = box->findChild<QLabel*>("Label1")->text();
    s.text = box->findChild<QLabel*>("lblMessage")->text();
    s.labelGeometry = box->Label1->geometry();
    s.messageGeometry = box->lblMessage->geometry();
    s.okGeometry = box->OKBtn->geometry();
    s.size = box->size();
    s.okIsDefault = box->OKBtn->isDefault();
    s.messageWraps = box->lblMessage->wordWrap();
    s.dialog = box;
    seen.push_back(s);
    box->findChild<QPushButton*>("OKBtn")->click();
    return box->result();
}

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override { ClearShownMessages(); }
};

TEST_F(MessageBoxTest, ShowProblemShowsCaptionTitleAndTextInTheDesign)
{
    std::vector<SeenBox> seen;
    {
        ScopedModalHandler answer([&](QDialog& d) { return PressOk(d, seen); });
        ShowProblem("Problem", "Could not open the file.\r\nTry again.");
    }
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, "Colvane!");
    EXPECT_EQ(seen[0].title, "Problem");
    EXPECT_EQ(seen[0].text, "Could not open the file.\nTry again.");
    EXPECT_EQ(seen[0].size, QSize(313, 201));
    EXPECT_EQ(seen[0].labelGeometry, QRect(16, 16, 265, 25));
    EXPECT_EQ(seen[0].messageGeometry, QRect(16, 56, 281, 89));
    EXPECT_EQ(seen[0].okGeometry, QRect(119, 172, 75, 25));
    EXPECT_TRUE(seen[0].okIsDefault);
    EXPECT_TRUE(seen[0].messageWraps);
    EXPECT_TRUE(seen[0].dialog.isNull()) << "the box is destroyed after it closed";

    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].title, "Problem");
    EXPECT_EQ(ShownMessages()[0].text, "Could not open the file.\r\nTry again.");
}

TEST_F(MessageBoxTest, TwoProblemsShowTwoSeparateBoxesEmptyTextsIncluded)
{
    std::vector<SeenBox> seen;
    {
        ScopedModalHandler answer([&](QDialog& d) {
            // The box of the first call is gone before the second is created.
            if (!seen.empty()) {
                EXPECT_TRUE(seen.back().dialog.isNull());
            }
            return PressOk(d, seen);
        });
        ShowProblem("", "");
        ShowProblem("Note", "<b>not markup</b>");
    }
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].title, "");
    EXPECT_EQ(seen[0].text, "");
    EXPECT_EQ(seen[1].title, "Note");
    EXPECT_EQ(seen[1].text, "<b>not markup</b>");
    EXPECT_EQ(ShownMessages().size(), 2u);
}

TEST_F(MessageBoxTest, ClosingTheBoxOtherwiseAlsoEndsIt)
{
    QPointer<QDialog> shown;
    {
        ScopedModalHandler answer([&](QDialog& d) {
            shown = &d;
            QCloseEvent close;
            QApplication::sendEvent(&d, &close);
            return d.result();
        });
        ShowProblem("Warning", "closed with the close box");
    }
    EXPECT_TRUE(shown.isNull());
    EXPECT_EQ(ShownMessages().back().title, "Warning");
}

TEST_F(MessageBoxTest, TheBoxBelongsToTheMainWindow)
{
    QMainWindow window;
    QWidget* owner = nullptr;
    {
        ScopedModalHandler answer([&](QDialog& d) {
            owner = d.parentWidget();
            d.findChild<QPushButton*>("OKBtn")->click();
            return d.result();
        });
        ShowProblem("Problem", "owned");
    }
    EXPECT_EQ(owner, &window);
}

TEST_F(MessageBoxTest, ABoxLeftByAFailedShowIsReusedAndCanBeDestroyed)
{
    std::vector<QPointer<QDialog>> shown;
    {
        ScopedModalHandler answer([&](QDialog& d) -> int {
            shown.push_back(&d);
            if (shown.size() == 1)
                throw std::runtime_error("cannot show");
            EXPECT_EQ(static_cast<TMessageBoxCDF&>(d).Label1->text(), "Second");
            d.findChild<QPushButton*>("OKBtn")->click();
            return d.result();
        });
        ShowProblem("First", "fails");  // the failure is swallowed
        ASSERT_FALSE(shown[0].isNull()) << "the box stays held";
        ShowProblem("Second", "reuses the box");
    }
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], shown[1]);
    EXPECT_TRUE(shown[1].isNull());

    {
        ScopedModalHandler fail([&](QDialog& d) -> int {
            shown.push_back(&d);
            throw std::runtime_error("cannot show");
        });
        ShowProblem("Third", "held again");
    }
    ASSERT_FALSE(shown.back().isNull());
    DestroyHeldMessageBox();
    EXPECT_TRUE(shown.back().isNull());
}

enum class Answer { Yes, No, Escape, CloseBox, NothingPressed };

struct ConfirmCase {
    Answer answer;
    bool expected;
};

class ConfirmYesNoTest : public ::testing::TestWithParam<ConfirmCase> {
protected:
    void SetUp() override { ClearShownMessages(); }
};

int Respond(QDialog& dialog, Answer answer)
{
    auto* box = qobject_cast<QMessageBox*>(&dialog);
    EXPECT_NE(box, nullptr);
    if (!box)
        return QDialog::Rejected;
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(box->buttons().size(), 2);
    switch (answer) {
    case Answer::Yes:
        box->button(QMessageBox::Yes)->click();
        break;
    case Answer::No:
        box->button(QMessageBox::No)->click();
        break;
    case Answer::Escape: {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(box, &esc);
        break;
    }
    case Answer::CloseBox: {
        QCloseEvent close;
        QApplication::sendEvent(box, &close);
        break;
    }
    case Answer::NothingPressed:
        return QMessageBox::Yes; // a result code alone is not an answer
    }
    return box->result();
}

TEST_P(ConfirmYesNoTest, OnlyYesAnswersYes)
{
    const QString question =
        "Your current data has not been saved by exporting it to a CSV file. \r\n Do you wish to save your data now?";
    QString shownText;
    bool answer = false;
    {
        ScopedModalHandler respond([&](QDialog& d) {
            shownText = static_cast<QMessageBox&>(d).text();
            return Respond(d, GetParam().answer);
        });
        answer = ConfirmYesNo(question);
    }
    EXPECT_EQ(answer, GetParam().expected);
    EXPECT_EQ(shownText, "Your current data has not been saved by exporting it to a CSV file. \n Do you wish to save your data now?");
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].title, kConfirmCaption);
    EXPECT_EQ(ShownMessages()[0].text, question);
}

INSTANTIATE_TEST_SUITE_P(Answers, ConfirmYesNoTest,
                         ::testing::Values(ConfirmCase{Answer::Yes, true}, ConfirmCase{Answer::No, false},
                                           ConfirmCase{Answer::Escape, false},
                                           ConfirmCase{Answer::CloseBox, false},
                                           ConfirmCase{Answer::NothingPressed, false}));

TEST(OKRightDlgTest, DesignAndButtons)
{
    TOKRightDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Dialog");
    EXPECT_EQ(dialog.size(), QSize(384, 179));
    EXPECT_EQ(dialog.findChild<QFrame*>("Bevel1")->geometry(), QRect(8, 8, 281, 161));
    EXPECT_EQ(dialog.OKBtn->geometry(), QRect(300, 8, 75, 25));
    EXPECT_EQ(dialog.CancelBtn->geometry(), QRect(300, 38, 75, 25));
    EXPECT_EQ(dialog.OKBtn->text(), "OK");
    EXPECT_EQ(dialog.CancelBtn->text(), "Cancel");
    EXPECT_TRUE(dialog.OKBtn->isDefault());

    dialog.findChild<QPushButton*>("OKBtn")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.findChild<QPushButton*>("CancelBtn")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(OKRightDlgTest, EscPressesCancelOnlyWhileItIsTheVisibleCancelButton)
{
    TOKRightDlg dialog;
    int cancels = 0;
    QObject::connect(dialog.CancelBtn, &QPushButton::clicked, [&] { ++cancels; });
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &esc);
    EXPECT_EQ(cancels, 1);

    dialog.CancelBtn->hide();
    dialog.setResult(QDialog::Accepted);
    QApplication::sendEvent(&dialog, &esc);
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
