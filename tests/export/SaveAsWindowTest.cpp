// Save As through the real window: the proposed names, the refused names, the writer chosen
// by the name, the bytes written, and the window's state after each kind of export.
#include "ExportWindow.h"

#include "platform/TPanel.h"
#include "platform/TSourceView.h"

#include <QTextEdit>
#include <QToolButton>

namespace {

const std::string kHtmlHead =
    "<!DOCTYPE HTML PUBLIC \"- //W3C//DTD HTML 4.0//EN\"><HTML><HEAD><TITLE>HTML generated from "
    "comma delimited file ...</TITLE><STYLE TYPE=\"text/css\">TD.lineitem {BACKGROUND-COLOR:#A0C8C0}"
    "TD.lineitem-odd {BACKGROUND-COLOR:#E0FFE0}</STYLE></HEAD><BODY><HR><B>Quoted Text Comma "
    "Delimited Data exported by Colvane editor (beta version) </B><BR><HR><TABLE cellspacing=0 "
    "cellPadding=2 width =100% border=0><TBODY>";

std::string HtmlRow(bool odd, std::initializer_list<const char*> cells)
{
    std::string row = "<TR>";
    for (const char* cell : cells)
        row += std::string(odd ? "<TD class=lineitem-odd valign=top>" : "<TD class=lineitem valign=top>") + cell + "</TD>";
    return row + "</TR>\r\n";
}

using SaveAsTest = ExportWindowTest;

TEST_F(SaveAsTest, WithoutATableNothingIsAskedOrWritten)
{
    Answers answers({Ok(), Ok()});
    Form().ToolButton2Click();
    EXPECT_EQ(Messages(), (MessageList{{"Note", "First open a file to edit, and then you can save to an export file."},
                                       kNotSavedMessage}));
    EXPECT_EQ(Counter(), "<missing>");
    EXPECT_TRUE(Files().isEmpty());
}

// On a machine without a counter the first name is "NOREG_" and the draw times 10000; the
// counter then holds 0, and the next exchange proposes COMMA_1. A cancel is a failed save.
TEST_F(SaveAsTest, FirstExportsOnAMachineProposeNoregThenComma1)
{
    OpenText(kSmallTable);
    Answers answers({CancelDialog(), Ok(), CancelDialog(), Ok()});
    Form().ToolButton2Click();
    EXPECT_EQ(Counter(), "[General]\nVALUE2=0\n");
    EXPECT_EQ(facts_.randomBound, 32768);
    Form().Save1Click();
    EXPECT_EQ(answers.Proposed(), (std::vector<QString>{"NOREG_1230000", "COMMA_1"}));
    EXPECT_EQ(Messages(), (MessageList{kNotSavedMessage, kNotSavedMessage}));
    ExpectIdle();
}

TEST_F(SaveAsTest, CancelStillUsesUpTheCounterValue)
{
    SetCounter(41);
    OpenText(kSmallTable);
    Answers answers({CancelDialog()});
    EXPECT_FALSE(Form().SaveToNewFile());
    EXPECT_EQ(answers.Proposed(), std::vector<QString>{"COMMA_42"});
    EXPECT_EQ(Counter(), "[General]\nVALUE2=42\n");
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(SaveAsTest, ExistingNameIsRefusedAndTheDialogComesBackWithTheNextNumber)
{
    SetCounter(41);
    OpenText(kSmallTable);
    WriteBytes(InDir("old.csv"), "\"precious\"\r\n");
    Answers answers({Choose(InDir("old.csv")), Ok(), CancelDialog(), Ok()});
    Form().ToolButton2Click();
    EXPECT_EQ(answers.Proposed(), (std::vector<QString>{"COMMA_42", "COMMA_43"}));
    EXPECT_EQ(Messages(), (MessageList{kExistingNameMessage, kNotSavedMessage}));
    EXPECT_EQ(ReadBytes(InDir("old.csv")), "\"precious\"\r\n");
    EXPECT_EQ(Files(), QStringList{"old.csv"});
    ExpectIdle();
}

// A dialog closed as accepted with no name in it answers its folder, which is refused like
// any existing name; nothing is written and the dialog comes back with the next number.
TEST_F(SaveAsTest, AcceptedWithoutANameWritesNothing)
{
    SetCounter(1);
    OpenText(kSmallTable);
    const DialogAnswer acceptEmpty = [](QDialog& dialog) {
        dialog.findChild<QLineEdit*>("fileNameEdit")->clear();
        for (QAbstractItemView* view : dialog.findChildren<QAbstractItemView*>())
            view->clearSelection();
        dialog.done(QDialog::Accepted);
        return dialog.result();
    };
    Answers answers({acceptEmpty, Ok(), CancelDialog()});
    EXPECT_FALSE(Form().SaveToNewFile());
    EXPECT_EQ(answers.Proposed(), (std::vector<QString>{"COMMA_2", "COMMA_3"}));
    EXPECT_EQ(Messages(), MessageList{kExistingNameMessage});
    EXPECT_TRUE(Files().isEmpty());
    ExpectIdle();
}

struct WriterCase {
    const char* typed;
    const char* written;  // the file the dialog names
    const char* kind;     // "comma", "html", "xml"
    const char* backup;   // or nullptr
};

std::ostream& operator<<(std::ostream& out, const WriterCase& c) { return out << c.typed; }

class WriterByNameTest : public ExportWindowTest, public ::testing::WithParamInterface<WriterCase> {};

// The dialog adds "csv" to a name without extension, so such a name is a comma export too.
TEST_P(WriterByNameTest, NameChoosesTheWriter)
{
    OpenText(kSmallTable);
    const WriterCase& c = GetParam();
    std::vector<DialogAnswer> script{Choose(InDir(c.typed)), Ok()};
    if (c.backup)
        script.push_back(Ok());  // "Files saved"
    Answers answers(script);
    ASSERT_TRUE(Form().SaveToNewFile());
    const std::string bytes = ReadBytes(InDir(c.written));
    const std::string kind = c.kind;
    if (kind == "comma")
        EXPECT_EQ(bytes, kSmallTable);
    else
        EXPECT_EQ(bytes.substr(0, 9), kind == "html" ? "<!DOCTYPE" : "<?xml ver");
    QStringList expected{c.written};
    if (c.backup) {
        expected << c.backup;
        EXPECT_EQ(ReadBytes(InDir(c.backup)), kSmallTable);
    }
    QStringList files = Files();
    files.sort();
    expected.sort();
    EXPECT_EQ(files, expected);
}

INSTANTIATE_TEST_SUITE_P(Names, WriterByNameTest,
                         ::testing::Values(WriterCase{"t.csv", "t.csv", "comma", nullptr},
                                           WriterCase{"t.bcsv", "t.bcsv", "comma", nullptr},
                                           WriterCase{"t.htm", "t.htm", "comma", nullptr},
                                           WriterCase{"t", "t.csv", "comma", nullptr},
                                           WriterCase{"t.html", "t.html", "html", "t.BCSV"},
                                           WriterCase{"T.HTML", "T.HTML", "html", "T.BCSV"},
                                           WriterCase{"t.xml", "t.xml", "xml", "t.BCSV"},
                                           WriterCase{"t.v2.XML", "t.v2.XML", "xml", "t.BCSV"}));

struct BytesCase {
    const char* name;
    std::string source;
    const char* fileName;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const BytesCase& c) { return out << c.name; }

class ExportBytesTest : public ExportWindowTest, public ::testing::WithParamInterface<BytesCase> {};

TEST_P(ExportBytesTest, WritesExactlyTheseBytes)
{
    OpenText(GetParam().source);
    std::vector<DialogAnswer> script{Choose(InDir(GetParam().fileName)), Ok()};
    if (!QString(GetParam().fileName).endsWith(".csv"))
        script.push_back(Ok());  // "Files saved"
    Answers answers(script);
    ASSERT_TRUE(Form().SaveToNewFile());
    EXPECT_EQ(ReadBytes(InDir(GetParam().fileName)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Grids, ExportBytesTest,
    ::testing::Values(
        BytesCase{"Comma", kSmallTable, "out.csv", kSmallTable},
        BytesCase{"Html", kSmallTable, "out.html",
                  kHtmlHead + HtmlRow(false, {"Name", "City", "Note"}) + HtmlRow(true, {"Ann", "", "say \"hi\""})
                      + HtmlRow(false, {"Bob", " Oslo, N ", "a&lt;b &amp; c&gt;d"}) + "</TBODY></TABLE></BODY></HTML>"},
        BytesCase{"Xml", kSmallTable, "out.xml",
                  "<?xml version=\"1.0\"?><Dataset1>"
                  "<DataRow><Name>Ann</Name><City></City><Note>say \"hi\"</Note></DataRow>\r\n"
                  "<DataRow><Name>Bob</Name><City> Oslo, N </City><Note>a&lt;b &amp; c&gt;d</Note></DataRow>\r\n"
                  "</Dataset1>"},
        BytesCase{"OneColumnComma", "\"Only\"\r\n\"x\"\r\n\"\"\r\n", "one.csv", "\"Only\"\r\n\"x\"\r\n\"\"\r\n"},
        BytesCase{"OneColumnXmlWithBlankLabel", "\"First Name\"\r\n\"Ann\"\r\n", "one.xml",
                  "<?xml version=\"1.0\"?><Dataset1><DataRow><First_Name>Ann</First_Name></DataRow>\r\n</Dataset1>"}),
    [](const auto& info) { return std::string(info.param.name); });

// A comma export: the window holds the written file under its name, saved and unmodified,
// and its views say so.
TEST_F(SaveAsTest, CommaExportLeavesTheWindowHoldingTheNewFile)
{
    OpenText(kSmallTable);
    Form().StringGrid1->SetCells(1, 1, "Anna");
    Form().MarkModified();
    ASSERT_EQ(Form().Shape1->BrushColor(), kLightYellow);
    Answers answers({Choose(InDir("new.csv")), Ok()});
    Form().ToolButton2Click();
    EXPECT_EQ(Messages(), MessageList{kNoteMessage});
    const QString path = InDir("new.csv");
    EXPECT_EQ(Form().windowTitle(), " File: " + path);
    EXPECT_EQ(Form().RichEdit1->toPlainText(), "Statistics refreshed on reload");
    EXPECT_TRUE(Form().RichEdit2->Text().isEmpty());
    EXPECT_EQ(Form().Shape1->BrushColor(), kLightGreen);
    EXPECT_FALSE(Form().Modified);
    ExpectIdle();
    ASSERT_TRUE(Form().CommaFile);
    EXPECT_EQ(Form().CommaFile->FileName, QFile::encodeName(path).toStdString());
    EXPECT_EQ(Form().CommaFile->Text.str(), ReadBytes(path));
    EXPECT_EQ(Form().CommaFile->Rows->Get(1)->Columns->Get(0)->Text, "Anna");
}

class DocumentExportTest : public ExportWindowTest, public ::testing::WithParamInterface<const char*> {};

// An HTML or XML export: the window holds the backup, names it in the caption and says so;
// the light, the modified flag and both text views stay as they were.
TEST_P(DocumentExportTest, WindowHoldsTheBackupAndKeepsItsLight)
{
    const QString kind = GetParam();
    OpenText(kSmallTable);
    Form().StringGrid1->SetCells(2, 1, "Rome");
    Form().MarkModified();
    const QString summary = Form().RichEdit1->toPlainText();
    const QString source = Form().RichEdit2->Text();
    Answers answers({Choose(InDir("x." + kind)), Ok(), Ok()});
    ASSERT_TRUE(Form().SaveToNewFile());
    const QString backup = InDir("x.BCSV");
    EXPECT_EQ(Messages(), (MessageList{kNoteMessage,
                                       {"Files saved", kind.toUpper() + " and (BCSV) backup files have been created ... "
                                                                         "\r\n\r\nThe backup (BCSV) file is currently "
                                                                         "loaded in the viewer"}}));
    EXPECT_EQ(Form().windowTitle(), " File: " + backup);
    EXPECT_EQ(Form().Shape1->BrushColor(), kLightYellow);
    EXPECT_TRUE(Form().Modified);
    EXPECT_EQ(Form().RichEdit1->toPlainText(), summary);
    EXPECT_EQ(Form().RichEdit2->Text(), source);
    ExpectIdle();
    EXPECT_EQ(Form().CommaFile->FileName, QFile::encodeName(backup).toStdString());
    EXPECT_EQ(Form().CommaFile->Text.str(), ReadBytes(backup));
    EXPECT_NE(ReadBytes(backup).find("\"Rome\""), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Kinds, DocumentExportTest, ::testing::Values("html", "xml"));

// A backup name that is taken: the export itself is written, the backup is not, and the
// dialog comes back without a message; the existing backup keeps its bytes.
TEST_F(SaveAsTest, TakenBackupNameFailsTheAttemptQuietly)
{
    SetCounter(6);
    OpenText(kSmallTable);
    WriteBytes(InDir("x.BCSV"), "\"old backup\"\r\n");
    Answers answers({Choose(InDir("x.html")), Ok(), CancelDialog()});
    EXPECT_FALSE(Form().SaveToNewFile());
    EXPECT_EQ(answers.Proposed(), (std::vector<QString>{"COMMA_7", "COMMA_8"}));
    EXPECT_EQ(Messages(), MessageList{kNoteMessage});
    EXPECT_EQ(ReadBytes(InDir("x.BCSV")), "\"old backup\"\r\n");
    EXPECT_EQ(ReadBytes(InDir("x.html")).substr(0, 9), "<!DOCTYPE");
    ExpectIdle();
}

// A folder with a dot in its name keeps the backup beside the export.
TEST_F(SaveAsTest, BackupOfAnExportInADottedFolderStaysInThatFolder)
{
    ASSERT_TRUE(QDir(dir_.path()).mkdir("data.v2"));
    OpenText(kSmallTable);
    Answers answers({Choose(InDir("data.v2/COMMA_7.html")), Ok(), Ok()});
    ASSERT_TRUE(Form().SaveToNewFile());
    EXPECT_EQ(ReadBytes(InDir("data.v2/COMMA_7.BCSV")), kSmallTable);
}

struct RefusalCase {
    const char* fileName;
    const char* bad;  // the character put into the cells
};

std::ostream& operator<<(std::ostream& out, const RefusalCase& c) { return out << c.fileName; }

class RefusalTest : public ExportWindowTest, public ::testing::WithParamInterface<RefusalCase> {};

// Offending cells in rows 1 and 2 (two in row 2): nothing is written, the message names the
// fault, the current cell is the first offending cell of row 2, the engine object is the one
// the window held, and the dialog comes back.
TEST_P(RefusalTest, DisallowedCharacterRefusesTheExport)
{
    SetCounter(1);
    OpenText(kSmallTable);
    const QString bad = QString::fromLatin1(GetParam().bad);
    Form().StringGrid1->SetCells(3, 1, "x" + bad);
    Form().StringGrid1->SetCells(2, 2, bad + "y");
    Form().StringGrid1->SetCells(3, 2, bad);
    const TCommaFile* engine = Form().CommaFile.get();
    const std::string engineName = engine->FileName;
    Answers answers({Choose(InDir(GetParam().fileName)), Ok(), Ok(), CancelDialog()});
    EXPECT_FALSE(Form().SaveToNewFile());
    EXPECT_EQ(answers.Proposed(), (std::vector<QString>{"COMMA_2", "COMMA_3"}));
    EXPECT_EQ(Messages(), (MessageList{kNoteMessage, kDisallowedMessage}));
    EXPECT_EQ(Form().StringGrid1->Col(), 2);
    EXPECT_EQ(Form().StringGrid1->Row(), 2);
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_EQ(Form().CommaFile.get(), engine);
    EXPECT_EQ(Form().CommaFile->FileName, engineName);
    ExpectIdle();
}

INSTANTIATE_TEST_SUITE_P(Writers, RefusalTest,
                         ::testing::Values(RefusalCase{"r.csv", "\n"}, RefusalCase{"r.csv", "\b"},
                                           RefusalCase{"r.html", "\r"}, RefusalCase{"r.xml", "\b"},
                                           RefusalCase{"r.xml", "\n"}));

// What a comma export wrote opens again into the same grid, edits included.
TEST_F(SaveAsTest, CommaExportOpensAgainIntoTheSameGrid)
{
    OpenText(kSmallTable);
    Form().StringGrid1->SetCells(1, 2, QString::fromUtf8("Zoë \"Z\", ünïcödé ✓"));
    Form().StringGrid1->SetCells(2, 1, "  ");
    Form().StringGrid1->SetCells(3, 2, "");
    const auto before = GridCellsOf(Form());
    {
        Answers answers({Choose(InDir("again.csv")), Ok()});
        ASSERT_TRUE(Form().SaveToNewFile());
    }
    Open(InDir("again.csv"));
    EXPECT_EQ(Form().windowTitle(), " File: " + InDir("again.csv"));
    EXPECT_EQ(GridCellsOf(Form()), before);
}

} // namespace
