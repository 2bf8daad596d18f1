#pragma once
// Colour values as the form designs give them: 32 bits with red in the lowest byte, green
// in the next and blue in the third (0x00BBGGRR).

#include <QColor>
#include <cstdint>

using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clSilver = 0xC0C0C0;

inline QColor ToQColor(TColor colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

inline TColor ToTColor(const QColor& colour)
{
    return TColor(colour.red()) | (TColor(colour.green()) << 8) | (TColor(colour.blue()) << 16);
}
