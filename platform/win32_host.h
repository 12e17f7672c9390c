// Win32 as the portable code sees it on hosts other than Windows.
//
// Written from the documented signatures and layouts, only the subset that VexprobeHLX uses. WCHAR is
// 16 bits wide here as on Windows, so text, sizes in bytes and registry data keep UTF-16 semantics.
// Include platform/win32.h, not this file.
#pragma once

#include <cstddef>
#include <cstdint>

// ---- Basic types -------------------------------------------------------------------------------

typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef std::uint32_t ULONG;
typedef std::uint32_t UINT;
typedef std::uint32_t UINT32;
typedef int INT;
typedef int BOOL;
typedef short SHORT;
typedef std::intptr_t LONG_PTR;
typedef std::uintptr_t ULONG_PTR;
typedef std::uintptr_t UINT_PTR;
typedef void VOID;
typedef void* LPVOID;
typedef char16_t WCHAR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef WCHAR TCHAR;
typedef LPCWSTR LPCTSTR;

#define TRUE 1
#define FALSE 0
#define WINAPI
#define TEXT(s) u##s
#define MAX_PATH 260

typedef void* HANDLE;
typedef void* HGDIOBJ;
typedef struct HWND__* HWND;
typedef struct HDC__* HDC;
typedef struct HBITMAP__* HBITMAP;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef struct HICON__* HICON;
typedef HICON HCURSOR;
typedef struct HBRUSH__* HBRUSH;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;

#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1)))

// ---- Errors ------------------------------------------------------------------------------------

#define ERROR_SUCCESS 0L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_NO_MORE_FILES 18L
#define ERROR_BAD_LENGTH 24L
#define ERROR_ALREADY_EXISTS 183L
#define ERROR_CLASS_ALREADY_EXISTS 1410L
#define ERROR_CLASS_DOES_NOT_EXIST 1411L

DWORD GetLastError();
void SetLastError(DWORD dwErrCode);

// ---- Kernel objects ----------------------------------------------------------------------------

typedef struct _SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
} SECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

HANDLE CreateMutexW(LPSECURITY_ATTRIBUTES lpMutexAttributes, BOOL bInitialOwner, LPCWSTR lpName);
BOOL CloseHandle(HANDLE hObject);

DWORD GetTickCount();
void Sleep(DWORD dwMilliseconds);

// ---- Processes ---------------------------------------------------------------------------------

#define PROCESS_ALL_ACCESS 0x001FFFFF
#define TH32CS_SNAPPROCESS 0x00000002

typedef struct tagPROCESSENTRY32W {
    DWORD dwSize;
    DWORD cntUsage;
    DWORD th32ProcessID;
    ULONG_PTR th32DefaultHeapID;
    DWORD th32ModuleID;
    DWORD cntThreads;
    DWORD th32ParentProcessID;
    LONG pcPriClassBase;
    DWORD dwFlags;
    WCHAR szExeFile[MAX_PATH];
} PROCESSENTRY32W;

HANDLE CreateToolhelp32Snapshot(DWORD dwFlags, DWORD th32ProcessID);
BOOL Process32FirstW(HANDLE hSnapshot, PROCESSENTRY32W* lppe);
BOOL Process32NextW(HANDLE hSnapshot, PROCESSENTRY32W* lppe);
BOOL ProcessIdToSessionId(DWORD dwProcessId, DWORD* pSessionId);
DWORD GetCurrentProcessId();
DWORD GetCurrentThreadId();
HANDLE OpenProcess(DWORD dwDesiredAccess, BOOL bInheritHandle, DWORD dwProcessId);
BOOL TerminateProcess(HANDLE hProcess, UINT uExitCode);

// The runtime's argument vector, split from the command line before the program's code runs.
extern int __argc;
extern WCHAR** __wargv;

// ---- Display settings --------------------------------------------------------------------------

#define CCHDEVICENAME 32
#define CCHFORMNAME 32
#define ENUM_CURRENT_SETTINGS (static_cast<DWORD>(-1))

