#include "app/SingleInstance.h"

#include <vector>

#include "app/InstanceMutex.h"
#include "app/ProcessLookup.h"
#include "framework/WinApp.h"
#include "framework/WindowClass.h"
#include "platform/scoped.h"

namespace {

HWND FindDialog()
{
    return FindWindowW(kDialogClassName, nullptr);
}

// The mutex is held but no warning ever appeared: end the other copies in this session. One copy
// alone is not ended: the count must be more than one.
void TerminateStaleCopies()
{
    const DWORD self = GetCurrentProcessId();
    DWORD session = kAllSessions;
    if (!ProcessIdToSessionId(self, &session))
        session = kAllSessions;

    std::vector<DWORD> ids;
    if (FindProcessesByName(ids, kStaleImageName, session) <= 1)
        return;
    for (DWORD id : ids) {
        if (id == self)
            continue;
        CScopedHandle process(OpenProcess(PROCESS_ALL_ACCESS, TRUE, id));
        if (process)
            TerminateProcess(process.get(), kStaleExitCode);
    }
}

void BringToFront(HWND window)
{
    ShowWindow(window, SW_RESTORE);
    SwitchToThisWindow(window, TRUE);
    // Joining the foreground thread's input lets SetForegroundWindow pass Windows' foreground rules.
    HWND foreground = GetForegroundWindow();
    const DWORD thisThread = GetCurrentThreadId();
    const DWORD foregroundThread = GetWindowThreadProcessId(foreground, nullptr);
    AttachThreadInput(thisThread, foregroundThread, TRUE);
    SetForegroundWindow(window);
    AttachThreadInput(thisThread, foregroundThread, FALSE);
}

}  // namespace

BOOL EnsureSingleInstance(const CCommandLineInfoEx& cmdInfo)
{
    HWND window = nullptr;
    const DWORD mutexError = g_instanceMutex.m_dwLastError;
    if (mutexError == ERROR_ALREADY_EXISTS || mutexError == ERROR_ACCESS_DENIED) {
        // The other instance may still be measuring: give its warning about 2 s to appear.
        window = FindDialog();
        for (int searches = 0; window == nullptr && searches < kFurtherWindowSearches; ++searches) {
            Sleep(kSearchPauseMs);
            window = FindDialog();
        }
        if (window == nullptr)
            TerminateStaleCopies();
    }

    if (cmdInfo.HasSwitch(kCloseSwitch)) {
        // Search again after every request: the other instance may close, or another appear.
        for (int requests = 0; window != nullptr && requests < kMaxCloseRequests; ++requests) {
            PostMessageW(window, WM_CLOSE, 0, 0);
            Sleep(kSearchPauseMs);
            window = FindDialog();
        }
        return FALSE;
    }

    if (window != nullptr) {
        BringToFront(window);
        return FALSE;
    }
    return TRUE;
}

BOOL RegisterDialogClass()
{
    WNDCLASSW dialogClass = {};
    GetClassInfoW(AfxGetInstanceHandle(), TEXT("#32770"), &dialogClass);
    // The dialog's area need not be saved for windows that cover it; every other trait stays.
    dialogClass.style &= ~static_cast<UINT>(CS_SAVEBITS);
    dialogClass.lpszClassName = kDialogClassName;
    return AfxRegisterClass(&dialogClass);
}
