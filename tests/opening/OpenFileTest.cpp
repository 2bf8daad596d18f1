// Opening a valid file through the window: the labels question, the header row, the record
// numbers, the summary, the status bar, the caption, the column widths and the open dialog.
#include "WindowSteps.h"

#include "platform/TImage.h"
#include "platform/TShape.h"
#include "platform/TSourceView.h"
#include "platform/TStatusBar.h"

#include <QAction>
#include <QTextEdit>
#include <QToolButton>

namespace {

const QByteArray kPeople = "\"Name\",\"City\"\r\n\"Ada\",\"London\"\r\n\"Grace\",\"New York\"\r\n";

class OpenFileTest : public WindowTest {
protected:
    QString Summary() { return form_->RichEdit1->toPlainText(); }

    // What every successful open shows, whatever the file.
    void ExpectShownTable(const QString& path)
    {
        EXPECT_TRUE(form_->FileOpen);
        EXPECT_FALSE(form_->Modified);
        EXPECT_TRUE(form_->StringGrid1->isVisible());
        EXPECT_TRUE(form_->RichEdit1->isVisible());
        EXPECT_TRUE(form_->RichEdit2->isVisible());
        EXPECT_FALSE(form_->Image1->isVisible());
        EXPECT_TRUE(form_->Shape1->isVisible());
        EXPECT_EQ(form_->Shape1->BrushColor(), kLightGreen);
        EXPECT_TRUE(form_->ToolButton5->isEnabled());
        EXPECT_TRUE(form_->AddColumn1->isEnabled());
        EXPECT_TRUE(form_->Font1->isEnabled());
        EXPECT_EQ(form_->StatusBar2->PanelText(0), "1:1");
        EXPECT_EQ(form_->StatusBar2->PanelText(1),
                  "Current file size >>> " + QString::number(QFileInfo(path).size()) + " bytes ");
        EXPECT_EQ(form_->StatusBar2->PanelText(2), kNoticeText);
        EXPECT_EQ(form_->windowTitle(), " File: " + path);
        EXPECT_EQ(form_->RichEdit2->Text(), "SOURCE: \r\n\r\n" + QString::fromUtf8(Read(path)));
        EXPECT_EQ(form_->StringGrid1->Row(), 1);
        EXPECT_EQ(form_->StringGrid1->Col(), 1);
    }
};

struct LabelsCase {
    const char* answer;
    std::vector<QStringList> grid;
    const char* summary;
};

class LabelsQuestionTest : public OpenFileTest, public ::testing::WithParamInterface<LabelsCase> {};

// Yes: the file's first row is the header row. No: a generated header row comes first, in
// the grid and in the engine, and every row of the file is a record.
TEST_P(LabelsQuestionTest, DecidesTheHeaderRow)
{
    const QString path = Write("people.csv", kPeople);
    Open(path, GetParam().answer);
    ExpectShownTable(path);
    EXPECT_EQ(ShownMessages().back().text, "Does the first row contain column labels?");
    EXPECT_EQ(GridTable(), GetParam().grid);
    EXPECT_EQ(Summary(), GetParam().summary);
    const std::vector<std::vector<std::string>> engine = EngineTable();
    ASSERT_EQ(engine.size(), GetParam().grid.size());
    for (std::size_t r = 0; r < engine.size(); ++r) {
        for (std::size_t c = 0; c < engine[r].size(); ++c)
            EXPECT_EQ(QString::fromStdString(engine[r][c]), GetParam().grid[r][int(c) + 1]);
    }
    EXPECT_EQ(form_->CommaFile->Rows->Get(0)->Columns->Get(1)->Kind, 2);
}

INSTANTIATE_TEST_SUITE_P(Answers, LabelsQuestionTest, ::testing::Values(
    LabelsCase{"Yes", {{"RECORD #", "Name", "City"}, {"1", "Ada", "London"}, {"2", "Grace", "New York"}},
               "Summary:\n\nRows: 2 Columns: 2"},
    LabelsCase{"No", {{"RECORD #", "COLUMN:0", "COLUMN:1"}, {"1", "Name", "City"}, {"2", "Ada", "London"},
                      {"3", "Grace", "New York"}},
               "Summary:\n\nRows: 3 Columns: 2"}),
    [](const auto& info) { return std::string(info.param.answer); });

TEST_F(OpenFileTest, OneRowIsShownWithoutTheQuestionUnderAGeneratedHeader)
{
    const QString path = Write("one.csv", "\"a\",\"b\",\"c\"");
    Open(path, "");
    ExpectShownTable(path);
    EXPECT_EQ(GridTable(), (std::vector<QStringList>{{"RECORD #", "COLUMN:0", "COLUMN:1", "COLUMN:2"},
                                                     {"1", "a", "b", "c"}}));
    EXPECT_EQ(Summary(), "Summary:\n\nRows: 1 Columns: 3");
}

TEST_F(OpenFileTest, ASecondOpenReplacesTheTableAndItsEngine)
{
    OpenText(kPeople, "Yes");
    const QString other = Write("other.csv", "\"x\"\r\n\"y\"\r\n\"z\"\r\n");
    Open(other, "No");
    EXPECT_EQ(form_->CommaFile->FileName, other.toStdString());
    EXPECT_EQ(GridTable(), (std::vector<QStringList>{{"RECORD #", "COLUMN:0"}, {"1", "x"}, {"2", "y"}, {"3", "z"}}));
}

TEST_F(OpenFileTest, TheDialogOffersCommaFilesInTheCurrentDirectory)
{
    const QString path = Write("people.csv", kPeople);
    DialogSteps steps{ChooseFile(path,
                                 [&](QFileDialog& dialog) {
                                     EXPECT_EQ(dialog.defaultSuffix(), "csv");
                                     EXPECT_EQ(dialog.nameFilters(),
                                               QStringList({"'.CSV' files (*.csv) (*.CSV)",
                                                            "'.BCSV' files (*.bcsv) (*.BCSV)"}));
                                     EXPECT_EQ(dialog.selectedNameFilter(), dialog.nameFilters()[0]);
                                     EXPECT_EQ(dialog.directory().absolutePath(),
                                               QDir(folder_.path()).absolutePath());
                                 }),
                      Press("Yes")};
    form_->ToolButton1->click();
    EXPECT_TRUE(form_->FileOpen);
}

TEST_F(OpenFileTest, CancellingTheDialogChangesNothing)
{
    const QString path = Write("people.csv", kPeople);
    Open(path);
    const QString title = form_->windowTitle();
    {
        DialogSteps steps{CancelFileDialog()};
        form_->Open1Click();
    }
    ExpectShownTable(path);
    EXPECT_EQ(form_->windowTitle(), title);
}

TEST_F(OpenFileTest, TooLittleMemoryRefusesBeforeTheDialog)
{
    form_.Facts().memory.AvailPhys = 4'999'999;
    {
        DialogSteps steps{Press("OKBtn")};
        form_->Open1Click();
    }
    ASSERT_FALSE(ShownMessages().empty());
    EXPECT_EQ(ShownMessages().back().title, "Problem!");
    EXPECT_EQ(ShownMessages().back().text, "Your available memory is too low to open a file.");
    EXPECT_FALSE(form_->FileOpen);
}

// With an 8-point grid font the width is the entry times 8: an entry grows only when a
// longer text comes, and then takes that text's trimmed length.
TEST_F(OpenFileTest, ColumnWidthsFollowTheTextsInRowOrder)
{
    QFont font = form_->StringGrid1->font();
    font.setPointSize(8);
    form_->StringGrid1->setFont(font);
    OpenText("\"abc\",\"  x  \",\"\"\r\n\"  x  \",\"abc\",\"\"\r\n", "Yes");
    ASSERT_TRUE(form_->FileOpen);
    EXPECT_EQ(form_->StringGrid1->ColWidths(1), 8);
    EXPECT_EQ(form_->StringGrid1->ColWidths(2), 24);
    EXPECT_EQ(form_->StringGrid1->ColWidths(3), 94);  // all empty: the width it had
}

TEST_F(OpenFileTest, ColumnsFrom128OnKeepTheirWidth)
{
    QFont font = form_->StringGrid1->font();
    font.setPointSize(8);
    form_->StringGrid1->setFont(font);
    QByteArray row;
    for (int c = 0; c < 130; ++c)
        row += QByteArray(c ? "," : "") + "\"abcd\"";
    OpenText(row, "");
    ASSERT_TRUE(form_->FileOpen);
    ASSERT_EQ(form_->StringGrid1->ColCount(), 131);
    EXPECT_EQ(form_->StringGrid1->ColWidths(127), 80);  // COLUMN:126 is longer than abcd
    EXPECT_EQ(form_->StringGrid1->ColWidths(128), 94);
    EXPECT_EQ(form_->StringGrid1->ColWidths(130), 94);
}

} // namespace
