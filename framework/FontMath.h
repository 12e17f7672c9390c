// The font-height rule of CFont::CreatePointFont and CreatePointFontIndirect.
#pragma once

#include <cstdint>
#include <cstdlib>

// MulDiv: a × b ÷ c computed in 64 bits and rounded half away from zero; −1 when c is 0.
inline int MulDivRounded(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = std::llabs(static_cast<std::int64_t>(c)) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = (std::llabs(product) + half) / std::llabs(static_cast<std::int64_t>(c));
    return static_cast<int>(negative ? -magnitude : magnitude);
}

// The pixel height of a font of `tenths` tenths of a point on a device of `logPixelsY` pixels per inch:
// −|MulDiv(LOGPIXELSY, tenths, 720)|.
inline int PointFontHeight(int logPixelsY, int tenths)
{
    return -std::abs(MulDivRounded(logPixelsY, tenths, 720));
}