typedef struct _POINTL {
    LONG x;
    LONG y;
} POINTL;

typedef struct _devicemodeW {
    WCHAR dmDeviceName[CCHDEVICENAME];
    WORD dmSpecVersion;
    WORD dmDriverVersion;
    WORD dmSize;
    WORD dmDriverExtra;
    DWORD dmFields;
    union {
        struct {
            short dmOrientation;
            short dmPaperSize;
            short dmPaperLength;
            short dmPaperWidth;
            short dmScale;
            short dmCopies;
            short dmDefaultSource;
            short dmPrintQuality;
        };
        struct {
            POINTL dmPosition;
            DWORD dmDisplayOrientation;
            DWORD dmDisplayFixedOutput;
        };
    };
    short dmColor;
    short dmDuplex;
    short dmYResolution;
    short dmTTOption;
    short dmCollate;
    WCHAR dmFormName[CCHFORMNAME];
    WORD dmLogPixels;
    DWORD dmBitsPerPel;
    DWORD dmPelsWidth;
    DWORD dmPelsHeight;
    union {
        DWORD dmDisplayFlags;
        DWORD dmNup;
    };
    DWORD dmDisplayFrequency;
    DWORD dmICMMethod;
    DWORD dmICMIntent;
    DWORD dmMediaType;
    DWORD dmDitherType;
    DWORD dmReserved1;
    DWORD dmReserved2;
    DWORD dmPanningWidth;
    DWORD dmPanningHeight;
} DEVMODEW;
static_assert(sizeof(DEVMODEW) == 220, "DEVMODEW has its documented size");

BOOL EnumDisplaySettingsW(LPCWSTR lpszDeviceName, DWORD iModeNum, DEVMODEW* lpDevMode);

// ---- Windows and device contexts ---------------------------------------------------------------

#define SRCCOPY 0x00CC0020
#define WM_CLOSE 0x0010
#define SW_RESTORE 9
#define CS_SAVEBITS 0x0800
#define CS_GLOBALCLASS 0x4000

typedef LRESULT (*WNDPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagWNDCLASSW {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCWSTR lpszMenuName;
    LPCWSTR lpszClassName;
} WNDCLASSW;

BOOL GetClassInfoW(HINSTANCE hInstance, LPCWSTR lpClassName, WNDCLASSW* lpWndClass);
WORD RegisterClassW(const WNDCLASSW* lpWndClass);

HWND FindWindowW(LPCWSTR lpClassName, LPCWSTR lpWindowName);
BOOL PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
BOOL ShowWindow(HWND hWnd, int nCmdShow);
void SwitchToThisWindow(HWND hwnd, BOOL fUnknown);
HWND GetForegroundWindow();
BOOL SetForegroundWindow(HWND hWnd);
DWORD GetWindowThreadProcessId(HWND hWnd, DWORD* lpdwProcessId);
BOOL AttachThreadInput(DWORD idAttach, DWORD idAttachTo, BOOL fAttach);

HWND GetDesktopWindow();
HDC GetDC(HWND hWnd);
int ReleaseDC(HWND hWnd, HDC hDC);
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy);
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h);
BOOL DeleteObject(HGDIOBJ ho);
BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);

// ---- Common controls ---------------------------------------------------------------------------

#define ICC_WIN95_CLASSES 0x000000FF

typedef struct tagINITCOMMONCONTROLSEX {
    DWORD dwSize;
    DWORD dwICC;
} INITCOMMONCONTROLSEX;

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce);

// ---- GDI+ flat interface -----------------------------------------------------------------------

enum GpStatus { Ok = 0, GenericError = 1, InvalidParameter = 2, FontFamilyNotFound = 14 };

struct GdiplusStartupInput {
    UINT32 GdiplusVersion = 1;
    void* DebugEventCallback = nullptr;
    BOOL SuppressBackgroundThread = FALSE;
    BOOL SuppressExternalCodecs = FALSE;
};
struct GdiplusStartupOutput;

GpStatus GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output);
void GdiplusShutdown(ULONG_PTR token);
