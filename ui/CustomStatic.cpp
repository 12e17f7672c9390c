#include "ui/CustomStatic.h"

#include <new>

#include "platform/scoped.h"
#include "ui/ControlMetrics.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

// SS_NOTIFY | SS_OWNERDRAW: clicks are reported, and the window's own static drawing never runs.
constexpr DWORD kOwnStyles = 0x010D;
constexpr int kMeasureAttempts = 5;
constexpr DWORD kMeasurePauseMs = 10;

// Scope objects for the GDI+ objects that one paint or one measurement makes.
template <typename T, GpStatus(WINGDIPAPI* Delete)(T*)>
struct GdiplusTraits {
    using Type = T*;
    static Type Empty() { return nullptr; }
    static void Close(Type object) { Delete(object); }
};
using CScopedGraphics = CUniqueResource<GdiplusTraits<GpGraphics, GdipDeleteGraphics>>;
using CScopedGpFont = CUniqueResource<GdiplusTraits<GpFont, GdipDeleteFont>>;
using CScopedBrush = CUniqueResource<GdiplusTraits<GpBrush, GdipDeleteBrush>>;
using CScopedStringFormat = CUniqueResource<GdiplusTraits<GpStringFormat, GdipDeleteStringFormat>>;

CScopedGraphics GraphicsOn(HDC dc)
{
    GpGraphics* graphics = nullptr;
    GdipCreateFromHDC(dc, &graphics);
    return CScopedGraphics(graphics);
}

}  // namespace

CCustomStatic::CCustomStatic()
{
    GdipCreateStringFormat(0, LANG_NEUTRAL, &m_format);
    GdipSetStringFormatAlign(m_format, StringAlignmentNear);
}

CCustomStatic::~CCustomStatic()
{
    delete m_pBufferDC;
    m_pBufferDC = nullptr;
    delete m_pBufferBitmap;
    m_pBufferBitmap = nullptr;
    DeleteFontFamily();
    if (m_format != nullptr)
        GdipDeleteStringFormat(m_format);
    m_format = nullptr;
}

void CCustomStatic::PreSubclassWindow()
{
    m_text = GetWindowText();
    ModifyStyle(0, kOwnStyles, 0);
    CStatic::PreSubclassWindow();
}

BOOL CCustomStatic::SetFontSize(float points)
{
    m_fontSize = TextControlEmSize(points, ScreenPixelsPerInchX());
    return TRUE;
}

void CCustomStatic::SetFontStyle(INT style)
{
    m_fontStyle = style;
    InvalidateRendering();
}

void CCustomStatic::SetTextColor(DWORD argb)
{
    m_textColor = argb;
    InvalidateRendering();
}

void CCustomStatic::SetAlignment(StringAlignment alignment)
{
    GdipSetStringFormatAlign(m_format, alignment);
}

void CCustomStatic::SetLineAlignment(StringAlignment alignment)
{
    GdipSetStringFormatLineAlign(m_format, alignment);
}

