#include <gtest/gtest.h>

#include <functional>

#include "app/SingleInstance.h"
#include "framework/WinApp.h"
#include "tests/win/res/TestDialogs.h"
#include "ui/ControlMetrics.h"
#include "ui/CustomStatic.h"
#include "ui/DialogExt.h"

namespace {

// Runs a test dialog modally; `check` runs inside OnInitDialog once the layout is applied, and the
// dialog then ends itself. `beforeApply` runs after the controls exist, before the second layout pass.
class CTestDialog : public CDialogExt {
public:
    explicit CTestDialog(UINT id) : CDialogExt(id) {}

    std::function<void(CTestDialog&)> beforeApply;
    std::function<void(CTestDialog&)> check;
    bool endItself = true;  // false: the check posts what ends the dialog
    std::function<void(CDataExchange*)> exchange;
    CDialogFontScaler& Scaler() { return m_fontScaler; }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        if (exchange)
            exchange(pDX);
    }

    BOOL OnInitDialog() override
    {
        if (beforeApply)
            beforeApply(*this);
        const BOOL result = CDialogExt::OnInitDialog();
        if (check)
            check(*this);
        if (endItself)
            EndDialog(IDCANCEL);
        return result;
    }
};

class DialogExt : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        GdiplusStartupInput input;
        GdiplusStartup(&s_token, &input, nullptr);
    }
    static void TearDownTestSuite() { GdiplusShutdown(s_token); }

    static ULONG_PTR s_token;
};
ULONG_PTR DialogExt::s_token = 0;

LOGFONTW FontOf(HWND window)
{
    LOGFONTW font = {};
    HFONT handle = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    EXPECT_NE(handle, nullptr);
    GetObjectW(handle, sizeof(font), &font);
    return font;
}

// The base units of a font, measured as the dialog measures them.
void BaseUnits(HFONT font, double& baseX, double& baseY)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SIZE extent = {};
    GetTextExtentPointA(dc, "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ", 52, &extent);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    baseX = BaseUnitX(extent.cx);
    baseY = metrics.tmHeight;
}

RECT ChildRect(HWND dialog, int id)
{
    RECT rect = {};
    HWND control = GetDlgItem(dialog, id);
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ExpectPlaced(HWND dialog, int id, int x, int y, int cx, int cy, double baseX, double baseY)
{
    const RECT rect = ChildRect(dialog, id);
    EXPECT_EQ(rect.left, DialogUnitsToPixelsX(x, baseX)) << "control " << id;
    EXPECT_EQ(rect.top, DialogUnitsToPixelsY(y, baseY)) << "control " << id;
    EXPECT_EQ(rect.right - rect.left, DialogUnitsToPixelsX(cx, baseX)) << "control " << id;
    EXPECT_EQ(rect.bottom - rect.top, DialogUnitsToPixelsY(cy, baseY)) << "control " << id;
}

}  // namespace

TEST_F(DialogExt, TemplateFontAt96DpiOnTheDialogAndEveryControl)
{
    CTestDialog dialog(IDD_TOOL_LAYOUT);
    bool checked = false;
    dialog.check = [&](CTestDialog& d) {
        checked = true;
        const LOGFONTW font = FontOf(d.m_hWnd);
        EXPECT_EQ(font.lfHeight, -11);
        EXPECT_EQ(font.lfWeight, 400);
        EXPECT_EQ(font.lfItalic, 0);
        EXPECT_STREQ(font.lfFaceName, L"Tahoma");
        HFONT applied = d.Scaler().m_hFont;
        ASSERT_NE(applied, nullptr);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(d.m_hWnd, WM_GETFONT, 0, 0)), applied);
        for (int id : {IDOK, IDCANCEL, IDC_MESSAGE})
            EXPECT_EQ(reinterpret_cast<HFONT>(SendDlgItemMessageW(d.m_hWnd, id, WM_GETFONT, 0, 0)), applied) << id;

        double baseX = 0, baseY = 0;
        BaseUnits(applied, baseX, baseY);
        RECT client;
        GetClientRect(d.m_hWnd, &client);
        EXPECT_EQ(client.right, DialogUnitsToPixelsX(297, baseX));
        EXPECT_EQ(client.bottom, DialogUnitsToPixelsY(162, baseY));
        ExpectPlaced(d.m_hWnd, IDOK, 55, 135, 85, 18, baseX, baseY);
        ExpectPlaced(d.m_hWnd, IDCANCEL, 157, 135, 85, 18, baseX, baseY);
        ExpectPlaced(d.m_hWnd, IDC_MESSAGE, 11, 11, 275, 123, baseX, baseY);
        std::printf("base units %.0f x %.0f, client %ld x %ld\n", baseX, baseY, client.right, client.bottom);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(checked);
}

