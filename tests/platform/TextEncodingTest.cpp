#include "platform/TextEncoding.h"
#include "platform/VirtualKeys.h"

#include <gtest/gtest.h>

struct EncodingCase {
    const char* name;
    std::string bytes;
    TextEncoding expected;
};

class DetectEncodingTest : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(DetectEncodingTest, FindsTheEncoding)
{
    EXPECT_EQ(DetectEncoding(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, DetectEncodingTest,
    ::testing::Values(
        EncodingCase{"Empty", "", Utf8},
        EncodingCase{"Ascii", "\"a\",\"b\"\r\n", Utf8},
        EncodingCase{"TwoByte", "caf\xC3\xA9", Utf8},
        EncodingCase{"FourByte", "\xF0\x9F\x98\x80 long ascii tail after it", Utf8},
        EncodingCase{"Latin1Byte", "caf\xE9 au lait", Latin1},
        EncodingCase{"TruncatedAtEnd", "abc\xE2\x82", Latin1},
        EncodingCase{"Overlong", "\xC0\xAF", Latin1},
        EncodingCase{"Surrogate", "\xED\xA0\x80", Latin1},
        EncodingCase{"AboveUnicode", "\xF4\x90\x80\x80", Latin1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextEncodingTest, DecodeAndEncodeGiveBackTheBytes)
{
    const std::string latin = "a\xE9\xFF\x80";
    EXPECT_EQ(EncodeText(DecodeText(latin, Latin1), Latin1), latin);
    const std::string utf8 = "a\xC3\xA9\xF0\x9F\x98\x80";
    EXPECT_EQ(EncodeText(DecodeText(utf8, Utf8), Utf8), utf8);
    EXPECT_EQ(DecodedLength(utf8, Utf8), DecodeText(utf8, Utf8).size());
    EXPECT_EQ(DecodedLength(latin, Latin1), 4);
    EXPECT_EQ(EncodeText(QString::fromUtf8("\xE2\x82\xAC"), Latin1), "?");
}

struct DecodeCase {
    const char* name;
    std::string bytes;
    TextEncoding encoding;
};

class DecodeTextTest : public ::testing::TestWithParam<DecodeCase> {};

// The short-text path and the word-at-a-time length count must agree with Qt's decoders,
// whatever the length and wherever the multi-byte characters fall in a word.
TEST_P(DecodeTextTest, AgreesWithQtsDecoders)
{
    const DecodeCase& c = GetParam();
    const auto size = qsizetype(c.bytes.size());
    const QString expected = c.encoding == Utf8 ? QString::fromUtf8(c.bytes.data(), size)
                                                : QString::fromLatin1(c.bytes.data(), size);
    EXPECT_EQ(DecodeText(c.bytes, c.encoding), expected);
    EXPECT_EQ(DecodedLength(c.bytes, c.encoding), expected.size());
    EXPECT_EQ(EncodeText(DecodeText(c.bytes, c.encoding), c.encoding), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(Texts, DecodeTextTest,
    ::testing::Values(
        DecodeCase{"Empty", "", Utf8},
        DecodeCase{"ShortAscii", "cell 17", Utf8},
        DecodeCase{"ShortLatin1High", "\xE9t\xE9 \xFF\x80", Latin1},
        DecodeCase{"ShortUtf8", "caf\xC3\xA9", Utf8},
        DecodeCase{"LongAscii", std::string(200, 'x') + "end", Utf8},
        DecodeCase{"LongLatin1", std::string(100, '\xE9') + "abc", Latin1},
        DecodeCase{"MultiByteAcrossWords", "abcdef\xC3\xA9gh\xE2\x82\xACij\xF0\x9F\x98\x80klmnopqrstu", Utf8},
        DecodeCase{"FourByteAtWordStarts", "\xF0\x9F\x98\x80\xF0\x9F\x98\x81\xF0\x9F\x98\x82\xF0\x9F\x98\x83", Utf8},
        DecodeCase{"LongMixed", std::string(70, 'a') + "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80" + std::string(9, 'b'),
                   Utf8}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VirtualKeysTest, GivesTheWindowsCodes)
{
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Escape, Qt::NoModifier), 27);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_PageUp, Qt::NoModifier), 33);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Down, Qt::NoModifier), 40);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_F1, Qt::NoModifier), 112);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_F24, Qt::NoModifier), 135);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Shift, Qt::ShiftModifier), 16);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Control, Qt::ControlModifier), 17);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Alt, Qt::AltModifier), 18);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Tab, Qt::NoModifier), 9);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Backtab, Qt::ShiftModifier), 9);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_A, Qt::NoModifier), 65);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Exclam, Qt::ShiftModifier), 49);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_5, Qt::KeypadModifier), 101);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Delete, Qt::NoModifier), 46);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Print, Qt::NoModifier), 44);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Return, Qt::NoModifier), 13);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_unknown, Qt::NoModifier), UnknownVirtualKey);
}
