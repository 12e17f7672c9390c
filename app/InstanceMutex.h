// CInstanceMutex: the named mutex whose existence marks a running instance in this user session.
#pragma once

#include "platform/text.h"
#include "platform/win32.h"

// No "Global\" prefix: one instance per session, not per machine.
constexpr const WCHAR* kInstanceMutexName = TEXT("{88A78A95-119B-4fcc-BB2E-F8E7A0EFACC2}");

class CInstanceMutex {
public:
    // Creates (or opens) the mutex, not owned, with default security, and keeps the error code of
    // that creation: ERROR_ALREADY_EXISTS or ERROR_ACCESS_DENIED tells that another instance holds
    // it. Never fails; a NULL handle is kept like any other.
    explicit CInstanceMutex(const WString& name);
    // Closes the handle, if any.
    ~CInstanceMutex();
    CInstanceMutex(const CInstanceMutex&) = delete;
    CInstanceMutex& operator=(const CInstanceMutex&) = delete;

    DWORD m_dwLastError;
    HANDLE m_hMutex;
    WString m_strName;
};

// Constructed before the application object and held for the whole life of the process.
extern CInstanceMutex g_instanceMutex;
