// CVexprobeApp: the application object. One start-up pass decides whether the warning is needed.
#pragma once

#include "app/CommandLineInfoEx.h"
#include "framework/WinApp.h"
#include "platform/win32.h"

// The font face that the warning's controls use; empty until start-up has decided to warn.
extern WCHAR g_szFontFace[MAX_PATH];

class CVexprobeApp : public CWinAppEx {
public:
    CVexprobeApp();

    // Returns FALSE on every path: the warning runs modally in here, and there is no main loop.
    BOOL InitInstance() override;
    // Ends the GDI+ session if start-up began one; the exit code is the framework's.
    int ExitInstance() override;

    CCommandLineInfoEx m_cmdInfo;
    // From GdiplusStartup; 0 on every path that shows no warning.
    ULONG_PTR m_gdiplusToken = 0;
};