TEST_F(DialogExt, FaceThatIsNotInstalledBecomesArial)
{
    CTestDialog dialog(IDD_MISSING_FACE);
    dialog.check = [](CTestDialog& d) {
        const LOGFONTW font = FontOf(d.m_hWnd);
        EXPECT_STREQ(font.lfFaceName, L"Arial");
        EXPECT_EQ(font.lfHeight, -11);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(DialogExt, TemplateWithoutFontGetsTahoma8)
{
    CTestDialog dialog(IDD_NO_FONT);
    dialog.check = [](CTestDialog& d) {
        const LOGFONTW font = FontOf(d.m_hWnd);
        EXPECT_STREQ(font.lfFaceName, L"Tahoma");
        EXPECT_EQ(font.lfHeight, -11);
        EXPECT_EQ(font.lfWeight, 400);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(DialogExt, MissingSecondChildLeavesTheRestAsTheDialogManagerMadeThem)
{
    CTestDialog dialog(IDD_TOOL_LAYOUT);
    RECT messageBefore = {};
    HFONT messageFontBefore = nullptr;
    dialog.beforeApply = [&](CTestDialog& d) {
        DestroyWindow(GetDlgItem(d.m_hWnd, IDCANCEL));
        messageBefore = ChildRect(d.m_hWnd, IDC_MESSAGE);
        messageFontBefore = reinterpret_cast<HFONT>(SendDlgItemMessageW(d.m_hWnd, IDC_MESSAGE, WM_GETFONT, 0, 0));
    };
    dialog.check = [&](CTestDialog& d) {
        HFONT applied = d.Scaler().m_hFont;
        double baseX = 0, baseY = 0;
        BaseUnits(applied, baseX, baseY);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendDlgItemMessageW(d.m_hWnd, IDOK, WM_GETFONT, 0, 0)), applied);
        ExpectPlaced(d.m_hWnd, IDOK, 55, 135, 85, 18, baseX, baseY);
        const RECT message = ChildRect(d.m_hWnd, IDC_MESSAGE);
        EXPECT_TRUE(EqualRect(&message, &messageBefore));
        EXPECT_NE(reinterpret_cast<HFONT>(SendDlgItemMessageW(d.m_hWnd, IDC_MESSAGE, WM_GETFONT, 0, 0)), applied);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendDlgItemMessageW(d.m_hWnd, IDC_MESSAGE, WM_GETFONT, 0, 0)),
                  messageFontBefore);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(DialogExt, ApplyTwiceRestoresFirstAndRestoreIsIdempotent)
{
    CTestDialog dialog(IDD_TOOL_LAYOUT);
    dialog.check = [](CTestDialog& d) {
        CDialogFontScaler& scaler = d.Scaler();
        HFONT first = scaler.m_hFont;
        HFONT remembered = scaler.m_hOldFont;
        scaler.Apply(d.m_hWnd, IDD_TOOL_LAYOUT, 96.0, GetModuleHandleW(nullptr));
        LOGFONTW probe;
        EXPECT_EQ(GetObjectW(first, sizeof(probe), &probe), 0) << "the first font is deleted";
        EXPECT_EQ(scaler.m_hOldFont, remembered) << "the remembered font went back before the dialog was asked";

        HFONT second = scaler.m_hFont;
        scaler.Restore();
        EXPECT_EQ(scaler.m_hDialog, nullptr);
        EXPECT_EQ(GetObjectW(second, sizeof(probe), &probe), 0);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(d.m_hWnd, WM_GETFONT, 0, 0)), remembered);
        scaler.Restore();  // idle: nothing happens
        EXPECT_EQ(scaler.m_hFont, nullptr);

        // A scaler of its own, destroyed at the end of its scope, puts the font back.
        {
            CDialogFontScaler local;
            local.Restore();  // idle
            local.Apply(d.m_hWnd, IDD_TOOL_LAYOUT, 96.0, GetModuleHandleW(nullptr));
            EXPECT_NE(reinterpret_cast<HFONT>(SendMessageW(d.m_hWnd, WM_GETFONT, 0, 0)), remembered);
        }
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(d.m_hWnd, WM_GETFONT, 0, 0)), remembered);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendDlgItemMessageW(d.m_hWnd, IDOK, WM_GETFONT, 0, 0)), remembered);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(DialogExt, MissingOrTruncatedTemplateLeavesTheDialogAlone)
{
    CDialogFontScaler scaler;
    CTestDialog dialog(IDD_NO_FONT);
    dialog.check = [&](CTestDialog& d) {
        HFONT before = reinterpret_cast<HFONT>(SendMessageW(d.m_hWnd, WM_GETFONT, 0, 0));
        RECT windowBefore;
        GetWindowRect(d.m_hWnd, &windowBefore);
        ASSERT_NE(FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_TRUNCATED), RT_DIALOG), nullptr);
        for (DWORD id : {static_cast<DWORD>(999), static_cast<DWORD>(IDD_TRUNCATED)}) {
            scaler.Apply(d.m_hWnd, id, 96.0, GetModuleHandleW(nullptr));
            EXPECT_EQ(scaler.m_hDialog, nullptr) << id;
            EXPECT_EQ(scaler.m_hFont, nullptr) << id;
            EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(d.m_hWnd, WM_GETFONT, 0, 0)), before) << id;
            RECT windowAfter;
            GetWindowRect(d.m_hWnd, &windowAfter);
            EXPECT_TRUE(EqualRect(&windowBefore, &windowAfter)) << id;
        }
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(DialogExt, ModalLoopEndsWithTheCommandThatClosedIt)
{
    struct Case {
        const char* name;
        UINT message;
        WPARAM wParam;
        INT_PTR result;
    } const cases[] = {
        {"WM_CLOSE ends as IDCANCEL", WM_CLOSE, 0, IDCANCEL},
        {"the OK button", WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), IDOK},
        {"Esc", WM_KEYDOWN, VK_ESCAPE, IDCANCEL},
        {"Enter on the default button", WM_KEYDOWN, VK_RETURN, IDOK},
    };
    for (const Case& c : cases) {
        CTestDialog dialog(IDD_TOOL_LAYOUT);
        dialog.endItself = false;
        dialog.check = [&](CTestDialog& d) {
            // Keys go to the control with the focus, as a user's would.
            HWND target = c.message == WM_KEYDOWN ? GetDlgItem(d.m_hWnd, IDOK) : d.m_hWnd;
            PostMessageW(target, c.message, c.wParam, 0);
        };
        EXPECT_EQ(dialog.DoModal(), c.result) << c.name;
        EXPECT_EQ(dialog.m_hWnd, nullptr) << c.name << ": the window is gone and the object unbound";
    }
}

