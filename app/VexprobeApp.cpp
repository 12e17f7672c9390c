#include "app/VexprobeApp.h"

#include "app/SingleInstance.h"
#include "capture/FrameCapture.h"
#include "platform/text.h"

WCHAR g_szFontFace[MAX_PATH];

CVexprobeApp::CVexprobeApp() : CWinAppEx(TRUE) {}

BOOL CVexprobeApp::InitInstance()
{
    ParseCommandLine(m_cmdInfo);
    if (!EnsureSingleInstance(m_cmdInfo))
        return FALSE;

    INITCOMMONCONTROLSEX controls;
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);

    CWinAppEx::InitInstance();

    if (!IsFrameCaptureSlow())
        return FALSE;

    SetRegistryKey(TEXT("Korvalink Inc."));
    RegisterDialogClass();
    CopyBounded(g_szFontFace, MAX_PATH, TEXT("Arial"));

    GdiplusStartupInput input;
    input.GdiplusVersion = 1;
    input.DebugEventCallback = nullptr;
    input.SuppressBackgroundThread = FALSE;
    input.SuppressExternalCodecs = FALSE;
    GdiplusStartup(&m_gdiplusToken, &input, nullptr);

    return FALSE;
}

int CVexprobeApp::ExitInstance()
{
    // GDI+ runs only after a slow capture; with no session begun there is nothing to end.
    if (m_gdiplusToken != 0) {
        GdiplusShutdown(m_gdiplusToken);
        m_gdiplusToken = 0;
    }
    return CWinAppEx::ExitInstance();
}
