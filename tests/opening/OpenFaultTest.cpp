// Opening a file that breaks the format: the engine's message in the summary box, the faulty
// line marked red in the source view (whatever the line ends and the encoding), the hint in
// the status bar, the grid hidden and the editing tools and menus disabled.
#include "WindowSteps.h"

#include "platform/TImage.h"
#include "platform/TShape.h"
#include "platform/TSourceView.h"
#include "platform/TStatusBar.h"

#include <QAction>
#include <QTextEdit>
#include <QToolButton>

namespace {

const QString kHint = " If your file did not load, fix the format violation ... ";
const QColor kRed(255, 0, 0);

// The engine's messages, with the character number of the faulty line.
QString Unquoted(int n)
{
    return QString("File not loaded. \r\nUnquoted text found near character # %1\r\n\r\n"
                   "This program requires quotes around ALL data").arg(n);
}
const char* const kFirstCharacter = "Could not load file.\r\nUnquoted text found. \r\nProblem is near "
                                    "character # %1\r\n\r\nThis program requires quotes around ALL data";
const char* const kMultiline = "Could not load file.\r\n\r\nMultiline data (linefeeds in data) not "
                               "allowed!\r\nProblem is near character # %1";
const char* const kWidth = "Could not load file.\r\nNot all rows have same number of columns  \r\n"
                           "Problem is near character # %1";
const char* const kTooLarge = "File not loaded. \r\nA data field is too large near character# %1";

QString At(const char* message, int n)
{
    return QString(message).arg(n);
}

// The summary box as the user reads it: line breaks as the text box keeps them.
QString AsShown(QString text)
{
    QTextEdit box;
    box.setPlainText(text);
    return box.toPlainText();
}

class OpenFaultTest : public WindowTest {
protected:
    void ExpectFaultShown(const QString& message)
    {
        EXPECT_FALSE(form_->FileOpen);
        EXPECT_FALSE(form_->StringGrid1->isVisible());
        EXPECT_FALSE(form_->Image1->isVisible());
        EXPECT_TRUE(form_->RichEdit1->isVisible());
        EXPECT_TRUE(form_->RichEdit2->isVisible());
        EXPECT_EQ(form_->RichEdit1->toPlainText(), AsShown(message));
        EXPECT_EQ(form_->StatusBar2->PanelText(1), kHint);
        for (QToolButton* tool : {form_->ToolButton2, form_->ToolButton4, form_->ToolButton5, form_->ToolButton7})
            EXPECT_FALSE(tool->isEnabled()) << tool->objectName().toStdString();
        for (QAction* item : {form_->AddColumn1, form_->AddRow1, form_->Search1, form_->Font1})
            EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
        EXPECT_TRUE(form_->Open1->isEnabled());
        EXPECT_TRUE(form_->ToolButton1->isEnabled());
    }

    // The red stretch is exactly `marked`, and the characters on either side are not red.
    void ExpectMarked(const QString& marked)
    {
        TSourceView& view = *form_->RichEdit2;
        EXPECT_EQ(view.SelectedText(), marked);
        const int start = view.SelStart();
        const int end = start + view.SelLength();
        EXPECT_EQ(view.ColorAt(start), kRed);
        EXPECT_EQ(view.ColorAt(end - 1), kRed);
        if (start > 0) {
            EXPECT_NE(view.ColorAt(start - 1), kRed);
        }
        if (end < view.TextLength()) {
            EXPECT_NE(view.ColorAt(end), kRed);
        }
    }
};

struct FaultCase {
    const char* name;
    QByteArray bytes;
    QString message;
    QString marked;  // the red stretch of the source view
};

class FaultMarkTest : public OpenFaultTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultMarkTest, ShowsTheMessageAndMarksTheFaultyLine)
{
    OpenText(GetParam().bytes, "");
    ExpectFaultShown(GetParam().message);
    ExpectMarked(GetParam().marked);
    EXPECT_EQ(form_->RichEdit2->Text().left(12), "SOURCE: \r\n\r\n");
}

const QByteArray kLongField = "\"a\"\r\n\"" + QByteArray(65353, 'x') + "\"\r\n\"b\"\r\n";

