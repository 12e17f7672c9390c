// The application-object half of the framework: CWinApp, CWinAppEx and the start of the program.
//
// The program derives one application object from CWinAppEx and defines it as a global. The entry point
// calls AfxWinMain, which runs InitInstance and then ExitInstance, and returns the latter's value as
// the exit code. This framework has no main message loop: its programs run their windows modally
// inside InitInstance and return FALSE from it, so AfxWinMain ends the process after ExitInstance in
// either case.
#pragma once

#include "framework/CommandLineInfo.h"
#include "platform/text.h"
#include "platform/win32.h"

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    // The exit code. No message has been retrieved by the framework, so it is 0.
    virtual int ExitInstance();

    // Splits nothing itself: the runtime's argument vector is already split by its standard rules
    // (quotes and backslashes). Skips the program name; for every other argument one leading '-' or
    // '/' is removed and marks a flag. Each argument then goes to info.ParseParam in order.
    void ParseCommandLine(CCommandLineInfo& info);

    // The company key under which profile settings would be kept.
    void SetRegistryKey(LPCTSTR company);
    const WString& GetRegistryKey() const { return m_strRegistryKey; }

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;

private:
    WString m_strRegistryKey;
};

class CWinAppEx : public CWinApp {
public:
    explicit CWinAppEx(BOOL bResourceSmartUpdate = FALSE);

    BOOL m_bResourceSmartUpdate;
};

// The application object, or nullptr before it is constructed and after it is destroyed.
CWinApp* AfxGetApp();

// The program's module, as AfxWinMain was given it.
HINSTANCE AfxGetInstanceHandle();

// The framework's start: InitInstance, then ExitInstance, whose value is the exit code.
int AfxWinMain(HINSTANCE hInstance);
