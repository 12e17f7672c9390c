// CCommandLineInfo: the receiver that CWinApp::ParseCommandLine hands each argument to.
#pragma once

#include "platform/win32.h"

class CCommandLineInfo {
public:
    CCommandLineInfo() = default;
    virtual ~CCommandLineInfo() = default;

    // Called once for each argument after the program name, in order. `bFlag` is TRUE when the
    // argument began with '-' or '/', which has then been removed; `bLast` marks the last argument.
    // This program interprets no standard switches, so the base ignores every argument.
    virtual void ParseParam(const WCHAR* pszParam, BOOL bFlag, BOOL bLast);
};
