#include "tests/fakewin/fakewin.h"

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <type_traits>

int __argc = 0;
WCHAR** __wargv = nullptr;

namespace fakewin {
namespace {

template <typename T>
std::uint64_t Arg(T value)
{
    if constexpr (std::is_pointer_v<T>)
        return reinterpret_cast<std::uintptr_t>(value);
    else
        return static_cast<std::uint64_t>(value);
}

enum class GdiKind { WindowDC, MemoryDC, Bitmap };

struct GdiObject {
    GdiKind kind;
    HGDIOBJ selected = nullptr;  // MemoryDC: its bitmap
    HDC selectedInto = nullptr;  // Bitmap: the DC it is selected into
};

enum class KernelKind { Mutex, Snapshot, Process };

struct KernelObject {
    KernelKind kind = KernelKind::Mutex;
    std::u16string name;              // Mutex
    std::vector<Process> snapshot;    // Snapshot: the processes as they were when it was taken
    std::size_t next = 0;             // Snapshot: the entry Process32NextW gives next
    DWORD processId = 0;              // Process
};

// A memory DC starts with this 1x1 stock bitmap selected; it is never deleted.
const HGDIOBJ kStockBitmap = reinterpret_cast<HGDIOBJ>(0x0185000F);
const HWND kDesktopWindow = reinterpret_cast<HWND>(0x00010010);

LRESULT SystemDialogWindowProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

struct State {
    Machine machine;
    std::map<std::uintptr_t, GdiObject> gdi;
    std::map<std::uintptr_t, KernelObject> kernel;
    std::uintptr_t nextHandle = 0x1000;
    std::vector<std::u16string> arguments;
    std::vector<WCHAR*> argv;
};

State& state()
{
    static State s;
    return s;
}

void Log(const char* name, std::initializer_list<std::uint64_t> args)
{
    state().machine.calls.push_back(Call{name, args});
}

std::uintptr_t NewHandle()
{
    return state().nextHandle += 4;
}

GdiObject* FindGdi(const void* handle)
{
    auto it = state().gdi.find(reinterpret_cast<std::uintptr_t>(handle));
    return it == state().gdi.end() ? nullptr : &it->second;
}

bool IsDC(HDC dc)
{
    const GdiObject* object = FindGdi(dc);
    return object != nullptr && (object->kind == GdiKind::WindowDC || object->kind == GdiKind::MemoryDC);
}

}  // namespace

Machine& machine()
{
    return state().machine;
}

void Reset()
{
    State& s = state();
    s.machine = Machine{};
    s.gdi.clear();
    s.kernel.clear();
    s.nextHandle = 0x1000;
    SetCommandLine({u"VexprobeHLX.exe"});
    WindowClass dialog;
    dialog.name = u"#32770";
    dialog.info.style = kSystemDialogStyle;
    dialog.info.lpfnWndProc = SystemDialogWindowProc;
    dialog.info.cbWndExtra = 30;
    s.machine.classes.push_back(dialog);
}

WNDPROC SystemDialogProc()
{
    return SystemDialogWindowProc;
}

HWND AddWindow(Window window)
{
    window.handle = reinterpret_cast<HWND>(NewHandle());
    machine().windows.push_back(window);
    return window.handle;
}

Process* FindProcess(DWORD id)
{
    for (Process& process : machine().processes)
        if (process.id == id)
            return &process;
    return nullptr;
}

void SetCommandLine(const std::vector<std::u16string>& arguments)
{
    State& s = state();
    s.arguments = arguments;
    s.argv.clear();
    for (std::u16string& argument : s.arguments)
        s.argv.push_back(argument.data());
    s.argv.push_back(nullptr);
    __argc = static_cast<int>(s.arguments.size());
    __wargv = s.argv.data();
}

std::vector<Call> CallsNamed(const std::string& name)
{
    std::vector<Call> found;
    for (const Call& call : machine().calls)
        if (call.name == name)
            found.push_back(call);
    return found;
}

std::vector<std::string> CallNames()
{
    std::vector<std::string> names;
    for (const Call& call : machine().calls)
        names.push_back(call.name);
    return names;
}

int LiveGdiObjects()
{
    return static_cast<int>(state().gdi.size());
}

int OpenHandles()
{
    return static_cast<int>(state().kernel.size());
}

HWND DesktopWindow()
{
    return kDesktopWindow;
}

}  // namespace fakewin

using fakewin::Arg;
using fakewin::Log;
using fakewin::state;

