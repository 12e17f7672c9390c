#include "framework/Gdi.h"

#include <cstring>

#include "framework/FontMath.h"

int ScreenPixelsPerInchX()
{
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return pixelsPerInch;
}

BOOL CGdiObject::Attach(HGDIOBJ object)
{
    if (object == nullptr || m_hObject != nullptr)
        return FALSE;
    m_hObject = object;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* logFont)
{
    return Attach(::CreateFontIndirectW(logFont));
}

BOOL CFont::CreatePointFont(int tenths, LPCTSTR face, HDC dc)
{
    LOGFONTW logFont;
    std::memset(&logFont, 0, sizeof(logFont));
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = tenths;
    lstrcpynW(logFont.lfFaceName, face, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTW* logFont, HDC dc)
{
    HDC device = dc != nullptr ? dc : GetDC(nullptr);
    LOGFONTW scaled = *logFont;
    scaled.lfHeight = PointFontHeight(GetDeviceCaps(device, LOGPIXELSY), logFont->lfHeight);
    if (dc == nullptr)
        ReleaseDC(nullptr, device);
    return CreateFontIndirect(&scaled);
}

BOOL CFont::GetLogFont(LOGFONTW* logFont) const
{
    return GetObjectW(m_hObject, sizeof(LOGFONTW), logFont) != 0;
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    return Attach(::CreateSolidBrush(color));
}

BOOL CBitmap::CreateCompatibleBitmap(HDC dc, int cx, int cy)
{
    return Attach(::CreateCompatibleBitmap(dc, cx, cy));
}

CDC::~CDC()
{
    DeleteDC();
}

BOOL CDC::CreateCompatibleDC(HDC dc)
{
    if (m_hDC != nullptr)
        return FALSE;
    m_hDC = ::CreateCompatibleDC(dc);
    m_owned = m_hDC != nullptr;
    return m_owned;
}

BOOL CDC::Attach(HDC dc)
{
    if (dc == nullptr || m_hDC != nullptr)
        return FALSE;
    m_hDC = dc;
    m_owned = false;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC dc = m_hDC;
    m_hDC = nullptr;
    m_owned = false;
    return dc;
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    const bool owned = m_owned;
    HDC dc = Detach();
    return owned ? ::DeleteDC(dc) : TRUE;
}

CPaintDC::CPaintDC(HWND window) : m_window(window)
{
    Attach(BeginPaint(window, &m_ps));
}

CPaintDC::~CPaintDC()
{
    if (m_hDC != nullptr) {
        Detach();
        EndPaint(m_window, &m_ps);
    }
}

CClientDC::CClientDC(HWND window) : CClientDC(window, GetDC(window)) {}

CClientDC::CClientDC(HWND window, HDC dc) : m_window(window)
{
    Attach(dc);
}

CClientDC::~CClientDC()
{
    if (HDC dc = Detach())
        ReleaseDC(m_window, dc);
}

CWindowDC::CWindowDC(HWND window) : CClientDC(window, GetWindowDC(window)) {}
