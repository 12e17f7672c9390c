// GDI objects and device contexts under MFC's names. Each object owns its handle and deletes it when
// it is destroyed; DeleteObject deletes it earlier and leaves the object empty.
#pragma once

#include "platform/win32.h"

// The screen's horizontal pixels per inch (LOGPIXELSX of a screen DC, released at once).
int ScreenPixelsPerInchX();

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    HGDIOBJ m_hObject = nullptr;
};

class CFont : public CGdiObject {
public:
    HFONT GetSafeHandle() const { return static_cast<HFONT>(m_hObject); }
    operator HFONT() const { return GetSafeHandle(); }

    BOOL CreateFontIndirect(const LOGFONTW* logFont);
    // A font of `tenths` tenths of a point: from an all-zero description with DEFAULT_CHARSET and
    // `face`, through CreatePointFontIndirect.
    BOOL CreatePointFont(int tenths, LPCTSTR face, HDC dc = nullptr);
    // `logFont->lfHeight` in tenths of a point becomes −|MulDiv(LOGPIXELSY, tenths, 720)| pixels of
    // the given device, or of the screen when there is none.
    BOOL CreatePointFontIndirect(const LOGFONTW* logFont, HDC dc = nullptr);
    BOOL GetLogFont(LOGFONTW* logFont) const;
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    HBRUSH GetSafeHandle() const { return static_cast<HBRUSH>(m_hObject); }
    BOOL CreateSolidBrush(COLORREF color);
};

class CBitmap : public CGdiObject {
public:
    HBITMAP GetSafeHandle() const { return static_cast<HBITMAP>(m_hObject); }
    BOOL CreateCompatibleBitmap(HDC dc, int cx, int cy);
};

// A device context object: a memory DC it made and deletes, or one it was given (Attach).
class CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    BOOL CreateCompatibleDC(HDC dc);
    BOOL Attach(HDC dc);
    HDC Detach();
    BOOL DeleteDC();

    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }

    HDC m_hDC = nullptr;

private:
    bool m_owned = false;
};

// The DC of BeginPaint, ended with EndPaint.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND window);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps = {};

private:
    HWND m_window;
};

// GetDC of a window's client area (CClientDC) or GetWindowDC of the whole window (CWindowDC), given
// back with ReleaseDC.
class CClientDC : public CDC {
public:
    explicit CClientDC(HWND window);
    ~CClientDC() override;

protected:
    CClientDC(HWND window, HDC dc);

private:
    HWND m_window;
};

class CWindowDC : public CClientDC {
public:
    explicit CWindowDC(HWND window);
};
