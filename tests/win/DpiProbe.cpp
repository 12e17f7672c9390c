// Test helper: shows a small dialog (the dialog base, a styled button and the text control) at the
// prefix's current DPI, prints what it measured as "key=value" lines, prints "ready" and waits for
// WM_CLOSE (or 20 s). scripts/... take a screenshot of it in between.
#include <cstdio>

#include "app/VexprobeApp.h"
#include "tests/win/res/TestDialogs.h"
#include "ui/ButtonEx.h"
#include "ui/CustomStatic.h"
#include "ui/DialogExt.h"

namespace {

int FontHeight(HWND window)
{
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font.lfHeight;
}

class CProbeDialog : public CDialogExt {
public:
    CProbeDialog() : CDialogExt(IDD_CONTROLS) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDOK, m_button);
        DDX_Control(pDX, IDC_MESSAGE, m_text);
    }

    BOOL OnInitDialog() override
    {
        CDialogExt::OnInitDialog();
        m_text.SetFontSize(11.0f);
        m_text.SetTextColor(0xFF202020);
        m_text.SetFontName(g_szFontFace);
        m_text.SetText(L"Frame capture is very slow on this computer. This text wraps at the control's width.");
        SetupButton(m_button, 131, 10.0f, 0xFF202020, 0xFFEBEBEB);
        SetTimer(m_hWnd, 1, 20000, nullptr);

        HDC screen = GetDC(nullptr);
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        std::printf("logpixels=%d\n", GetDeviceCaps(screen, LOGPIXELSX));
        ReleaseDC(nullptr, screen);
        std::printf("dialog_font=%d\nclient=%ldx%ld\nbutton_font=%d\nbutton_points=%d\ntext_em=%.2f\n",
                    FontHeight(m_hWnd), client.right, client.bottom, FontHeight(m_button.m_hWnd), m_button.m_pointSize,
                    m_text.m_fontSize);
        std::printf("text_height=%d\nready\n", m_text.GetTextHeight(L"", 0));
        std::fflush(stdout);
        return TRUE;
    }

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (message == WM_TIMER) {
            EndDialog(IDCANCEL);
            *result = 0;
            return TRUE;
        }
        return CDialogExt::OnWndMsg(message, wParam, lParam, result);
    }

private:
    CButtonEx m_button;
    CCustomStatic m_text;
};

}  // namespace

int wmain()
{
    CWinApp app;
    app.m_hInstance = GetModuleHandleW(nullptr);
    CopyBounded(g_szFontFace, MAX_PATH, L"Arial");
    ULONG_PTR token = 0;
    GdiplusStartupInput input;
    GdiplusStartup(&token, &input, nullptr);
    {
        CProbeDialog dialog;
        dialog.DoModal();
    }
    GdiplusShutdown(token);
    return 0;
}
