#include <gtest/gtest.h>

#include "app/VexprobeApp.h"
#include "framework/FontMath.h"
#include "ui/ButtonEx.h"
#include "ui/CustomStatic.h"

namespace {

// A visible parent window of ours, which reflects notifications to its controls' objects.
class Controls : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        GdiplusStartupInput input;
        GdiplusStartup(&s_token, &input, nullptr);
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VexprobeTestParent";
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        RegisterClassW(&windowClass);
    }
    static void TearDownTestSuite() { GdiplusShutdown(s_token); }

    void SetUp() override
    {
        HWND window = CreateWindowExW(0, L"VexprobeTestParent", L"controls", WS_POPUP | WS_VISIBLE, 20, 20, 420, 300,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(m_parent.SubclassWindow(window));
    }
    void TearDown() override { DestroyWindow(m_parent.m_hWnd); }

    HWND AddChild(const wchar_t* className, const wchar_t* text, int id, int x, int y, int cx, int cy, DWORD style)
    {
        return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, m_parent.m_hWnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    }

    static LOGFONTW FontOf(HWND window)
    {
        LOGFONTW font = {};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(font), &font);
        return font;
    }

    CWnd m_parent;
    static ULONG_PTR s_token;
};
ULONG_PTR Controls::s_token = 0;

bool UpdatePending(HWND window)
{
    return GetUpdateRect(window, nullptr, FALSE) != FALSE;
}

}  // namespace

TEST_F(Controls, ButtonSizeAndWeight)
{
    CButtonEx button;
    ASSERT_TRUE(button.SubclassWindow(AddChild(L"BUTTON", L"b", 1, 10, 10, 120, 30, BS_PUSHBUTTON)));

    button.SetFontSize(12);
    EXPECT_EQ(button.m_pointSize, 12);
    LOGFONTW font = FontOf(button.m_hWnd);
    EXPECT_STREQ(font.lfFaceName, L"Arial");
    EXPECT_EQ(font.lfHeight, PointFontHeight(96, 120));

    button.SetFontBold(2);
    EXPECT_EQ(FontOf(button.m_hWnd).lfWeight, 400) << "only exactly TRUE means bold";
    button.SetFontBold(TRUE);
    EXPECT_EQ(FontOf(button.m_hWnd).lfWeight, 700);
    EXPECT_EQ(FontOf(button.m_hWnd).lfHeight, PointFontHeight(96, 120)) << "the size stays";
}

TEST_F(Controls, SetupButtonGivesArial13PixelsRegularAndTheCaption)
{
    CopyBounded(g_szFontFace, MAX_PATH, L"Arial");
    CButtonEx button;
    ASSERT_TRUE(button.SubclassWindow(AddChild(L"BUTTON", L"OK", 1, 10, 10, 160, 30, BS_PUSHBUTTON)));

    SetupButton(button, 131, 10.0f, 0xFF202020, 0xFFEBEBEB);

    const LOGFONTW font = FontOf(button.m_hWnd);
    EXPECT_STREQ(font.lfFaceName, L"Arial");
    EXPECT_EQ(font.lfHeight, -13);
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(button.GetWindowText(), L"Go to Support Site");
    EXPECT_EQ(button.m_textColor, RGB(32, 32, 32));
    EXPECT_EQ(button.m_faceColor, RGB(235, 235, 235));

    SetupButton(button, 4242, 10.0f, 0xFF202020, 0xFFEBEBEB);
    EXPECT_EQ(button.GetWindowText(), L"") << "a string no module holds gives an empty caption";
}

