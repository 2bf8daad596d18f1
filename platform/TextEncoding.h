#pragma once
// The two encodings a loaded file is read in: UTF-8 when the whole text is valid UTF-8,
// otherwise Latin-1, which maps every byte to one character and so loses nothing.

#include <QString>
#include <string>
#include <string_view>

enum TextEncoding : int { Utf8, Latin1 };

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing
// above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Utf8 when the whole text is valid UTF-8, else Latin1.
TextEncoding DetectEncoding(std::string_view bytes);

QString DecodeText(std::string_view bytes, TextEncoding encoding);

// Latin-1 has no code for characters above U+00FF; they are written as '?'.
std::string EncodeText(const QString& text, TextEncoding encoding);

// The number of UTF-16 code units (QString positions) the bytes decode to.
qsizetype DecodedLength(std::string_view bytes, TextEncoding encoding);
