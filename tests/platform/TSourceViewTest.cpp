#include "platform/TSourceView.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

const QString Prefix = "SOURCE: \r\n\r\n";

std::shared_ptr<const std::string> Bytes(std::string text)
{
    return std::make_shared<const std::string>(std::move(text));
}

} // namespace

struct FaultLineCase {
    const char* name;
    std::string text;
    TextEncoding encoding;
    qsizetype errorStart;  // byte offsets of the line to mark
    qsizetype errorEnd;
    const char* expected;  // UTF-8
};

class SourceViewFaultLineTest : public ::testing::TestWithParam<FaultLineCase> {};

// The fault mark: byte offsets mapped to positions select exactly the faulty line.
TEST_P(SourceViewFaultLineTest, MarksExactlyTheLine)
{
    const FaultLineCase& c = GetParam();
    TSourceView view;
    view.resize(300, 100);
    view.SetText(Prefix, Bytes(c.text), c.encoding);
    const int start = view.PositionOfByte(c.errorStart);
    view.SetSelStart(start);
    view.SetSelLength(view.PositionOfByte(c.errorEnd) - start);
    view.SetSelectionColor(QColor(255, 0, 0));
    EXPECT_EQ(view.SelectedText(), QString::fromUtf8(c.expected));
    EXPECT_EQ(view.Text().mid(view.SelStart(), view.SelLength()), QString::fromUtf8(c.expected));
    EXPECT_EQ(view.ColorAt(start), QColor(255, 0, 0));
    EXPECT_NE(view.ColorAt(start - 1), QColor(255, 0, 0));
    EXPECT_EQ(view.TextLength(), view.Text().size());
}

INSTANTIATE_TEST_SUITE_P(LineEnds, SourceViewFaultLineTest,
    ::testing::Values(
        FaultLineCase{"CrLf", "\"a\"\r\n\"bad\r\n\"c\"\r\n", Utf8, 5, 11, "\"bad\r\n"},
        FaultLineCase{"Lf", "\"a\"\n\"bad\n\"c\"\n", Utf8, 4, 9, "\"bad\n"},
        FaultLineCase{"Cr", "\"a\"\r\"bad\r\"c\"\r", Utf8, 4, 9, "\"bad\r"},
        FaultLineCase{"Utf8Before", "\"\xC3\xA9\xF0\x9F\x98\x80\"\r\n\"bad\"\r\n", Utf8, 10, 17, "\"bad\"\r\n"},
        FaultLineCase{"Utf8Inside", "\"a\"\n\"\xC3\xA9t\xC3\xA9\"\n", Utf8, 4, 12, "\"\xC3\xA9t\xC3\xA9\"\n"},
        FaultLineCase{"Latin1", "\"\xE9\"\r\n\"b\xE9\"\r\n", Latin1, 5, 11, "\"b\xC3\xA9\"\r\n"},
        FaultLineCase{"LastLineWithoutBreak", "\"a\"\n\"bad", Utf8, 4, 8, "\"bad"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SourceViewTest, PrefixLinesAndPositions)
{
    TSourceView view;
    view.SetText(Prefix, Bytes("x\r\ny"), Utf8);
    EXPECT_EQ(view.LineCount(), 4);
    EXPECT_EQ(view.PositionOfByte(0), 12);
    EXPECT_EQ(view.PositionOfByte(3), 15);
    EXPECT_EQ(view.Text(), Prefix + "x\r\ny");
    view.SetSelStart(0);
    view.SetSelLength(1);
    EXPECT_EQ(view.SelectedText(), "S");
}

TEST(SourceViewTest, SelectionStaysInsideTheText)
{
    TSourceView view;
    view.SetText(Prefix, Bytes("abc"), Latin1);
    view.SetSelStart(14);
    view.SetSelLength(100);
    EXPECT_EQ(view.SelLength(), 1);
    view.SetSelStart(-5);
    EXPECT_EQ(view.SelStart(), 0);
    view.SetSelStart(1000);
    EXPECT_EQ(view.SelStart(), 15);
    view.Clear();
    EXPECT_EQ(view.TextLength(), 0);
    EXPECT_EQ(view.SelectedText(), "");
}

TEST(SourceViewTest, TheTextIsSharedNotCopied)
{
    auto bytes = Bytes("\"a\"\r\n");
    TSourceView view;
    view.SetText(Prefix, bytes, Utf8);
    EXPECT_EQ(bytes.use_count(), 2);
}

TEST(SourceViewTest, MarkedLineIsDrawnRedWithoutFocus)
{
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "\"row " + std::to_string(i) + "\"\r\n";
    TSourceView view;
    view.resize(400, 200);
    view.show();
    view.SetText(Prefix, Bytes(text), Utf8);
    const qsizetype line = text.find("\"row 4000\"");
    view.SetSelStart(view.PositionOfByte(line));
    view.SetSelLength(12);
    view.SetSelectionColor(QColor(255, 0, 0));
    ASSERT_FALSE(view.hasFocus());
    QImage image(view.size(), QImage::Format_RGB32);
    view.render(&image);
    int reddish = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            reddish += c.red() > 150 && c.green() < 100 && c.blue() < 130;
        }
    }
    EXPECT_GT(reddish, 5) << "the marked line was scrolled into view and drawn red";
}

TEST(SourceViewTest, CtrlCCopiesTheSelection)
{
    TSourceView view;
    view.SetText(Prefix, Bytes("\"one\"\n\"two\"\n"), Utf8);
    view.SetSelStart(view.PositionOfByte(6));
    view.SetSelLength(5);
    QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, "c");
    QApplication::sendEvent(&view, &copy);
    EXPECT_EQ(QApplication::clipboard()->text(), "\"two\"");
}
