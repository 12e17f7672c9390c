// AfxRegisterClass: registers a window class once per module.
#pragma once

#include "platform/win32.h"

// TRUE when the class is registered afterwards: at once, without registering again, when a class of
// that name already exists for lpWndClass->hInstance; otherwise the result of RegisterClassW.
BOOL AfxRegisterClass(WNDCLASSW* lpWndClass);