// ---- Errors ------------------------------------------------------------------------------------

DWORD GetLastError()
{
    return state().machine.lastError;
}

void SetLastError(DWORD dwErrCode)
{
    state().machine.lastError = dwErrCode;
}

// ---- Kernel objects ----------------------------------------------------------------------------

HANDLE CreateMutexW(LPSECURITY_ATTRIBUTES lpMutexAttributes, BOOL bInitialOwner, LPCWSTR lpName)
{
    Log("CreateMutexW", {Arg(lpMutexAttributes), Arg(bInitialOwner)});
    auto& s = state();
    std::u16string name = lpName != nullptr ? std::u16string(lpName) : std::u16string();
    DWORD error = ERROR_SUCCESS;
    if (!name.empty()) {
        auto it = s.machine.mutexes.find(name);
        if (it != s.machine.mutexes.end()) {
            if (it->second.accessDenied) {
                SetLastError(ERROR_ACCESS_DENIED);
                return nullptr;
            }
            error = ERROR_ALREADY_EXISTS;
        }
        ++s.machine.mutexes[name].openHandles;
    }
    const std::uintptr_t handle = fakewin::NewHandle();
    fakewin::KernelObject mutex;
    mutex.name = name;
    s.kernel[handle] = mutex;
    SetLastError(error);
    return reinterpret_cast<HANDLE>(handle);
}

