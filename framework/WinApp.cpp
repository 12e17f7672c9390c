#include "framework/WinApp.h"

namespace {
CWinApp* s_app = nullptr;
}

CWinApp::CWinApp()
{
    if (s_app == nullptr)
        s_app = this;
}

CWinApp::~CWinApp()
{
    if (s_app == this)
        s_app = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info)
{
    for (int i = 1; i < __argc; ++i) {
        const WCHAR* param = __wargv[i];
        BOOL flag = FALSE;
        if (param[0] == '-' || param[0] == '/') {
            flag = TRUE;
            ++param;
        }
        info.ParseParam(param, flag, i + 1 == __argc ? TRUE : FALSE);
    }
}

void CWinApp::SetRegistryKey(LPCTSTR company)
{
    m_strRegistryKey = company;
}

CWinAppEx::CWinAppEx(BOOL bResourceSmartUpdate) : m_bResourceSmartUpdate(bResourceSmartUpdate) {}

CWinApp* AfxGetApp()
{
    return s_app;
}

HINSTANCE AfxGetInstanceHandle()
{
    return s_app != nullptr ? s_app->m_hInstance : nullptr;
}

int AfxWinMain(HINSTANCE hInstance)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return -1;
    app->m_hInstance = hInstance;
    app->InitInstance();
    return app->ExitInstance();
}
