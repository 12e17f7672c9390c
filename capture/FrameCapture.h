// Frame-capture benchmark: is one copy of the whole desktop into memory too slow for remote sessions?
#pragma once

#include "platform/win32.h"

// A copy that takes this long or longer makes remote sessions refresh slowly.
constexpr DWORD kSlowFrameCaptureMs = 200;

// Times one full-screen BitBlt of the current display mode into a screen-compatible bitmap. TRUE when it
// took kSlowFrameCaptureMs or more. Nothing is retried or averaged, and no failure is reported: a mode
// that cannot be read gives an empty copy, and a copy that cannot be made takes no time.
BOOL IsFrameCaptureSlow();
