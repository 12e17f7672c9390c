// The Windows entry point of a framework program (built with -municode, so the runtime has split the
// command line into __wargv before this runs).
#include "framework/WinApp.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    return AfxWinMain(hInstance);
}