BOOL CloseHandle(HANDLE hObject)
{
    Log("CloseHandle", {Arg(hObject)});
    auto& s = state();
    auto it = s.kernel.find(reinterpret_cast<std::uintptr_t>(hObject));
    if (it == s.kernel.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (it->second.kind == fakewin::KernelKind::Mutex && !it->second.name.empty()) {
        auto mutex = s.machine.mutexes.find(it->second.name);
        if (mutex != s.machine.mutexes.end() && --mutex->second.openHandles <= 0 && !mutex->second.accessDenied)
            s.machine.mutexes.erase(mutex);
    }
    s.kernel.erase(it);
    return TRUE;
}

DWORD GetTickCount()
{
    Log("GetTickCount", {});
    return state().machine.ticks;
}

void Sleep(DWORD dwMilliseconds)
{
    Log("Sleep", {dwMilliseconds});
    state().machine.ticks += dwMilliseconds;
}

// ---- Display settings --------------------------------------------------------------------------

BOOL EnumDisplaySettingsW(LPCWSTR lpszDeviceName, DWORD iModeNum, DEVMODEW* lpDevMode)
{
    Log("EnumDisplaySettingsW", {Arg(lpszDeviceName), iModeNum, lpDevMode->dmSize});
    const fakewin::Display& display = state().machine.display;
    // dmSize is not checked: Windows and Wine fill the record whatever it says.
    if (!display.readable || lpszDeviceName != nullptr || iModeNum != ENUM_CURRENT_SETTINGS) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    lpDevMode->dmBitsPerPel = 32;
    lpDevMode->dmPelsWidth = display.width;
    lpDevMode->dmPelsHeight = display.height;
    lpDevMode->dmDisplayFrequency = 60;
    lpDevMode->dmFields = 0x00040000 | 0x00080000 | 0x00100000 | 0x00400000;
    return TRUE;
}

// ---- Windows and device contexts ---------------------------------------------------------------

HWND GetDesktopWindow()
{
    Log("GetDesktopWindow", {});
    return fakewin::kDesktopWindow;
}

HDC GetDC(HWND hWnd)
{
    Log("GetDC", {Arg(hWnd)});
    if (state().machine.gdiFailures.getDC)
        return nullptr;
    const std::uintptr_t handle = fakewin::NewHandle();
    state().gdi[handle] = fakewin::GdiObject{fakewin::GdiKind::WindowDC};
    return reinterpret_cast<HDC>(handle);
}

int ReleaseDC(HWND hWnd, HDC hDC)
{
    Log("ReleaseDC", {Arg(hWnd), Arg(hDC)});
    // Like Wine, the window is not checked against the one the DC came from; tests read it in the log.
    fakewin::GdiObject* dc = fakewin::FindGdi(hDC);
    if (dc == nullptr || dc->kind != fakewin::GdiKind::WindowDC)
        return 0;
    state().gdi.erase(reinterpret_cast<std::uintptr_t>(hDC));
    return 1;
}

HDC CreateCompatibleDC(HDC hdc)
{
    Log("CreateCompatibleDC", {Arg(hdc)});
    if (state().machine.gdiFailures.createCompatibleDC || (hdc != nullptr && !fakewin::IsDC(hdc)))
        return nullptr;
    const std::uintptr_t handle = fakewin::NewHandle();
    fakewin::GdiObject dc{fakewin::GdiKind::MemoryDC};
    dc.selected = fakewin::kStockBitmap;
    state().gdi[handle] = dc;
    return reinterpret_cast<HDC>(handle);
}

BOOL DeleteDC(HDC hdc)
{
    Log("DeleteDC", {Arg(hdc)});
    fakewin::GdiObject* dc = fakewin::FindGdi(hdc);
    if (dc == nullptr || dc->kind != fakewin::GdiKind::MemoryDC)
        return FALSE;
    // The bitmap it held is deselected, not deleted.
    if (fakewin::GdiObject* bitmap = fakewin::FindGdi(dc->selected))
        bitmap->selectedInto = nullptr;
    state().gdi.erase(reinterpret_cast<std::uintptr_t>(hdc));
    return TRUE;
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy)
{
    Log("CreateCompatibleBitmap", {Arg(hdc), Arg(cx), Arg(cy)});
    if (state().machine.gdiFailures.createCompatibleBitmap || !fakewin::IsDC(hdc))
        return nullptr;
    const std::uintptr_t handle = fakewin::NewHandle();
    state().gdi[handle] = fakewin::GdiObject{fakewin::GdiKind::Bitmap};
    return reinterpret_cast<HBITMAP>(handle);
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h)
{
    Log("SelectObject", {Arg(hdc), Arg(h)});
    fakewin::GdiObject* dc = fakewin::FindGdi(hdc);
    if (dc == nullptr || dc->kind != fakewin::GdiKind::MemoryDC)
        return nullptr;  // bitmaps go only into memory DCs
    fakewin::GdiObject* bitmap = fakewin::FindGdi(h);
    if (h != fakewin::kStockBitmap) {
        if (bitmap == nullptr || bitmap->kind != fakewin::GdiKind::Bitmap)
            return nullptr;
        if (bitmap->selectedInto != nullptr && bitmap->selectedInto != hdc)
            return nullptr;  // a bitmap can be selected into one DC at a time
    }
    HGDIOBJ previous = dc->selected;
    if (fakewin::GdiObject* old = fakewin::FindGdi(previous))
        old->selectedInto = nullptr;
    if (bitmap != nullptr)
        bitmap->selectedInto = hdc;
    dc->selected = h;
    return previous;
}

BOOL DeleteObject(HGDIOBJ ho)
{
    Log("DeleteObject", {Arg(ho)});
    if (ho == fakewin::kStockBitmap)
        return TRUE;
    fakewin::GdiObject* object = fakewin::FindGdi(ho);
    if (object == nullptr || object->kind != fakewin::GdiKind::Bitmap)
        return FALSE;
    // Windows refuses to delete a bitmap that a DC still holds, and it leaks (Wine instead defers the
    // deletion until the bitmap is selected out).
    if (object->selectedInto != nullptr)
        return FALSE;
    state().gdi.erase(reinterpret_cast<std::uintptr_t>(ho));
    return TRUE;
}

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop)
{
    Log("BitBlt", {Arg(hdc), Arg(x), Arg(y), Arg(cx), Arg(cy), Arg(hdcSrc), Arg(x1), Arg(y1), rop});
    if (!fakewin::IsDC(hdc) || !fakewin::IsDC(hdcSrc))
        return FALSE;
    // Into a memory DC that holds only its 1x1 stock bitmap, the copy is clipped to nothing.
    const fakewin::GdiObject* target = fakewin::FindGdi(hdc);
    const bool clippedAway = target->kind == fakewin::GdiKind::MemoryDC && target->selected == fakewin::kStockBitmap;
    if (cx > 0 && cy > 0 && !clippedAway)
        state().machine.ticks += state().machine.display.copyMs;
    return TRUE;
}

// ---- Common controls ---------------------------------------------------------------------------

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce)
{
    Log("InitCommonControlsEx", {picce->dwSize, picce->dwICC});
    return picce->dwSize == sizeof(INITCOMMONCONTROLSEX) ? TRUE : FALSE;
}

// ---- GDI+ --------------------------------------------------------------------------------------

