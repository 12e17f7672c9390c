// The program's resources: the module they come from, and string loading.
#pragma once

#include "platform/text.h"
#include "platform/win32.h"

// The module that holds the program's resources (the application's module).
HINSTANCE AfxGetResourceHandle();
// The module that holds the string table block of `id`, or nullptr when no module does.
HINSTANCE AfxFindStringResourceHandle(UINT id);
// String `id` from whichever module holds it; empty when none does (CString::LoadString).
WString AfxLoadString(UINT id);
