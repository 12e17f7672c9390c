// CCustomStatic: a static control that draws its own text with GDI+ (face, size, style, ARGB colour,
// wrapped at the client width) and can tell how high a text lays out at a width.
//
// It makes GDI+ objects when constructed and deletes them when destroyed: GDI+ must be running for
// the whole life of the object.
#pragma once

#include "framework/Gdi.h"
#include "framework/Wnd.h"

// A GDI+ font family with the status of its creation, allocated with GdipAlloc.
struct CGdiplusFontFamily {
    Gdiplus::GpFontFamily* family = nullptr;
    GpStatus lastStatus = Ok;
};

class CCustomStatic : public CStatic {
public:
    CCustomStatic();
    ~CCustomStatic() override;

    // Points as at 96 DPI: the em size becomes points × 96 ÷ LOGPIXELSX (in UnitPoint). Always TRUE.
    BOOL SetFontSize(float points);
    void SetFontStyle(INT style);
    void SetTextColor(DWORD argb);
    // The face, or "Arial" in its place when it is not installed. TRUE when a family object exists.
    BOOL SetFontName(const WString& face);
    void SetAlignment(Gdiplus::StringAlignment alignment);
    void SetLineAlignment(Gdiplus::StringAlignment alignment);
    // Stores the text, sets the window text and always asks for a repaint. Always TRUE.
    BOOL SetText(const WString& text);
    // The height in pixels that `text` (empty: the control's own text) needs at `width` pixels (0:
    // the client width); 0 when there is no text or measuring keeps failing (5 tries, 10 ms apart).
    int GetTextHeight(const WString& text, int width);

    BOOL PreTranslateMessage(MSG* message) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    CDC* m_pBufferDC = nullptr;
    CBitmap* m_pBufferBitmap = nullptr;
    BOOL m_written = FALSE;
    BOOL m_bufferValid = FALSE;
    CGdiplusFontFamily* m_pFontFamily = nullptr;
    float m_fontSize = 28.0f;
    INT m_fontStyle = 0;
    Gdiplus::Unit m_fontUnit = Gdiplus::UnitPoint;
    Gdiplus::GpStringFormat* m_format = nullptr;
    DWORD m_textColor = 0xFFFFFFFF;
    WString m_text;

protected:
    void PreSubclassWindow() override;
    void OnPaint();
    void InvalidateRendering();
    CGdiplusFontFamily* GetFontFamily();
    CGdiplusFontFamily* CreateFontFamily(const WString& face);
    CDC* PrepareBackBuffer(CDC* windowDC);
    // A GDI+ font of the family, size, style and unit that drawing and measuring share (caller deletes).
    Gdiplus::GpFont* CreateControlFont();

private:
    void DeleteFontFamily();
    void InvalidateWithoutErase();
};
