// The one header through which VexprobeHLX reaches Windows.
//
// On Windows it is nothing but the SDK headers, so the program calls the system directly. On other
// hosts it declares the subset of Win32 that the portable code uses (see win32_host.h); the simulated
// Windows in tests/fakewin implements those declarations for the native tests.
#pragma once

#ifdef _WIN32

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>
#include <gdiplus.h>

// The GDI+ flat interface and its start-up types, under their plain names as on the native host.
using Gdiplus::GdiplusShutdown;
using Gdiplus::GdiplusStartup;
using Gdiplus::GdiplusStartupInput;
using Gdiplus::GdiplusStartupOutput;
using Gdiplus::GpStatus;
using Gdiplus::Ok;
using Gdiplus::FontFamilyNotFound;
using Gdiplus::GpFontFamily;
using Gdiplus::DllExports::GdipCreateFontFamilyFromName;
using Gdiplus::DllExports::GdipDeleteFontFamily;

#else

#include "platform/win32_host.h"

#endif
