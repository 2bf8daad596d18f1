#include "platform/TextEncoding.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::uint64_t HighBits = 0x8080808080808080ull;

// Grid cells are mostly short: for them a plain widening loop costs less than setting up
// Qt's decoders.
constexpr std::size_t ShortText = 64;

bool IsAscii(std::string_view bytes)
{
    unsigned char seen = 0;
    for (const char c : bytes)
        seen |= static_cast<unsigned char>(c);
    return seen < 0x80;
}

// Each byte becomes the character of the same code: Latin-1, and ASCII in any encoding.
QString Widen(std::string_view bytes)
{
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char c : bytes)
        *out++ = static_cast<unsigned char>(c);
    return text;
}

// Length of the well-formed UTF-8 sequence starting at p (end excluded), or 0.
int SequenceLength(const unsigned char* p, const unsigned char* end)
{
    const unsigned char lead = p[0];
    auto continuation = [&](int i) { return p + i < end && (p[i] & 0xC0) == 0x80; };
    if (lead >= 0xC2 && lead <= 0xDF)
        return continuation(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (!continuation(1) || !continuation(2))
            return 0;
        if (lead == 0xE0 && p[1] < 0xA0)
            return 0;  // overlong
        if (lead == 0xED && p[1] >= 0xA0)
            return 0;  // surrogate
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (!continuation(1) || !continuation(2) || !continuation(3))
            return 0;
        if (lead == 0xF0 && p[1] < 0x90)
            return 0;  // overlong
        if (lead == 0xF4 && p[1] >= 0x90)
            return 0;  // above U+10FFFF
        return 4;
    }
    return 0;
}

} // namespace

bool IsValidUtf8(std::string_view bytes)
{
    auto p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto end = p + bytes.size();
    while (p < end) {
        // Plain ASCII runs are checked eight bytes at a time.
        while (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if (word & HighBits)
                break;
            p += 8;
        }
        if (p == end)
            break;
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const int length = SequenceLength(p, end);
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

TextEncoding DetectEncoding(std::string_view bytes)
{
    return IsValidUtf8(bytes) ? Utf8 : Latin1;
}

QString DecodeText(std::string_view bytes, TextEncoding encoding)
{
    if (bytes.empty())
        return QString();
    if (bytes.size() <= ShortText && (encoding == Latin1 || IsAscii(bytes)))
        return Widen(bytes);
    const auto size = qsizetype(bytes.size());
    return encoding == Utf8 ? QString::fromUtf8(bytes.data(), size) : QString::fromLatin1(bytes.data(), size);
}

std::string EncodeText(const QString& text, TextEncoding encoding)
{
    const QByteArray bytes = encoding == Utf8 ? text.toUtf8() : text.toLatin1();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

qsizetype DecodedLength(std::string_view bytes, TextEncoding encoding)
{
    if (encoding == Latin1)
        return qsizetype(bytes.size());
    // Every byte that is not a continuation byte (10xxxxxx) starts one character; four-byte
    // sequences (lead 11110xxx) need a surrogate pair, so their lead byte counts twice.
    // Eight bytes at a time: shifting a word left by k brings bit 7 - k of each byte to its
    // top bit.
    qsizetype count = qsizetype(bytes.size());
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    for (; end - p >= 8; p += 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        if (!(word & HighBits))
            continue;
        const std::uint64_t continuation = word & ~(word << 1) & HighBits;
        const std::uint64_t fourByteLead = word & (word << 1) & (word << 2) & (word << 3) & HighBits;
        count += std::popcount(fourByteLead) - std::popcount(continuation);
    }
    for (; p < end; ++p) {
        const auto b = static_cast<unsigned char>(*p);
        count += (b >= 0xF0) - ((b & 0xC0) == 0x80);
    }
    return count;
}
