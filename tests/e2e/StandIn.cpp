// Test helper: stands in for a running VexprobeHLX. It holds the instance mutex and, with --window,
// shows an inactive window of the warning's class (--minimized: minimized), which writes each WM_CLOSE
// it receives to the --log file ("WM_CLOSE <wParam> <lParam>") and then closes. Without a window it
// just waits. Either way it ends by itself after 30 s.
//
// Under Wine with no window manager, destroying a minimized window waits about 2 s for X, so only the
// test that needs a minimized window asks for one.
#include <cstdio>
#include <cstdlib>
#include <cwchar>

#include "app/InstanceMutex.h"
#include "app/SingleInstance.h"

namespace {

const wchar_t* g_logPath = nullptr;

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        if (g_logPath != nullptr) {
            if (FILE* log = _wfopen(g_logPath, L"ab")) {
                std::fprintf(log, "WM_CLOSE %llu %lld\n", static_cast<unsigned long long>(wParam),
                             static_cast<long long>(lParam));
                std::fclose(log);
            }
        }
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    // A GUI program, so that its starter can wait for it to be idle (ready to be found).
    const int argc = __argc;
    wchar_t** argv = __wargv;
    bool withWindow = false;
    bool minimized = false;
    for (int i = 1; i < argc; ++i) {
        if (std::wcscmp(argv[i], L"--window") == 0)
            withWindow = true;
        else if (std::wcscmp(argv[i], L"--minimized") == 0)
            minimized = true;
        else if (std::wcscmp(argv[i], L"--log") == 0 && i + 1 < argc)
            g_logPath = argv[++i];
    }

    HANDLE mutex = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
    if (withWindow) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = StandInProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kDialogClassName;
        RegisterClassW(&windowClass);
        HWND window = CreateWindowExW(0, kDialogClassName, L"Stand-in warning", WS_OVERLAPPEDWINDOW, 100, 100, 320,
                                      200, nullptr, nullptr, windowClass.hInstance, nullptr);
        ShowWindow(window, minimized ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
    }
    SetTimer(nullptr, 0, 30000, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == nullptr)
            break;
        DispatchMessageW(&message);
    }
    CloseHandle(mutex);
    return 0;
}