TEST_F(Controls, ButtonAnswersTheReflectedControlColour)
{
    CButtonEx button;
    ASSERT_TRUE(button.SubclassWindow(AddChild(L"BUTTON", L"b", 1, 10, 10, 120, 30, BS_PUSHBUTTON)));
    button.SetTextColor(0xFF102030);
    button.SetFaceColor(0xFF405060);
    HDC dc = GetDC(button.m_hWnd);

    const LRESULT brush = SendMessageW(m_parent.m_hWnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(button.m_hWnd));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), button.m_pFaceBrush->GetSafeHandle());
    EXPECT_EQ(GetTextColor(dc), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(GetBkColor(dc), RGB(0x40, 0x50, 0x60));

    delete button.m_pFaceBrush;
    button.m_pFaceBrush = nullptr;
    const LRESULT none = SendMessageW(m_parent.m_hWnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                      reinterpret_cast<LPARAM>(button.m_hWnd));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(none), GetStockObject(NULL_BRUSH));
    ReleaseDC(button.m_hWnd, dc);
}

TEST_F(Controls, ButtonDestroyFreesTheGdiObjectsAndKeepsTheObjects)
{
    auto* button = new CButtonEx;
    ASSERT_TRUE(button->SubclassWindow(AddChild(L"BUTTON", L"b", 1, 10, 10, 120, 30, BS_PUSHBUTTON)));
    button->SetFontSize(10);
    HGDIOBJ font = button->m_pFont->GetSafeHandle();
    HGDIOBJ brush = button->m_pFaceBrush->GetSafeHandle();

    DestroyWindow(button->m_hWnd);

    ASSERT_NE(button->m_pFont, nullptr);
    ASSERT_NE(button->m_pFaceBrush, nullptr);
    EXPECT_EQ(button->m_pFont->GetSafeHandle(), nullptr);
    EXPECT_EQ(button->m_pFaceBrush->GetSafeHandle(), nullptr);
    LOGFONTW probe;
    EXPECT_EQ(GetObjectW(font, sizeof(probe), &probe), 0);
    LOGBRUSH brushProbe;
    EXPECT_EQ(GetObjectW(brush, sizeof(brushProbe), &brushProbe), 0);
    delete button;  // finds no handle left to delete
}

TEST_F(Controls, TextControlAttachAndRepaintRequests)
{
    CCustomStatic text;
    ASSERT_TRUE(text.SubclassWindow(AddChild(L"STATIC", L"initial", 1000, 10, 10, 300, 120, SS_LEFT)));
    EXPECT_EQ(text.m_text, L"initial");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(text.m_hWnd, GWL_STYLE)) & 0x010D, 0x010Du);

    ValidateRect(text.m_hWnd, nullptr);
    text.SetTextColor(0xFF000000);
    EXPECT_FALSE(UpdatePending(text.m_hWnd)) << "before the first paint: no repaint";

    InvalidateRect(text.m_hWnd, nullptr, FALSE);
    UpdateWindow(text.m_hWnd);
    EXPECT_TRUE(text.m_written);
    text.SetTextColor(0xFF101010);
    EXPECT_TRUE(UpdatePending(text.m_hWnd)) << "the first change after a paint repaints";
    ValidateRect(text.m_hWnd, nullptr);
    text.SetTextColor(0xFF202020);
    EXPECT_FALSE(UpdatePending(text.m_hWnd)) << "a second change before the next paint does not";

    for (int i = 0; i < 2; ++i) {
        ValidateRect(text.m_hWnd, nullptr);
        text.SetText(L"again");
        EXPECT_TRUE(UpdatePending(text.m_hWnd)) << "SetText always repaints";
    }
    EXPECT_EQ(text.GetWindowText(), L"again");
}

