#include "dialogs/UnitBetaDialog.h"
#include "dialogs/UnitMessageBoxCDF.h"
#include "platform/HelpViewer.h"
#include "platform/ModalSeam.h"

#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct SeenBeta {
    QString caption, problemType, details;
    QPointer<QDialog> dialog;
};

class BetaDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ClearShownMessages(); }
    void TearDown() override { delete HelpViewerWindow(); }
};

TEST_F(BetaDialogTest, ShowsTheTextsUnderTheirLabelsAndClosesWithOk)
{
    SeenBeta seen;
    {
        ScopedModalHandler answer([&](QDialog& d) {
            auto* beta = qobject_cast<TOKHelpRightDlg1*>(&d);
            EXPECT_NE(beta, nullptr);
            if (!beta)
                return int(QDialog::Rejected);
            seen = {beta->windowTitle(), beta->findChild<QLabel*>("Label1")->text(),
                    beta->findChild<QLabel*>("Label2")->text(), beta};
            beta->findChild<QPushButton*>("OKBtn")->click();
            return beta->result();
        });
        ShowBetaInfo(nullptr, "No problem found ...",
                     "You have pressed the Beta-Test-Information dialog test key (F9)");
        ShowBetaInfo(nullptr, "SaveHTMLFile", "Exception", "During processing of row: 17");
    }
    EXPECT_EQ(seen.caption, "Beta Test Information Dialog");
    EXPECT_EQ(seen.problemType, "SaveHTMLFile");
    EXPECT_EQ(seen.details, "Exception\n\nDuring processing of row: 17");
    EXPECT_TRUE(seen.dialog.isNull()) << "destroyed after it closed";
    EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(BetaDialogTest, DesignOfTheDialog)
{
    TOKHelpRightDlg1 dialog;
    EXPECT_EQ(dialog.size(), QSize(535, 419));
    EXPECT_EQ(dialog.findChild<QLabel*>("Label3")->text(), "Type of problem encountered:");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label4")->text(), "Details relating to the problem:");
    EXPECT_EQ(dialog.Label1->geometry(), QRect(16, 40, 209, 145));
    EXPECT_EQ(dialog.Label2->geometry(), QRect(16, 224, 209, 159));
    EXPECT_TRUE(dialog.Label1->wordWrap());
    EXPECT_TRUE(dialog.Label2->wordWrap());
    EXPECT_EQ(dialog.RichEdit1->geometry(), QRect(248, 8, 273, 361));
    EXPECT_TRUE(dialog.RichEdit1->isReadOnly());
    EXPECT_EQ(dialog.HelpBtn->text(), "&Help");
    EXPECT_EQ(dialog.HelpBtn->geometry(), QRect(257, 384, 75, 25));
    EXPECT_EQ(dialog.OKBtn->geometry(), QRect(444, 384, 75, 25));
    EXPECT_FALSE(dialog.OKBtn->isDefault());
    EXPECT_TRUE(dialog.CancelBtn->isHidden());
    EXPECT_TRUE(dialog.Bevel1->isHidden());
    EXPECT_FALSE(dialog.findChild<QLabel*>("Image1")->pixmap().isNull());
}

// The paragraphs of the explanatory text, in order, with their indent and the format of
// their text.
struct ParagraphCase {
    QString text;
    int indent;
    int points;  // 0: not checked
    QColor colour;
    bool bold = false;
};

TEST_F(BetaDialogTest, ExplanatoryTextHasTheStructureOfTheTopic)
{
    TOKHelpRightDlg1 dialog;
    const QTextDocument& document = *dialog.RichEdit1->document();
    const QColor white(255, 255, 255), magenta(127, 0, 127);
    const std::vector<ParagraphCase> expected{
        {"$ Contents # Contents K Contents", 0, 10, QColor()},
        {"\tBeta Test Information", 0, 12, QColor(), true},
        {"", 0, 0, QColor()},
        {"This dialog is shown when an exception is generated  in the program.   It facilitates the "
         "display of the useful information that should  be returned as  feedback to the author, so "
         "that changes/improvements can be  made to the program.",
         24, 10, white},
        {"", 48, 0, QColor()},
        {"Please send feedback via email to one of the following  email addresses: ", 24, 10, white},
        {"", 24, 0, QColor()},
        {"\tfeedback@colvane.example", 24, 8, magenta},
        {"\tor beta@colvane.example", 24, 8, magenta},
        {"\tor support@colvane.example", 24, 8, magenta},
        {"", 0, 0, QColor()},
        {"Thank you for helping to make Colvane better.", 48, 10, white},
        {"", 0, 0, QColor()},
    };
    std::vector<QTextBlock> blocks;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        blocks.push_back(b);
    ASSERT_EQ(blocks.size(), expected.size()) << document.toPlainText().toStdString();
    for (size_t i = 0; i < expected.size(); ++i) {
        const ParagraphCase& want = expected[i];
        const QTextBlock& block = blocks[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(block.text(), want.text);
        EXPECT_EQ(int(block.blockFormat().leftMargin()), want.indent);
        if (want.points == 0)
            continue;
        // The format of the block's last character: after the tab, in the body text.
        auto it = block.begin();
        QTextCharFormat format;
        for (; !it.atEnd(); ++it)
            format = it.fragment().charFormat();
        EXPECT_EQ(format.fontPointSize(), want.points);
        if (want.colour.isValid()) {
            EXPECT_EQ(format.foreground().color(), want.colour);
        }
        EXPECT_EQ(format.fontWeight() == QFont::Bold, want.bold);
        EXPECT_EQ(format.fontUnderline(), want.bold);
    }
    EXPECT_EQ(blocks.back().blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_AlwaysAfter);
    EXPECT_TRUE(blocks.front().begin().fragment().charFormat().fontFamilies().toStringList().contains("Helv"));
    EXPECT_TRUE(blocks[1].begin().fragment().charFormat().fontFamilies().toStringList().contains("Arial")
                || document.defaultFont().family() == "Arial"
                || blocks[1].charFormat().fontFamilies().toStringList().contains("Arial"));
}

TEST_F(BetaDialogTest, ColourTableIsTheSixteenColourPaletteWithoutBlack)
{
    EXPECT_FALSE(BetaTextColour(0).isValid());
    EXPECT_EQ(BetaTextColour(1), QColor(0, 0, 127));
    EXPECT_EQ(BetaTextColour(8), QColor(192, 192, 192));
    EXPECT_EQ(BetaTextColour(12), QColor(255, 0, 0));
    EXPECT_EQ(BetaTextColour(15), QColor(255, 255, 255));
    EXPECT_FALSE(BetaTextColour(16).isValid());
}

TEST_F(BetaDialogTest, HelpOpensTheHelpAtContext100AndTheDialogStaysOpen)
{
    TOKHelpRightDlg1 dialog;
    dialog.setResult(-1);
    dialog.findChild<QPushButton*>("HelpBtn")->click();
    THelpViewer* viewer = HelpViewerWindow();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->Anchor, HelpTopicAnchor(100));
    EXPECT_EQ(viewer->parentWidget(), &dialog);
    EXPECT_EQ(dialog.result(), -1) << "Help does not close the dialog";
}

TEST_F(BetaDialogTest, HelpWithoutTheFileLeavesTheDialogOpen)
{
    ScopedHelpSearchPlaces nowhere({"/nonexistent-colvane-help"});
    TOKHelpRightDlg1 dialog;
    dialog.setResult(-1);
    dialog.HelpBtn->click();
    ASSERT_NE(HelpViewerWindow(), nullptr);
    EXPECT_FALSE(HelpViewerWindow()->FileFound);
    EXPECT_EQ(dialog.result(), -1);
}

TEST_F(BetaDialogTest, AFailureWhileShowingIsReportedInThePlainMessageBox)
{
    QString plainText;
    {
        ScopedModalHandler answer([&](QDialog& d) -> int {
            if (qobject_cast<TOKHelpRightDlg1*>(&d))
                throw std::runtime_error("cannot show");
            auto* box = qobject_cast<QMessageBox*>(&d);
            EXPECT_NE(box, nullptr);
            if (!box)
                return QDialog::Rejected;
            plainText = box->text();
            box->button(QMessageBox::Ok)->click();
            return box->result();
        });
        ShowBetaInfo(nullptr, "SaveXMLFile", "Exception");
    }
    EXPECT_EQ(plainText, "Could not show Beta-Info-Message dialog. ");
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].text, "Could not show Beta-Info-Message dialog. ");
}

} // namespace
