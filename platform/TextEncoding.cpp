#include "platform/TextEncoding.h"

#include <cstdint>
#include <cstring>

namespace {

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
            if (word & 0x8080808080808080ull)
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
    // Every byte that is not a continuation byte starts one character; four-byte sequences
    // need a surrogate pair, so count their lead byte twice.
    qsizetype count = 0;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        count += ((b & 0xC0) != 0x80) + (b >= 0xF0);
    }
    return count;
}