TEST_F(Controls, TextControlSizesAndHeights)
{
    CCustomStatic text;
    ASSERT_TRUE(text.SubclassWindow(AddChild(L"STATIC", L"", 1000, 10, 10, 300, 120, SS_LEFT)));
    text.SetFontSize(11.0f);
    EXPECT_FLOAT_EQ(text.m_fontSize, 11.0f);
    text.SetFontName(L"Arial");

    DWORD start = GetTickCount();
    EXPECT_EQ(text.GetTextHeight(L"", 0), 0);
    EXPECT_LT(GetTickCount() - start, 10u) << "no text: no pause";

    const WString longText =
        L"Our benchmark shows frame capture is very slow on this computer. As a result, you may experience slow "
        L"screen refresh and high CPU in a remote session.";
    text.SetText(longText);
    const int atClientWidth = text.GetTextHeight(L"", 0);
    EXPECT_GT(atClientWidth, 0);
    EXPECT_EQ(text.GetTextHeight(longText, 300), atClientWidth) << "width 0 is the client width";
    EXPECT_GT(text.GetTextHeight(L"", 100), atClientWidth) << "narrower wraps into more lines";
    std::printf("heights: %d at the client width, %d at 100 pixels\n", atClientWidth, text.GetTextHeight(L"", 100));

    // Measuring that keeps failing (a family whose face was never found, so no font can be made):
    // five tries, 10 ms apart.
    GdipDeleteFontFamily(text.m_pFontFamily->family);
    text.m_pFontFamily->family = nullptr;
    start = GetTickCount();
    EXPECT_EQ(text.GetTextHeight(L"", 0), 0);
    EXPECT_GE(GetTickCount() - start, 45u);
}

TEST_F(Controls, TextControlFaceFallbackAndClicks)
{
    CCustomStatic text;
    ASSERT_TRUE(text.SubclassWindow(AddChild(L"STATIC", L"x", 1000, 10, 10, 300, 120, SS_LEFT)));
    EXPECT_TRUE(text.SetFontName(L"No Such Face"));
    ASSERT_NE(text.m_pFontFamily, nullptr);
    WCHAR used[LF_FACESIZE] = L"";
    WCHAR arial[LF_FACESIZE] = L"";
    Gdiplus::DllExports::GdipGetFamilyName(text.m_pFontFamily->family, used, LANG_NEUTRAL);
    GpFontFamily* reference = nullptr;
    GdipCreateFontFamilyFromName(L"Arial", nullptr, &reference);
    Gdiplus::DllExports::GdipGetFamilyName(reference, arial, LANG_NEUTRAL);
    GdipDeleteFontFamily(reference);
    EXPECT_STREQ(used, arial);

    MSG doubleClick = {text.m_hWnd, WM_LBUTTONDBLCLK, 0, 0, 0, {0, 0}};
    EXPECT_TRUE(text.PreTranslateMessage(&doubleClick)) << "swallowed";
    MSG click = {text.m_hWnd, WM_LBUTTONDOWN, 0, 0, 0, {0, 0}};
    EXPECT_FALSE(text.PreTranslateMessage(&click));
    LRESULT result = 1;
    EXPECT_TRUE(text.OnWndMsg(OCM__BASE + WM_COMMAND, MAKEWPARAM(1000, STN_CLICKED),
                              reinterpret_cast<LPARAM>(text.m_hWnd), &result))
        << "the reflected click is consumed";
    EXPECT_EQ(result, 0);
}

TEST_F(Controls, TextControlReallyDrawsItsText)
{
    CCustomStatic text;
    ASSERT_TRUE(text.SubclassWindow(AddChild(L"STATIC", L"", 1000, 10, 10, 300, 120, SS_LEFT)));
    text.SetFontSize(20.0f);
    text.SetFontName(L"Arial");
    text.SetTextColor(0xFFFF0000);
    text.SetText(L"Red text");
    UpdateWindow(text.m_hWnd);

    HDC dc = GetDC(text.m_hWnd);
    int red = 0;
    for (int y = 0; y < 120; y += 1)
        for (int x = 0; x < 300; x += 1) {
            const COLORREF pixel = GetPixel(dc, x, y);
            if (GetRValue(pixel) > 200 && GetGValue(pixel) < 80 && GetBValue(pixel) < 80)
                ++red;
        }
    ReleaseDC(text.m_hWnd, dc);
    EXPECT_GT(red, 50) << "text pixels in the client area";
}