void CCustomStatic::InvalidateWithoutErase()
{
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CCustomStatic::InvalidateRendering()
{
    if (!m_written)
        return;
    m_bufferValid = FALSE;
    m_written = FALSE;
    InvalidateWithoutErase();
}

BOOL CCustomStatic::SetText(const WString& text)
{
    m_text = text;
    SetWindowText(m_text.c_str());
    m_bufferValid = FALSE;
    m_written = FALSE;
    InvalidateWithoutErase();
    return TRUE;
}

void CCustomStatic::DeleteFontFamily()
{
    if (m_pFontFamily == nullptr)
        return;
    if (m_pFontFamily->family != nullptr)
        GdipDeleteFontFamily(m_pFontFamily->family);
    m_pFontFamily->~CGdiplusFontFamily();
    GdipFree(m_pFontFamily);
    m_pFontFamily = nullptr;
}

CGdiplusFontFamily* CCustomStatic::CreateFontFamily(const WString& face)
{
    DeleteFontFamily();
    void* memory = GdipAlloc(sizeof(CGdiplusFontFamily));
    if (memory == nullptr)
        return nullptr;
    m_pFontFamily = new (memory) CGdiplusFontFamily;
    m_pFontFamily->lastStatus = GdipCreateFontFamilyFromName(face.c_str(), nullptr, &m_pFontFamily->family);
    return m_pFontFamily;
}

// Reads the family's last status and resets it to Ok, as GDI+'s GetLastStatus does.
static GpStatus TakeLastStatus(CGdiplusFontFamily* family)
{
    const GpStatus status = family->lastStatus;
    family->lastStatus = Ok;
    return status;
}

BOOL CCustomStatic::SetFontName(const WString& face)
{
    if (CreateFontFamily(face) != nullptr && TakeLastStatus(m_pFontFamily) == FontFamilyNotFound)
        CreateFontFamily(L"Arial");
    return m_pFontFamily != nullptr ? TRUE : FALSE;
}

CGdiplusFontFamily* CCustomStatic::GetFontFamily()
{
    if (m_pFontFamily != nullptr)
        return m_pFontFamily;
    if (CreateFontFamily(L"Calibri") == nullptr)
        return nullptr;
    if (TakeLastStatus(m_pFontFamily) == FontFamilyNotFound && m_hWnd != nullptr) {
        WString face = L"MS Shell Dlg 2";
        HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
        LOGFONTW description = {};
        if (font != nullptr && GetObjectW(font, sizeof(description), &description) != 0)
            face = description.lfFaceName;
        CreateFontFamily(face);
    }
    return m_pFontFamily;
}

CDC* CCustomStatic::PrepareBackBuffer(CDC* windowDC)
{
    RECT client;
    GetClientRect(&client);
    if (m_bufferValid)
        return m_pBufferDC;
    m_bufferValid = TRUE;
    delete m_pBufferDC;
    delete m_pBufferBitmap;
    m_pBufferDC = new CDC;
    m_pBufferDC->CreateCompatibleDC(windowDC->GetSafeHdc());
    m_pBufferBitmap = new CBitmap;
    m_pBufferBitmap->CreateCompatibleBitmap(windowDC->GetSafeHdc(), client.right, client.bottom);
    m_pBufferDC->SelectObject(m_pBufferBitmap->GetSafeHandle());
    // Start from what the control shows on screen.
    CClientDC screen(m_hWnd);
    BitBlt(m_pBufferDC->GetSafeHdc(), 0, 0, client.right, client.bottom, screen.GetSafeHdc(), client.left,
           client.top, SRCCOPY);
    return m_pBufferDC;
}

int CCustomStatic::GetTextHeight(const WString& text, int width)
{
    const WString measured = text.empty() ? m_text : text;
    if (measured.empty())
        return 0;
    int height = 0;
    for (int attempt = 0; attempt < kMeasureAttempts; ++attempt) {
        if (HDC windowDC = ::GetDC(m_hWnd)) {
            CDC window;
            window.Attach(windowDC);
            CDC* memory = PrepareBackBuffer(&window);
            RECT client;
            GetClientRect(&client);
            const REAL layoutWidth = static_cast<REAL>(width != 0 ? width : client.right);
            {
                CScopedGraphics graphics = GraphicsOn(memory->GetSafeHdc());
                CScopedGpFont font(CreateControlFont());
                GpStringFormat* clone = nullptr;
                GdipCloneStringFormat(m_format, &clone);
                CScopedStringFormat format(clone);
                const RectF layout(0.0f, 0.0f, layoutWidth, 1000.0f);
                RectF bounds(0.0f, 0.0f, 0.0f, 0.0f);
                GdipMeasureString(graphics.get(), measured.c_str(), -1, font.get(), &layout, format.get(), &bounds,
                                  nullptr, nullptr);
                height = static_cast<int>(bounds.Height);
            }
            window.Detach();
            ReleaseDC(m_hWnd, windowDC);
        }
        if (height > 0)
            return height;
        Sleep(kMeasurePauseMs);
    }
    return height;
}

void CCustomStatic::OnPaint()
{
    CPaintDC dc(m_hWnd);
    RECT client;
    GetClientRect(&client);
    m_written = TRUE;
    CScopedGraphics graphics = GraphicsOn(dc.GetSafeHdc());
    GpSolidFill* fill = nullptr;
    GdipCreateSolidFill(m_textColor, &fill);
    CScopedBrush brush(fill);
    const RectF layout(static_cast<REAL>(client.left), static_cast<REAL>(client.top),
                       static_cast<REAL>(client.right - client.left), static_cast<REAL>(client.bottom - client.top));
    CScopedGpFont font(CreateControlFont());
    GdipDrawString(graphics.get(), m_text.c_str(), -1, font.get(), &layout, m_format, brush.get());
}

GpFont* CCustomStatic::CreateControlFont()
{
    // From a family that was never found this fails, and nothing is drawn or measured with it.
    CGdiplusFontFamily* family = GetFontFamily();
    GpFont* font = nullptr;
    GdipCreateFont(family != nullptr ? family->family : nullptr, m_fontSize, m_fontStyle, m_fontUnit, &font);
    return font;
}

BOOL CCustomStatic::PreTranslateMessage(MSG* message)
{
    // A double-click on the control is never dispatched.
    if (message->message == WM_LBUTTONDBLCLK && message->hwnd == m_hWnd)
        return TRUE;
    return CStatic::PreTranslateMessage(message);
}

BOOL CCustomStatic::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_PAINT:
        OnPaint();
        *result = 0;
        return TRUE;
    case WM_ERASEBKGND:
        *result = 1;  // no background: the text goes over what the area shows
        return TRUE;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        *result = Default();
        InvalidateWithoutErase();
        return TRUE;
    case OCM__BASE + WM_COMMAND:
        if (HIWORD(wParam) != STN_CLICKED)
            return FALSE;
        *result = 0;  // consumed: a click does nothing, and the parent never sees it
        return TRUE;
    case OCM__BASE + WM_DRAWITEM:
        *result = TRUE;  // the owner-draw style's drawing is WM_PAINT's
        return TRUE;
    default:
        return CStatic::OnWndMsg(message, wParam, lParam, result);
    }
}
