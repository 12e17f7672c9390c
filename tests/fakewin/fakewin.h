// The simulated Windows behind platform/win32_host.h, for the native tests.
//
// One machine per test: Reset() builds a fresh one, the test sets it up through machine() and then
// checks outcomes and the calls that the code made. Where the program depends on how Windows behaves
// (error codes, what a failed call leaves untouched, which GDI object may be deleted when), the fake
// does what Windows does.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace fakewin {

// One platform call, with the arguments that the behaviour depends on (pointers as their values,
// flags and sizes as numbers).
struct Call {
    std::string name;
    std::vector<std::uint64_t> args;
};

struct Display {
    bool readable = true;  // EnumDisplaySettingsW for the current mode succeeds
    DWORD width = 1024;
    DWORD height = 768;
    DWORD copyMs = 0;  // what one BitBlt that copies pixels costs on the scripted clock
};

struct GdiFailures {
    bool getDC = false;
    bool createCompatibleDC = false;
    bool createCompatibleBitmap = false;
};

struct Process {
    DWORD id = 0;
    std::u16string image;  // bare file name, as the snapshot reports it
    DWORD session = 1;
    bool sessionReadable = true;
    bool canOpen = true;
    bool canTerminate = true;
    bool terminated = false;
    DWORD exitCode = 0;  // once terminated
};

// A top-level window that the guard can find by class.
struct Window {
    HWND handle = nullptr;
    std::u16string className;
    DWORD ownerProcess = 0;
    DWORD ownerThread = 0;
    DWORD appearsAtTicks = 0;   // FindWindowW sees it from this tick on
    int closesAfterRequests = 1;  // WM_CLOSE requests it takes to go; 0: it never goes
    int closeRequests = 0;
    bool closed = false;
};

struct WindowClass {
    std::u16string name;
    HINSTANCE instance = nullptr;
    WNDCLASSW info = {};
};

struct Machine {
    std::vector<Call> calls;
    DWORD lastError = 0;
    DWORD ticks = 0x00100000;  // GetTickCount; only Sleep and BitBlt move it
    Display display;
    GdiFailures gdiFailures;

    // Named mutexes: how many handles are open to each, and whether this caller may open it.
    struct Mutex {
        int openHandles = 0;
        bool accessDenied = false;
    };
    std::map<std::u16string, Mutex> mutexes;

    bool gdiplusRunning = false;

    // Processes in snapshot order. The calling process is currentProcessId; list it to give it a
    // session.
    std::vector<Process> processes;
    DWORD currentProcessId = 4000;
    DWORD currentThreadId = 4004;
    bool snapshotFails = false;
    bool firstEntryFails = false;

    std::vector<Window> windows;
    HWND foreground = nullptr;

    // Registered window classes; "#32770", the system dialog class, is there from the start.
    std::vector<WindowClass> classes;
};

// The system dialog class's window procedure and style in the simulated machine.
WNDPROC SystemDialogProc();
constexpr UINT kSystemDialogStyle = 0x0808;  // CS_SAVEBITS | CS_DBLCLKS

// Adds a window and returns its handle.
HWND AddWindow(Window window);
// The process with this id, or nullptr.
Process* FindProcess(DWORD id);

Machine& machine();
void Reset();

// Sets what the runtime has split from the command line (argument 0 is the program).
void SetCommandLine(const std::vector<std::u16string>& arguments);

// The calls made so far with this name, in order.
std::vector<Call> CallsNamed(const std::string& name);
// The names of all calls made so far, in order.
std::vector<std::string> CallNames();

// Device contexts and bitmaps that exist and have not been released or deleted.
int LiveGdiObjects();
// Kernel handles that are open (mutexes, snapshots, processes).
int OpenHandles();

// The desktop window's handle.
HWND DesktopWindow();

}  // namespace fakewin
