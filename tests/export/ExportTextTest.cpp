// The bytes of the comma, HTML and XML texts built from a grid.
#include "export/ExportText.h"
#include "TableCells.h"

#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

const std::string kHead =
    "<!DOCTYPE HTML PUBLIC \"- //W3C//DTD HTML 4.0//EN\"><HTML><HEAD><TITLE>HTML generated from "
    "comma delimited file ...</TITLE><STYLE TYPE=\"text/css\">TD.lineitem {BACKGROUND-COLOR:#A0C8C0}"
    "TD.lineitem-odd {BACKGROUND-COLOR:#E0FFE0}</STYLE></HEAD><BODY><HR><B>Quoted Text Comma "
    "Delimited Data exported by Colvane editor (beta version) </B><BR><HR><TABLE cellspacing=0 "
    "cellPadding=2 width =100% border=0><TBODY>";
const std::string kEven = "<TD class=lineitem valign=top>";
const std::string kOdd = "<TD class=lineitem-odd valign=top>";

struct TextCase {
    const char* name;
    TableCells cells;
    std::string comma;
    std::string html;
    std::string xml;
};

std::ostream& operator<<(std::ostream& out, const TextCase& c) { return out << c.name; }

class ExportTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ExportTextTest, CommaText)
{
    const ExportText text = BuildCommaText(GetParam().cells, ExportEncoding::Utf8);
    EXPECT_FALSE(text.refused);
    EXPECT_EQ(text.bytes, GetParam().comma);
}

TEST_P(ExportTextTest, HtmlText)
{
    const ExportText text = BuildHtmlText(GetParam().cells, ExportEncoding::Utf8);
    EXPECT_FALSE(text.refused);
    EXPECT_EQ(text.bytes, GetParam().html);
}

TEST_P(ExportTextTest, XmlText)
{
    const ExportText text = BuildXmlText(GetParam().cells);
    EXPECT_FALSE(text.refused);
    EXPECT_EQ(text.bytes, GetParam().xml);
}

