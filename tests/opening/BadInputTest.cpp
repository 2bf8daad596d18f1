// Every shipped sample, every kind of text the reader refuses, and a file too big for the
// memory test, opened through the window: each ends as a shown table or a shown fault.
#include "WindowSteps.h"

#include "platform/TSourceView.h"
#include "platform/TStatusBar.h"

#include <QDir>
#include <QTextEdit>
#include <map>

namespace {

const QString kHint = " If your file did not load, fix the format violation ... ";

QString AsShown(const std::string& text)
{
    QTextEdit box;
    box.setPlainText(QString::fromStdString(text));
    return box.toPlainText();
}

class BadInputTest : public WindowTest {
protected:
    // A refused file: the engine's message in the summary, a mark inside the source text.
    void ExpectRefused()
    {
        EXPECT_FALSE(form_->FileOpen);
        EXPECT_FALSE(form_->StringGrid1->isVisible());
        EXPECT_EQ(form_->StatusBar2->PanelText(1), kHint);
        EXPECT_EQ(form_->RichEdit1->toPlainText(), AsShown(form_->CommaFile->Message));
        const TSourceView& view = *form_->RichEdit2;
        EXPECT_GE(view.SelStart(), 0);
        EXPECT_LE(view.SelStart() + view.SelLength(), view.TextLength());
    }
};

struct SampleOutcome {
    bool loads;
    int rows;          // data rows, the first row taken as labels
    const char* message;
};

// Every file in the samples folder is listed here, so a new sample needs its outcome.
TEST_F(BadInputTest, EverySampleGivesItsOutcome)
{
    const std::map<QString, SampleOutcome> outcomes = {
        {"people.csv", {true, 3, ""}},
        {"prices-lf.csv", {true, 2, ""}},
        {"broken-multiline.csv", {false, 0, "Could not load file.\r\n\r\nMultiline data (linefeeds in data) not "
                                            "allowed!\r\nProblem is near character # 20"}},
        {"broken-unquoted.csv", {false, 0, "File not loaded. \r\nUnquoted text found near character # 16\r\n\r\n"
                                           "This program requires quotes around ALL data"}},
        {"broken-width.csv", {false, 0, "Could not load file.\r\nNot all rows have same number of columns  \r\n"
                                        "Problem is near character # 54"}},
    };
    const QDir samples(COLVANE_SOURCE_DIR "/resources/samples");
    const QStringList files = samples.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_EQ(outcomes.count(name), 1u) << "no outcome listed for this sample";
        const SampleOutcome& outcome = outcomes.at(name);
        Open(samples.filePath(name), outcome.loads ? "Yes" : "");
        if (outcome.loads) {
            EXPECT_TRUE(form_->FileOpen);
            EXPECT_EQ(form_->StringGrid1->RowCount(), outcome.rows + 1);
        } else {
            ExpectRefused();
            EXPECT_EQ(form_->CommaFile->Message, outcome.message);
        }
    }
}

TEST_F(BadInputTest, APriceWithACommaStaysOneCell)
{
    Open(COLVANE_SOURCE_DIR "/resources/samples/prices-lf.csv", "Yes");
    EXPECT_EQ(form_->StringGrid1->Cells(1, 1), "Tea, green");
    EXPECT_EQ(form_->StringGrid1->Cells(2, 2), "4.00");
}

std::string Junk(std::size_t length)
{
    std::string bytes;
    unsigned state = 2024;
    while (bytes.size() < length) {
        state = state * 1103515245u + 12345u;
        bytes += char(state >> 16);
    }
    return bytes;
}

struct BadInput {
    const char* name;
    std::string bytes;
};

class RefusedInputTest : public BadInputTest, public ::testing::WithParamInterface<BadInput> {};

TEST_P(RefusedInputTest, IsShownAsAFault)
{
    OpenText(QByteArray::fromStdString(GetParam().bytes), "");
    ExpectRefused();
}

INSTANTIATE_TEST_SUITE_P(Texts, RefusedInputTest, ::testing::Values(
    BadInput{"Empty", ""},
    BadInput{"OnlyBlanks", "     "},
    BadInput{"FirstLineEmpty", "\r\n\"a\""},
    BadInput{"LetterFirst", "  abc"},
    BadInput{"DigitFirst", "1,\"a\""},
    BadInput{"ExtraEmptyLineAtEnd", "\"a\"\r\n\"b\"\r\n\r\n"},
    BadInput{"TwoCommas", "\"a\",,\"b\""},
    BadInput{"CommaBlankLineBreak", "\"a\", \r\n\"b\""},
    BadInput{"TabBeforeField", "\"a\",\t\"b\"\r\n"},
    BadInput{"NulOutsideField", std::string("\"a\"\0\r\n", 6)},
    BadInput{"LoneQuote", "\""},
    BadInput{"MissingClosingQuote", "\"a\",\"b"},
    BadInput{"MegabyteField", "\"a\"\r\n\"" + std::string(1 << 20, 'x') + "\""},
    BadInput{"LineFeedInField", "\"x\",\"a\nb\""},
    BadInput{"NarrowerSecondRowLf", "\"a\",\"b\"\n\"c\"\n\"d\"\n"},
    BadInput{"ShortLastRowWithoutBreak", "\"a\",\"b\"\r\n\"c\""},
    BadInput{"InvalidUtf8", "\"\xC3\x28\",\"\xFF\"\r\nx"},
    BadInput{"Junk", Junk(100000)},
    BadInput{"QuoteThenJunk", "\"" + Junk(5000)}),
    [](const auto& info) { return std::string(info.param.name); });

// The window's own memory test passes; the engine's asks for 25 times the file's size.
TEST_F(BadInputTest, AFileTooBigForTheMemoryTestShowsTheEngineMessage)
{
    form_.Facts().memory.TotalPhys = 100'000'000;
    form_.Facts().memory.AvailPhys = 5'000'000;
    OpenText("\"" + QByteArray(4'000'000, 'x') + "\"", "");
    ExpectRefused();
    EXPECT_EQ(form_->RichEdit1->toPlainText(),
              AsShown("The file was not loaded.\r\n\r\nThe file is too big to process efficiently in the "
                      "memory that is available."));
    EXPECT_EQ(form_->RichEdit2->SelectedText(), "S");
}

} // namespace