GpStatus GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output)
{
    Log("GdiplusStartup", {input->GdiplusVersion, Arg(input->DebugEventCallback),
                           Arg(input->SuppressBackgroundThread), Arg(input->SuppressExternalCodecs),
                           Arg(output)});
    if (input->GdiplusVersion != 1)
        return InvalidParameter;
    state().machine.gdiplusRunning = true;
    *token = 0x6D1;
    return Ok;
}

void GdiplusShutdown(ULONG_PTR token)
{
    Log("GdiplusShutdown", {token});
    state().machine.gdiplusRunning = false;
}

// ---- Processes ---------------------------------------------------------------------------------

HANDLE CreateToolhelp32Snapshot(DWORD dwFlags, DWORD th32ProcessID)
{
    Log("CreateToolhelp32Snapshot", {dwFlags, th32ProcessID});
    auto& s = state();
    if (s.machine.snapshotFails || dwFlags != TH32CS_SNAPPROCESS)
        return INVALID_HANDLE_VALUE;
    const std::uintptr_t handle = fakewin::NewHandle();
    fakewin::KernelObject snapshot;
    snapshot.kind = fakewin::KernelKind::Snapshot;
    snapshot.snapshot = s.machine.processes;
    s.kernel[handle] = snapshot;
    return reinterpret_cast<HANDLE>(handle);
}

namespace fakewin {
namespace {

BOOL NextEntry(HANDLE hSnapshot, PROCESSENTRY32W* lppe, bool first)
{
    auto it = state().kernel.find(reinterpret_cast<std::uintptr_t>(hSnapshot));
    if (it == state().kernel.end() || it->second.kind != KernelKind::Snapshot) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (lppe->dwSize != sizeof(PROCESSENTRY32W)) {
        SetLastError(ERROR_BAD_LENGTH);
        return FALSE;
    }
    KernelObject& snapshot = it->second;
    if (first)
        snapshot.next = 0;
    if ((first && state().machine.firstEntryFails) || snapshot.next >= snapshot.snapshot.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    const Process& process = snapshot.snapshot[snapshot.next++];
    lppe->th32ProcessID = process.id;
    lppe->cntThreads = 1;
    const std::size_t length = std::min<std::size_t>(process.image.size(), MAX_PATH - 1);
    std::copy(process.image.begin(), process.image.begin() + length, lppe->szExeFile);
    lppe->szExeFile[length] = 0;
    return TRUE;
}

}  // namespace
}  // namespace fakewin

BOOL Process32FirstW(HANDLE hSnapshot, PROCESSENTRY32W* lppe)
{
    Log("Process32FirstW", {Arg(hSnapshot), lppe->dwSize});
    return fakewin::NextEntry(hSnapshot, lppe, true);
}

BOOL Process32NextW(HANDLE hSnapshot, PROCESSENTRY32W* lppe)
{
    Log("Process32NextW", {Arg(hSnapshot)});
    return fakewin::NextEntry(hSnapshot, lppe, false);
}

BOOL ProcessIdToSessionId(DWORD dwProcessId, DWORD* pSessionId)
{
    Log("ProcessIdToSessionId", {dwProcessId});
    const fakewin::Process* process = fakewin::FindProcess(dwProcessId);
    if (process == nullptr || process->terminated) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!process->sessionReadable) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    *pSessionId = process->session;
    return TRUE;
}

DWORD GetCurrentProcessId()
{
    Log("GetCurrentProcessId", {});
    return state().machine.currentProcessId;
}

DWORD GetCurrentThreadId()
{
    Log("GetCurrentThreadId", {});
    return state().machine.currentThreadId;
}

HANDLE OpenProcess(DWORD dwDesiredAccess, BOOL bInheritHandle, DWORD dwProcessId)
{
    Log("OpenProcess", {dwDesiredAccess, Arg(bInheritHandle), dwProcessId});
    const fakewin::Process* process = fakewin::FindProcess(dwProcessId);
    if (process == nullptr || process->terminated) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!process->canOpen) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    const std::uintptr_t handle = fakewin::NewHandle();
    fakewin::KernelObject object;
    object.kind = fakewin::KernelKind::Process;
    object.processId = dwProcessId;
    state().kernel[handle] = object;
    return reinterpret_cast<HANDLE>(handle);
}

BOOL TerminateProcess(HANDLE hProcess, UINT uExitCode)
{
    Log("TerminateProcess", {Arg(hProcess), uExitCode});
    auto it = state().kernel.find(reinterpret_cast<std::uintptr_t>(hProcess));
    if (it == state().kernel.end() || it->second.kind != fakewin::KernelKind::Process) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    fakewin::Process* process = fakewin::FindProcess(it->second.processId);
    if (process == nullptr || !process->canTerminate) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    process->terminated = true;
    process->exitCode = uExitCode;
    return TRUE;
}

