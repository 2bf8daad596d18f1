// The open and font dialogs, as the window's handlers use them.
#include "platform/ModalSeam.h"
#include "platform/TFontDialog.h"
#include "platform/TOpenDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString CsvFilter = "'.CSV' files (*.csv)|*.CSV|'.BCSV' files (*.bcsv)|*.BCSV";

} // namespace

TEST(OpenDialog, FilterPairsBecomeNameFilters)
{
    EXPECT_EQ(TOpenDialog::NameFilters(CsvFilter),
              QStringList({"'.CSV' files (*.csv) (*.CSV)", "'.BCSV' files (*.bcsv) (*.BCSV)"}));
    EXPECT_TRUE(TOpenDialog::NameFilters("").isEmpty());
}

TEST(OpenDialog, ShowsItsPropertiesAndReturnsTheChosenFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("table.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    TOpenDialog dialog(nullptr);
    dialog.DefaultExt = "csv";
    dialog.Filter = CsvFilter;
    dialog.InitialDir = folder.path();
    dialog.Options = TOpenDialog::ofHideReadOnly | TOpenDialog::ofFileMustExist |
                     TOpenDialog::ofEnableSizing;
    ScopedModalHandler answer([&](QDialog& shown) {
        auto& open = dynamic_cast<QFileDialog&>(shown);
        EXPECT_EQ(open.defaultSuffix(), "csv");
        EXPECT_EQ(open.directory().absolutePath(), QDir(folder.path()).absolutePath());
        EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
        EXPECT_TRUE(open.testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(open.selectedNameFilter(), "'.CSV' files (*.csv) (*.CSV)");
        EXPECT_TRUE(open.isSizeGripEnabled());
        open.selectFile(path);
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(QFileInfo(dialog.FileName).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
}

TEST(OpenDialog, CancelChoosesNothing)
{
    TOpenDialog dialog(nullptr);
    dialog.FileName = "before";
    ScopedModalHandler cancel([](QDialog&) { return int(QDialog::Rejected); });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, "before");
}

namespace {

TFontDialog& LimitedDialog(TFontDialog& dialog)
{
    dialog.Options = TFontDialog::fdTrueTypeOnly | TFontDialog::fdEffects |
                     TFontDialog::fdLimitSize | TFontDialog::fdApplyButton;
    dialog.MinFontSize = 7;
    dialog.MaxFontSize = 11;
    return dialog;
}

int Choose(TFontDialog& dialog, int points, QDialog::DialogCode result)
{
    ScopedModalHandler answer([&](QDialog&) {
        dialog.SizeList->setCurrentIndex(dialog.SizeList->findData(points));
        if (result == QDialog::Accepted)
            dialog.OKBtn->click();
        else
            dialog.CancelBtn->click();
        return int(dialog.result());
    });
    return dialog.Execute();
}

} // namespace

TEST(FontDialog, OffersScalableFontsInSevenToElevenPoints)
{
    TFontDialog dialog(nullptr);
    LimitedDialog(dialog);
    ScopedModalHandler answer([&](QDialog&) {
        QStringList sizes;
        for (int i = 0; i < dialog.SizeList->count(); ++i)
            sizes << dialog.SizeList->itemText(i);
        EXPECT_EQ(sizes, QStringList({"7", "8", "9", "10", "11"}));
        EXPECT_EQ(dialog.FontList->fontFilters(), QFontComboBox::ScalableFonts);
        EXPECT_FALSE(dialog.ApplyBtn->isHidden());
        EXPECT_FALSE(dialog.StrikeOutBox->isHidden());
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(dialog.Execute());
}

TEST(FontDialog, ApplyChangesNothingAndTheChosenFontIsKept)
{
    TFontDialog dialog(nullptr);
    LimitedDialog(dialog).Font = QFont("Sans", 8);
    ScopedModalHandler apply([&](QDialog&) {
        dialog.SizeList->setCurrentIndex(dialog.SizeList->findData(11));
        dialog.ApplyBtn->click();
        EXPECT_EQ(dialog.Font.pointSize(), 8);
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Font.pointSize(), 8);

    ASSERT_TRUE(Choose(dialog, 10, QDialog::Accepted));
    EXPECT_EQ(dialog.Font.pointSize(), 10);
    ScopedModalHandler reopen([&](QDialog&) {
        EXPECT_EQ(dialog.SizeList->currentData().toInt(), 10);
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_FALSE(Choose(dialog, 7, QDialog::Rejected));
    EXPECT_EQ(dialog.Font.pointSize(), 10);
}

TEST(FontDialog, PixelHeightRoundsLikeACharacterHeight)
{
    EXPECT_EQ(TFontDialog::PixelHeight(QFont("Sans", 10), 96), -13);
    EXPECT_EQ(TFontDialog::PixelHeight(QFont("Sans", 8), 96), -11);
    EXPECT_EQ(TFontDialog::PixelHeight(QFont("Sans", 11), 96), -15);
}
