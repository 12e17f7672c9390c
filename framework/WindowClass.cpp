#include "framework/WindowClass.h"

BOOL AfxRegisterClass(WNDCLASSW* lpWndClass)
{
    WNDCLASSW existing;
    if (GetClassInfoW(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing))
        return TRUE;
    return RegisterClassW(lpWndClass) != 0 ? TRUE : FALSE;
}
