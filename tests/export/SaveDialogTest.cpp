// The save dialog, worked through its own controls.
#include "platform/ModalSeam.h"
#include "platform/TSaveDialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kFilter = "'.CSV' files (*.csv)|*.CSV|HTML files (*.html)|*.HTML|XML files (*.xml)|*.XML|"
                        "BCSV files (*.bcsv)|*.BCSV";

// Types the name into the dialog's file-name field and presses its Save button.
int TypeAndSave(QDialog& dialog, const QString& typed)
{
    auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
    auto* buttons = dialog.findChild<QDialogButtonBox*>("buttonBox");
    if (!edit || !buttons)
        return QDialog::Rejected;
    edit->setText(typed);
    buttons->button(QDialogButtonBox::Save)->click();
    return dialog.result();
}

class SaveDialogTest : public ::testing::Test {
protected:
    QTemporaryDir dir_;
};

TEST(SaveDialogFilter, FourEntriesOfDescriptionAndPattern)
{
    EXPECT_EQ(TSaveDialog::NameFiltersFor(kFilter),
              QStringList({"'.CSV' files (*.CSV)", "HTML files (*.HTML)", "XML files (*.XML)", "BCSV files (*.BCSV)"}));
}

struct TypedCase {
    const char* typed;
    const char* chosen; // relative to the initial directory
};

class SaveDialogNameTest : public SaveDialogTest, public ::testing::WithParamInterface<TypedCase> {};

// The proposed name and folder are shown; the chosen name comes back as a full path, with the
// default extension added when it has none.
TEST_P(SaveDialogNameTest, AnswersTheChosenFullPath)
{
    TSaveDialog dialog;
    dialog.DefaultExt = "csv";
    dialog.Filter = kFilter;
    dialog.InitialDir = dir_.path();
    dialog.FileName = "COMMA_42";
    QString proposed;
    const ScopedModalHandler handler([&](QDialog& shown) {
        proposed = shown.findChild<QLineEdit*>("fileNameEdit")->text();
        EXPECT_EQ(static_cast<QFileDialog&>(shown).directory().absolutePath(), dir_.path());
        EXPECT_TRUE(static_cast<QFileDialog&>(shown).testOption(QFileDialog::DontConfirmOverwrite));
        return TypeAndSave(shown, GetParam().typed);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(proposed, "COMMA_42");
    EXPECT_EQ(dialog.FileName, dir_.filePath(GetParam().chosen));
}

INSTANTIATE_TEST_SUITE_P(Names, SaveDialogNameTest,
                         ::testing::Values(TypedCase{"COMMA_42", "COMMA_42.csv"}, TypedCase{"out.html", "out.html"},
                                           TypedCase{"out.xml", "out.xml"}, TypedCase{"a.htm", "a.htm"}));

// An existing name is accepted without a question: the caller refuses it.
TEST_F(SaveDialogTest, ExistingNameIsAcceptedWithoutAsking)
{
    QFile existing(dir_.filePath("old.csv"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    TSaveDialog dialog;
    dialog.DefaultExt = "csv";
    dialog.InitialDir = dir_.path();
    int shown = 0;
    const ScopedModalHandler handler([&](QDialog& d) {
        ++shown;
        return TypeAndSave(d, "old.csv");
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(dialog.FileName, dir_.filePath("old.csv"));
}

TEST_F(SaveDialogTest, CancelAnswersFalse)
{
    TSaveDialog dialog;
    dialog.InitialDir = dir_.path();
    dialog.FileName = "x";
    const ScopedModalHandler handler([](QDialog& d) {
        d.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
        return d.result();
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, "x");
}

} // namespace