// Every XML document reads back with a namespace-aware parser, giving each cell's text
// under its column's element name.
TEST_P(ExportTextTest, XmlParsesBackToTheCells)
{
    const TableCells& cells = GetParam().cells;
    const ExportText text = BuildXmlText(cells);
    QXmlStreamReader reader(QByteArray::fromStdString(text.bytes));
    ASSERT_TRUE(reader.namespaceProcessing());
    ASSERT_TRUE(reader.readNextStartElement());
    EXPECT_EQ(reader.name(), u"Dataset1");
    for (int r = 1; r < cells.RowCount(); ++r) {
        ASSERT_TRUE(reader.readNextStartElement()) << reader.errorString().toStdString();
        EXPECT_EQ(reader.name(), u"DataRow");
        for (int c = 1; c < cells.ColCount(); ++c) {
            ASSERT_TRUE(reader.readNextStartElement()) << reader.errorString().toStdString();
            EXPECT_EQ(reader.name().toString(), XmlElementName(SpacesToUnderscores(cells.Cells(c, 0))));
            EXPECT_EQ(reader.readElementText(), cells.Cells(c, r));
        }
        reader.skipCurrentElement();
    }
    reader.skipCurrentElement();
    while (!reader.atEnd())
        reader.readNext();
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Grids, ExportTextTest,
    ::testing::Values(
        TextCase{"LabelsAndEmptyCell",
                 {{"Name", "City"}, {"Ann", ""}},
                 "\"Name\",\"City\"\r\n\"Ann\",\"\"\r\n",
                 kHead + "<TR>" + kEven + "Name</TD>" + kEven + "City</TD></TR>\r\n<TR>" + kOdd
                     + "Ann</TD>" + kOdd + "</TD></TR>\r\n</TBODY></TABLE></BODY></HTML>",
                 "<?xml version=\"1.0\"?><Dataset1><DataRow><Name>Ann</Name><City></City></DataRow>"
                 "\r\n</Dataset1>"},
        TextCase{"QuoteCommaBlanks",
                 {{"First Name", "Note"}, {"say \"hi\"", " a, b "}, {"x", "y"}},
                 "\"First Name\",\"Note\"\r\n\"say \"\"hi\"\"\",\" a, b \"\r\n\"x\",\"y\"\r\n",
                 kHead + "<TR>" + kEven + "First Name</TD>" + kEven + "Note</TD></TR>\r\n<TR>" + kOdd
                     + "say \"hi\"</TD>" + kOdd + " a, b </TD></TR>\r\n<TR>" + kEven + "x</TD>" + kEven
                     + "y</TD></TR>\r\n</TBODY></TABLE></BODY></HTML>",
                 "<?xml version=\"1.0\"?><Dataset1><DataRow><First_Name>say \"hi\"</First_Name>"
                 "<Note> a, b </Note></DataRow>\r\n<DataRow><First_Name>x</First_Name><Note>y</Note>"
                 "</DataRow>\r\n</Dataset1>"},
        TextCase{"OneDataColumn",
                 {{"Only"}, {"1"}, {"2"}},
                 "\"Only\"\r\n\"1\"\r\n\"2\"\r\n",
                 kHead + "<TR>" + kEven + "Only</TD></TR>\r\n<TR>" + kOdd + "1</TD></TR>\r\n<TR>" + kEven
                     + "2</TD></TR>\r\n</TBODY></TABLE></BODY></HTML>",
                 "<?xml version=\"1.0\"?><Dataset1><DataRow><Only>1</Only></DataRow>\r\n<DataRow>"
                 "<Only>2</Only></DataRow>\r\n</Dataset1>"},
        TextCase{"NoRecords",
                 {{"A", "B"}},
                 "\"A\",\"B\"\r\n",
                 kHead + "<TR>" + kEven + "A</TD>" + kEven + "B</TD></TR>\r\n</TBODY></TABLE></BODY></HTML>",
                 "<?xml version=\"1.0\"?><Dataset1></Dataset1>"},
        // Markup in cells is escaped in HTML and XML; the comma text keeps it as it stands.
        TextCase{"MarkupInCells",
                 {{"Tag", "Amp"}, {"<script>a<b</script>", "R&D > 1"}},
                 "\"Tag\",\"Amp\"\r\n\"<script>a<b</script>\",\"R&D > 1\"\r\n",
                 kHead + "<TR>" + kEven + "Tag</TD>" + kEven + "Amp</TD></TR>\r\n<TR>" + kOdd
                     + "&lt;script&gt;a&lt;b&lt;/script&gt;</TD>" + kOdd
                     + "R&amp;D &gt; 1</TD></TR>\r\n</TBODY></TABLE></BODY></HTML>",
                 "<?xml version=\"1.0\"?><Dataset1><DataRow><Tag>&lt;script&gt;a&lt;b&lt;/script&gt;"
                 "</Tag><Amp>R&amp;D &gt; 1</Amp></DataRow>\r\n</Dataset1>"},
        // New-project labels and other labels that are no element names as they stand.
        TextCase{"LabelsThatAreNoNames",
                 {{"Column:1", "2nd", "", "a<b", "-x", "Größe"}, {"1", "2", "3", "4", "5", "ü€"}},
                 "\"Column:1\",\"2nd\",\"\",\"a<b\",\"-x\",\"Größe\"\r\n\"1\",\"2\",\"3\",\"4\",\"5\",\"ü€\"\r\n",
                 kHead + "<TR>" + kEven + "Column:1</TD>" + kEven + "2nd</TD>" + kEven + "</TD>" + kEven
                     + "a&lt;b</TD>" + kEven + "-x</TD>" + kEven + "Größe</TD></TR>\r\n<TR>" + kOdd + "1</TD>"
                     + kOdd + "2</TD>" + kOdd + "3</TD>" + kOdd + "4</TD>" + kOdd + "5</TD>" + kOdd
                     + "ü€</TD></TR>\r\n</TBODY></TABLE></BODY></HTML>",
                 "<?xml version=\"1.0\"?><Dataset1><DataRow><Column_1>1</Column_1><_2nd>2</_2nd><_>3</_>"
                 "<a_b>4</a_b><_-x>5</_-x><Größe>ü€</Größe></DataRow>\r\n</Dataset1>"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    TableCells cells;
    int col;
    int row;
};

std::ostream& operator<<(std::ostream& out, const RefusalCase& c) { return out << c.name; }

class ExportRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

// The refusal names the first offending cell of the last offending row, and no text is built.
TEST_P(ExportRefusalTest, EveryFormatRefuses)
{
    const RefusalCase& c = GetParam();
    for (const ExportText& text : {BuildCommaText(c.cells, ExportEncoding::Utf8),
                                   BuildHtmlText(c.cells, ExportEncoding::Latin1), BuildXmlText(c.cells)}) {
        EXPECT_TRUE(text.refused);
        EXPECT_TRUE(text.bytes.empty());
        EXPECT_EQ(text.refusedCol, c.col);
        EXPECT_EQ(text.refusedRow, c.row);
    }
}

INSTANTIATE_TEST_SUITE_P(
    DisallowedCharacters, ExportRefusalTest,
    ::testing::Values(RefusalCase{"LineFeed", {{"A", "B"}, {"x", "a\nb"}}, 2, 1},
                      RefusalCase{"CarriageReturn", {{"A", "B"}, {"\r", "y"}}, 1, 1},
                      RefusalCase{"Backspace", {{"A", "B"}, {"x", "y"}, {"p", "q\b"}}, 2, 2},
                      RefusalCase{"LastOffendingRowWins",
                                  {{"A", "B", "C"}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""},
                                   {"", "5\n", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""},
                                   {"", "9\n", "9\n"}, {"", "", ""}},
                                  2, 9}),
    [](const auto& info) { return std::string(info.param.name); });

// A line break in a label refuses the comma and HTML texts on the header row; the XML
// document, which puts labels into every record, on the last record.
TEST(ExportRefusal, LabelWithLineBreak)
{
    const TableCells cells{{"A", "B\nC"}, {"1", "2"}, {"3", "4"}};
    const ExportText comma = BuildCommaText(cells, ExportEncoding::Utf8);
    EXPECT_TRUE(comma.refused);
    EXPECT_EQ(comma.refusedRow, 0);
    EXPECT_EQ(comma.refusedCol, 2);
    const ExportText xml = BuildXmlText(cells);
    EXPECT_TRUE(xml.refused);
    EXPECT_EQ(xml.refusedRow, 2);
    EXPECT_EQ(xml.refusedCol, 2);
}

TEST(ExportEncoding, CommaAndHtmlFollowTheFileEncodingXmlIsUtf8)
{
    const TableCells cells{{"Größe"}, {"ü"}};
    EXPECT_EQ(BuildCommaText(cells, ExportEncoding::Latin1).bytes, "\"Gr\xF6\xDF" "e\"\r\n\"\xFC\"\r\n");
    EXPECT_EQ(BuildCommaText(cells, ExportEncoding::Utf8).bytes, "\"Größe\"\r\n\"ü\"\r\n");
    EXPECT_NE(BuildHtmlText(cells, ExportEncoding::Latin1).bytes.find(kOdd + "\xFC</TD>"), std::string::npos);
    EXPECT_EQ(BuildXmlText(cells).bytes,
              "<?xml version=\"1.0\"?><Dataset1><DataRow><Größe>ü</Größe></DataRow>\r\n</Dataset1>");
}

// A Latin-1 file whose grid gained a character that Latin-1 cannot hold is written as UTF-8
// rather than losing the character.
TEST(ExportEncoding, Latin1FallsBackToUtf8RatherThanLosingCharacters)
{
    const TableCells cells{{"Preis"}, {"5 €"}, {"ü"}};
    const ExportText text = BuildCommaText(cells, ExportEncoding::Latin1);
    EXPECT_EQ(text.encoding, ExportEncoding::Utf8);
    EXPECT_EQ(text.bytes, "\"Preis\"\r\n\"5 €\"\r\n\"ü\"\r\n");
    EXPECT_EQ(BuildCommaText(TableCells{{"a"}, {"ü"}}, ExportEncoding::Latin1).encoding, ExportEncoding::Latin1);
}

// Characters beyond the basic plane are written whole; a lone surrogate, which no encoding
// holds, becomes U+FFFD; quotes and markup next to them are still escaped.
TEST(ExportEncoding, CharactersBeyondTheBasicPlaneBetweenEscapes)
{
    QString cell = QString::fromUtf8("a\"\xF0\x9F\x98\x80");
    cell += QChar(0xD800);
    cell += "&<";
    const TableCells cells{{"L"}, {cell}};
    EXPECT_EQ(BuildCommaText(cells, ExportEncoding::Utf8).bytes,
              "\"L\"\r\n\"a\"\"\xF0\x9F\x98\x80\xEF\xBF\xBD&<\"\r\n");
    EXPECT_NE(BuildHtmlText(cells, ExportEncoding::Utf8).bytes.find(kOdd + "a\"\xF0\x9F\x98\x80\xEF\xBF\xBD&amp;&lt;</TD>"),
              std::string::npos);
}

struct NameCase {
    QString label;
    QString name;
};

class XmlElementNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(XmlElementNameTest, MakesANameParsersAccept)
{
    EXPECT_EQ(XmlElementName(SpacesToUnderscores(GetParam().label)), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Labels, XmlElementNameTest,
                         ::testing::Values(NameCase{"City", "City"}, NameCase{"First Name", "First_Name"},
                                           NameCase{"a.b-c_1", "a.b-c_1"}, NameCase{"Column:12", "Column_12"},
                                           NameCase{"1st", "_1st"}, NameCase{".x", "_.x"},
                                           NameCase{"", "_"}, NameCase{"a&b<c>\"d'", "a_b_c__d_"},
                                           NameCase{"Größe", "Größe"}, NameCase{"€uro", "€uro"}, NameCase{"×2", "__2"},
                                           NameCase{"a\tb", "a_b"}));

TEST(SpacesToUnderscores, ReplacesEveryBlankOnly)
{
    EXPECT_EQ(SpacesToUnderscores("  a b:c "), "__a_b:c_");
}

} // namespace