// ---- Window classes and windows ----------------------------------------------------------------

BOOL GetClassInfoW(HINSTANCE hInstance, LPCWSTR lpClassName, WNDCLASSW* lpWndClass)
{
    Log("GetClassInfoW", {Arg(hInstance)});
    for (const fakewin::WindowClass& c : state().machine.classes) {
        // System classes answer for every module; a program's own only for the module that registered it.
        const bool system = c.name == u"#32770";
        if (c.name == lpClassName && (system || c.instance == hInstance)) {
            *lpWndClass = c.info;
            // As Wine does: a system class comes back with the module that asked for it.
            lpWndClass->hInstance = system ? hInstance : c.instance;
            lpWndClass->lpszClassName = lpClassName;
            return TRUE;
        }
    }
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
}

WORD RegisterClassW(const WNDCLASSW* lpWndClass)
{
    Log("RegisterClassW", {lpWndClass->style, Arg(lpWndClass->hInstance)});
    for (const fakewin::WindowClass& c : state().machine.classes) {
        if (c.name == lpWndClass->lpszClassName && c.instance == lpWndClass->hInstance) {
            SetLastError(ERROR_CLASS_ALREADY_EXISTS);
            return 0;
        }
    }
    fakewin::WindowClass c;
    c.name = lpWndClass->lpszClassName;
    c.instance = lpWndClass->hInstance;
    c.info = *lpWndClass;
    c.info.lpszClassName = nullptr;  // the name lives in c.name
    state().machine.classes.push_back(c);
    return static_cast<WORD>(0xC000 + state().machine.classes.size());
}

HWND FindWindowW(LPCWSTR lpClassName, LPCWSTR lpWindowName)
{
    Log("FindWindowW", {Arg(lpWindowName)});
    const fakewin::Machine& m = state().machine;
    for (const fakewin::Window& w : m.windows)
        if (!w.closed && m.ticks >= w.appearsAtTicks && w.className == lpClassName)
            return w.handle;
    return nullptr;
}

namespace fakewin {
namespace {

Window* FindWindowByHandle(HWND hwnd)
{
    for (Window& w : state().machine.windows)
        if (w.handle == hwnd && !w.closed)
            return &w;
    return nullptr;
}

}  // namespace
}  // namespace fakewin

BOOL PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    Log("PostMessageW", {Arg(hWnd), Msg, wParam, Arg(lParam)});
    fakewin::Window* window = fakewin::FindWindowByHandle(hWnd);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    // The owner handles the request by the time the poster looks again.
    if (Msg == WM_CLOSE && ++window->closeRequests == window->closesAfterRequests)
        window->closed = true;
    return TRUE;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow)
{
    Log("ShowWindow", {Arg(hWnd), Arg(nCmdShow)});
    return fakewin::FindWindowByHandle(hWnd) != nullptr ? TRUE : FALSE;
}

void SwitchToThisWindow(HWND hwnd, BOOL fUnknown)
{
    Log("SwitchToThisWindow", {Arg(hwnd), Arg(fUnknown)});
}

HWND GetForegroundWindow()
{
    Log("GetForegroundWindow", {});
    return state().machine.foreground;
}

BOOL SetForegroundWindow(HWND hWnd)
{
    Log("SetForegroundWindow", {Arg(hWnd)});
    if (fakewin::FindWindowByHandle(hWnd) == nullptr)
        return FALSE;
    state().machine.foreground = hWnd;
    return TRUE;
}

DWORD GetWindowThreadProcessId(HWND hWnd, DWORD* lpdwProcessId)
{
    Log("GetWindowThreadProcessId", {Arg(hWnd), Arg(lpdwProcessId)});
    const fakewin::Window* window = fakewin::FindWindowByHandle(hWnd);
    if (window == nullptr)
        return 0;
    if (lpdwProcessId != nullptr)
        *lpdwProcessId = window->ownerProcess;
    return window->ownerThread;
}

BOOL AttachThreadInput(DWORD idAttach, DWORD idAttachTo, BOOL fAttach)
{
    Log("AttachThreadInput", {idAttach, idAttachTo, Arg(fAttach)});
    return idAttach != idAttachTo && idAttachTo != 0 ? TRUE : FALSE;
}
