#include "ui/ButtonEx.h"

#include <new>

#include "app/VexprobeApp.h"
#include "framework/Resources.h"
#include "ui/ControlMetrics.h"

namespace {

CBrush* NewSolidBrush(COLORREF color)
{
    return new (std::nothrow) CBrush(color);
}

}  // namespace

CButtonEx::CButtonEx() : m_textColor(0), m_faceColor(0xEBEBEB), m_pFont(nullptr), m_pFaceBrush(nullptr), m_pointSize(10)
{
    m_pFaceBrush = NewSolidBrush(m_faceColor);
}

CButtonEx::~CButtonEx()
{
    delete m_pFont;
    m_pFont = nullptr;
    delete m_pFaceBrush;
    m_pFaceBrush = nullptr;
}

CFont* CButtonEx::RebuildFont(int tenths, const WCHAR* face, int weight)
{
    if (m_pFont == nullptr) {
        // Only the starting description: it is replaced below.
        m_pFont = new (std::nothrow) CFont;
        if (m_pFont == nullptr)
            return nullptr;
        m_pFont->CreatePointFont(tenths, face);
    }
    LOGFONTW description = {};
    m_pFont->GetLogFont(&description);
    description.lfHeight = tenths;  // tenths of a point, as CreatePointFontIndirect takes them
    description.lfWeight = weight;
    lstrcpynW(description.lfFaceName, face, LF_FACESIZE);
    delete m_pFont;
    m_pFont = new (std::nothrow) CFont;
    if (m_pFont != nullptr)
        m_pFont->CreatePointFontIndirect(&description);
    return m_pFont;
}

CFont* CButtonEx::EnsureFont()
{
    if (m_pFont == nullptr) {
        m_pointSize = ButtonPointSize(ScreenPixelsPerInchX(), 10.0);
        RebuildFont(m_pointSize * 10, L"Arial", 400);
    }
    return m_pFont != nullptr && m_pFont->GetSafeHandle() != nullptr ? m_pFont : nullptr;
}

void CButtonEx::RebuildAndApply(const WCHAR* face, int weight)
{
    RebuildFont(m_pointSize * 10, face, weight);
    if (m_pFont != nullptr)
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_pFont->GetSafeHandle()), 1);
}

void CButtonEx::SetFontSize(int points)
{
    if (EnsureFont() == nullptr)
        return;
    m_pointSize = ButtonPointSize(ScreenPixelsPerInchX(), points);
    LOGFONTW current = {};
    m_pFont->GetLogFont(&current);
    RebuildAndApply(current.lfFaceName, current.lfWeight);
}

void CButtonEx::SetFontBold(BOOL bold)
{
    if (EnsureFont() == nullptr)
        return;
    LOGFONTW current = {};
    m_pFont->GetLogFont(&current);
    RebuildAndApply(current.lfFaceName, bold == TRUE ? 700 : 400);
}

void CButtonEx::ApplyDefaultFace()
{
    if (EnsureFont() == nullptr)
        return;
    LOGFONTW current = {};
    m_pFont->GetLogFont(&current);
    RebuildAndApply(g_szFontFace, current.lfWeight);
}

void CButtonEx::SetTextColor(DWORD argb)
{
    m_textColor = ArgbToColorRef(argb);
}

void CButtonEx::SetFaceColor(DWORD argb)
{
    m_faceColor = ArgbToColorRef(argb);
    delete m_pFaceBrush;
    m_pFaceBrush = NewSolidBrush(m_faceColor);
}

HBRUSH CButtonEx::CtlColor(CDC* pDC, UINT)
{
    pDC->SetTextColor(m_textColor);
    pDC->SetBkColor(m_faceColor);
    if (m_pFaceBrush == nullptr)
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    return m_pFaceBrush->GetSafeHandle();
}

void CButtonEx::OnDestroy()
{
    Default();
    if (m_pFont != nullptr)
        m_pFont->DeleteObject();
    if (m_pFaceBrush != nullptr)
        m_pFaceBrush->DeleteObject();
}

BOOL CButtonEx::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message >= OCM__BASE + WM_CTLCOLORMSGBOX && message <= OCM__BASE + WM_CTLCOLORSTATIC) {
        CDC dc;
        dc.Attach(reinterpret_cast<HDC>(wParam));
        *result = reinterpret_cast<LRESULT>(CtlColor(&dc, message - OCM__BASE - WM_CTLCOLORMSGBOX));
        dc.Detach();
        return TRUE;
    }
    if (message == WM_DESTROY) {
        OnDestroy();
        *result = 0;
        return TRUE;
    }
    return CButton::OnWndMsg(message, wParam, lParam, result);
}

void SetupButton(CButtonEx& button, UINT stringId, float points, DWORD textArgb, DWORD faceArgb)
{
    button.SetFontSize(static_cast<int>(points));
    button.SetFontBold(FALSE);
    button.SetTextColor(textArgb);
    button.ApplyDefaultFace();
    button.SetFaceColor(faceArgb);
    button.SetWindowText(AfxLoadString(stringId).c_str());
}
