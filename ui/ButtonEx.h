// CButtonEx: a push button with its own text colour, background colour and a font sized for 96 DPI.
// Not owner-drawn: it answers the control-colour notification that its parent reflects to it.
#pragma once

#include "framework/Gdi.h"
#include "framework/Wnd.h"

class CButtonEx : public CButton {
public:
    CButtonEx();
    ~CButtonEx() override;

    // Points as at 96 DPI: the font gets ⌊96 ÷ LOGPIXELSX × points⌋ points.
    void SetFontSize(int points);
    // Weight 700 when `bold` is exactly TRUE (1), otherwise 400.
    void SetFontBold(BOOL bold);
    // The face in g_szFontFace, with the current size and weight.
    void ApplyDefaultFace();
    // Colours are GDI+ ARGB values; they are kept as COLORREF, the alpha dropped. Nothing is repainted.
    void SetTextColor(DWORD argb);
    void SetFaceColor(DWORD argb);

    // The reflected WM_CTLCOLOR*: sets the colours on the DC and returns the background brush, or
    // the stock NULL_BRUSH without one.
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    COLORREF m_textColor;
    COLORREF m_faceColor;
    CFont* m_pFont;
    CBrush* m_pFaceBrush;
    int m_pointSize;

protected:
    // Frees the GDI font and brush; the objects stay until the destructor.
    void OnDestroy();
    // The font, made first as 10 points of Arial at weight 400; nullptr when none could be made.
    CFont* EnsureFont();
    CFont* RebuildFont(int tenths, const WCHAR* face, int weight);
    // Rebuilds the font at the current point size and gives it to the button, with a redraw.
    void RebuildAndApply(const WCHAR* face, int weight);
};

// Prepares a dialog button: size, regular weight, text colour, the program's face, background colour,
// and the caption from string `stringId` (empty when no module holds it), in this order.
void SetupButton(CButtonEx& button, UINT stringId, float points, DWORD textArgb, DWORD faceArgb);
