#include "dialogs/UnitAboutColvane.h"
#include "platform/ModalSeam.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

TEST(AboutDialogTest, Design)
{
    TOKBottomDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "About ");
    EXPECT_EQ(dialog.size(), QSize(423, 352));
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(212, 208, 200));
    EXPECT_EQ(dialog.findChild<QFrame*>("Bevel1")->geometry(), QRect(7, 9, 410, 305));
    auto* title = dialog.findChild<QLabel*>("Label1");
    EXPECT_EQ(title->text(), "Colvane -");
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(title->font().pixelSize(), 16);
    EXPECT_EQ(title->geometry(), QRect(21, 14, 177, 19));
    EXPECT_EQ(dialog.findChild<QLabel*>("Label6")->text(), "Beta Build #8");
    auto* contact = dialog.findChild<QLabel*>("Label5");
    EXPECT_EQ(contact->text(), "To have questions answered contact any of the following");
    EXPECT_EQ(contact->pos(), QPoint(80, 181));
    EXPECT_EQ(dialog.findChild<QLabel*>("Image1")->geometry(), QRect(10, 37, 193, 49));
    EXPECT_EQ(dialog.findChild<QLabel*>("Image2")->geometry(), QRect(104, 200, 225, 89));
    EXPECT_FALSE(dialog.Image1->pixmap().isNull());
    EXPECT_FALSE(dialog.Image2->pixmap().isNull());
    EXPECT_EQ(dialog.findChild<QLabel*>("Label2")->font().pixelSize(), 11);
    EXPECT_EQ(dialog.findChild<QPushButton*>("OKBtn")->geometry(), QRect(342, 322, 75, 25));
}

enum class Close { OkButton, CloseBox };

class AboutCloseTest : public ::testing::TestWithParam<Close> {};

TEST_P(AboutCloseTest, EachOpeningShowsANewCentredDialogThatClosesAndIsDestroyed)
{
    std::vector<QPointer<QDialog>> shown;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    {
        ScopedModalHandler answer([&](QDialog& d) {
            EXPECT_NE(qobject_cast<TOKBottomDlg*>(&d), nullptr);
            EXPECT_EQ(d.pos(), QPoint(screen.left() + (screen.width() - 423) / 2,
                                      screen.top() + (screen.height() - 352) / 2));
            if (!shown.empty()) {
                EXPECT_TRUE(shown.back().isNull()) << "the first dialog is gone";
            }
            shown.push_back(&d);
            if (GetParam() == Close::OkButton) {
                d.findChild<QPushButton*>("OKBtn")->click();
            } else {
                QCloseEvent close;
                QApplication::sendEvent(&d, &close);
            }
            EXPECT_TRUE(d.isHidden());
            return d.result();
        });
        ShowAboutDialog(nullptr);
        ShowAboutDialog(nullptr);
    }
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_TRUE(shown[1].isNull());
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutCloseTest, ::testing::Values(Close::OkButton, Close::CloseBox));

} // namespace