namespace {

// Counts the mouse messages that reach the text control's window procedure.
class CCountingStatic : public CCustomStatic {
public:
    int doubleClicks = 0;
    int clicks = 0;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        doubleClicks += message == WM_LBUTTONDBLCLK;
        clicks += message == WM_LBUTTONDOWN;
        return CCustomStatic::OnWndMsg(message, wParam, lParam, result);
    }
};

}  // namespace

TEST_F(DialogExt, ModalLoopNeverDispatchesADoubleClickOnTheTextControl)
{
    CCountingStatic text;
    CTestDialog dialog(IDD_TOOL_LAYOUT);
    dialog.endItself = false;
    dialog.exchange = [&](CDataExchange* pDX) { DDX_Control(pDX, IDC_MESSAGE, text); };
    dialog.check = [&](CTestDialog& d) {
        PostMessageW(text.m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(text.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(d.m_hWnd, WM_CLOSE, 0, 0);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(text.doubleClicks, 0);
    EXPECT_EQ(text.clicks, 1) << "a single click is dispatched (and does nothing)";
}

TEST_F(DialogExt, RunsInTheWarningsOwnWindowClass)
{
    CWinApp app;
    app.m_hInstance = GetModuleHandleW(nullptr);
    ASSERT_TRUE(RegisterDialogClass());
    CTestDialog dialog(IDD_CUSTOM_CLASS);
    bool checked = false;
    dialog.check = [&](CTestDialog& d) {
        checked = true;
        WCHAR className[64] = L"";
        GetClassNameW(d.m_hWnd, className, 64);
        EXPECT_STREQ(className, kDialogClassName);
        EXPECT_EQ(FindWindowW(kDialogClassName, nullptr), d.m_hWnd) << "a second start would find it";
        EXPECT_EQ(FontOf(d.m_hWnd).lfHeight, -11);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendDlgItemMessageW(d.m_hWnd, IDC_MESSAGE, WM_GETFONT, 0, 0)),
                  d.Scaler().m_hFont);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(checked);
    EXPECT_EQ(FindWindowW(kDialogClassName, nullptr), nullptr);
}
