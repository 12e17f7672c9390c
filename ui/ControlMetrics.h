// The arithmetic of the dialog's 96-DPI layout and of its controls, kept apart from the windows so it
// can be checked on its own.
#pragma once

#include "platform/win32.h"

// ⌊v + 0.5⌋: add a half in double precision, then truncate toward zero (−3.2 gives −2).
inline int RoundHalfUp(double v)
{
    return static_cast<int>(v + 0.5);
}

// A template's 16-bit point-size field that holds a negative number stands for its magnitude.
inline int PointSizeMagnitude(int field)
{
    return field > 32767 ? (65536 - field) % 65536 : field;
}

// The dialog font's pixel height for a point size at `pixelsPerInch` (CreateFontW's height).
inline int DialogFontHeight(int pointSize, double pixelsPerInch)
{
    return -RoundHalfUp(pointSize * pixelsPerInch / 72.0);
}

// The horizontal dialog base unit from the extent of the 52 ASCII letters (integer arithmetic).
inline int BaseUnitX(int alphabetExtent)
{
    return (alphabetExtent / 26 + 1) / 2;
}

// Dialog units to pixels with the measured base units.
inline int DialogUnitsToPixelsX(int units, double baseX)
{
    return RoundHalfUp(units * baseX * 0.25);
}
inline int DialogUnitsToPixelsY(int units, double baseY)
{
    return RoundHalfUp(units * baseY * 0.125);
}

// GDI+ 0xAARRGGBB to COLORREF 0x00BBGGRR: red and blue change places, alpha is dropped.
inline DWORD ArgbToColorRef(DWORD argb)
{
    return ((argb >> 16) & 0xFF) | (argb & 0xFF00) | ((argb & 0xFF) << 16);
}

// The styled button's point size for `points` at 96 DPI on a screen of `pixelsPerInchX`, truncated.
inline int ButtonPointSize(int pixelsPerInchX, double points)
{
    return static_cast<int>(96.0 / pixelsPerInchX * points);
}

// The text control's em size in points: GDI+ converts points with the surface's resolution, so this
// keeps the pixel size that `points` has at 96 DPI.
inline float TextControlEmSize(float points, int pixelsPerInchX)
{
    return static_cast<float>(96.0 / pixelsPerInchX * points);
}