INSTANTIATE_TEST_SUITE_P(Faults, FaultMarkTest, ::testing::Values(
    FaultCase{"UnquotedCrLf", "\"a\",\"b\"\r\n\"c\",d\r\n\"e\",\"f\"\r\n", Unquoted(9), "\"c\",d"},
    FaultCase{"UnquotedLf", "\"a\",\"b\"\n\"c\",d\n\"e\",\"f\"\n", Unquoted(8), "\"c\",d"},
    FaultCase{"UnquotedCr", "\"a\",\"b\"\r\"c\",d\r\"e\",\"f\"\r", Unquoted(8), "\"c\",d"},
    // é, € and an emoji take 2, 3 and 4 bytes; the emoji is two positions of the view.
    FaultCase{"Utf8BeforeTheFault", "\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\",\"b\"\n\"c\",d\n\"e\",\"f\"\n",
              Unquoted(16), "\"c\",d"},
    FaultCase{"Utf8OnTheFaultyLine", "\"a\"\r\n\"\xC3\xA9\xC3\xA9\"x\r\n", Unquoted(5),
              QString::fromUtf8("\"\xC3\xA9\xC3\xA9\"x")},
    FaultCase{"Latin1BeforeTheFault", "\"caf\xE9\",\"b\"\r\n\"c\",d\r\n", Unquoted(12), "\"c\",d"},
    FaultCase{"OnTheFirstLine", "\"a\",b\r\n\"c\",\"d\"\r\n", Unquoted(0), "S"},
    FaultCase{"FirstCharacter", "\r\n\"a\"\r\n", At(kFirstCharacter, 1), "\n\"a\"\r\n"},
    FaultCase{"BackspaceInAField", "\"a\",\"b\"\r\n\"c\",\"x\by\"\r\n", At(kMultiline, 9), "\"c\",\"x\by\""},
    FaultCase{"FieldTooLarge", kLongField, At(kTooLarge, 5), "\"" + QString(65353, 'x') + "\""},
    // A width fault is found on the line break that ends the row: with CR LF the mark runs
    // from that row's LF to the end of the text.
    FaultCase{"WidthAtCrLf", "\"a\",\"b\"\r\n\"c\",\"d\",\"e\"\r\n\"f\",\"g\"\r\n", At(kWidth, 21),
              "\n\"f\",\"g\"\r\n"},
    // The text ends inside a field: no message, and the first character is marked.
    FaultCase{"MissingClosingQuote", "\"a\",\"b\r\n", "", "S"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OpenFaultTest, AFileThatCannotBeOpenedShowsNoMessageAndMarksTheFirstCharacter)
{
    const QString path = Write("gone.csv", "\"a\"\r\n");
    DialogSteps steps{[&](QDialog& dialog) {
        const int result = ChooseFile(path)(dialog);
        QFile::remove(path);  // chosen, then gone before it is read
        return result;
    }};
    form_->Open1Click();
    ExpectFaultShown("");
    ExpectMarked("S");
}

TEST_F(OpenFaultTest, AFailedOpenKeepsTheCaptionAndTheFailedEngine)
{
    const QString good = Write("good.csv", "\"a\"\r\n\"b\"\r\n");
    Open(good, "Yes");
    OpenText("\"a\",b\r\n", "");
    ExpectFaultShown(Unquoted(0));
    EXPECT_EQ(form_->windowTitle(), " File: " + good);
    EXPECT_TRUE(form_->Shape1->isVisible());
    EXPECT_EQ(form_->Shape1->BrushColor(), kLightGreen);
    EXPECT_EQ(form_->CommaFile->Message, Unquoted(0).toStdString());
}

// A Latin-1 file shows every byte as its character and exports back to the same bytes.
TEST_F(OpenFaultTest, ALatin1FileShowsEveryByteAndExportsTheSameBytes)
{
    QByteArray bytes = "\"caf\xE9\",\"\xFF\x80\xA0\"\r\n";
    QByteArray column;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n' && b != '\b' && b != '"')
            column += char(b);
    }
    for (const char b : column)
        bytes += "\"" + QByteArray(1, b) + "\",\"x\"\r\n";
    const QString path = Write("latin.csv", bytes);
    Open(path, "Yes");
    ASSERT_TRUE(form_->FileOpen);
    EXPECT_EQ(form_->FileEncoding, TextEncoding::Latin1);
    EXPECT_EQ(form_->StringGrid1->Cells(1, 0), QString::fromLatin1("caf\xE9"));
    EXPECT_EQ(form_->StringGrid1->Cells(2, 0), QString::fromLatin1("\xFF\x80\xA0"));
    QString shown;
    for (int r = 1; r < form_->StringGrid1->RowCount(); ++r)
        shown += form_->StringGrid1->Cells(1, r);
    EXPECT_EQ(shown, QString::fromLatin1(column));
    EXPECT_EQ(form_->RichEdit2->Text(), "SOURCE: \r\n\r\n" + QString::fromLatin1(bytes));

    const QString exported = folder_.filePath("exported.csv");
    {
        DialogSteps steps{ChooseFile(exported), Press("OKBtn")};
        ASSERT_TRUE(form_->SaveToNewFile());
    }
    EXPECT_EQ(Read(exported), bytes);
}

} // namespace
