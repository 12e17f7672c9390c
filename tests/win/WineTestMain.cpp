// Entry of the test programs that run under Wine. Each run is meant for one virtual screen
// (VEXPROBE_SCREEN); a run on another screen would test the wrong thing, so it stops at once.
#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>

#include "platform/win32.h"

namespace {

bool OnTheExpectedScreen()
{
    WCHAR screen[16] = L"";
    GetEnvironmentVariableW(L"VEXPROBE_SCREEN", screen, 16);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const bool small = std::wcscmp(screen, L"small") == 0 && width == 800 && height == 600;
    const bool large = std::wcscmp(screen, L"large") == 0 && width == 7680 && height == 4320;
    if (!small && !large)
        std::printf("VEXPROBE_SCREEN=%ls but the screen is %dx%d\n", screen, width, height);
    return small || large;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!OnTheExpectedScreen())
        return 1;
    return RUN_ALL_TESTS();
}
