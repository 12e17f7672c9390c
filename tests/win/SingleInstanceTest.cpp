#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/ProcessLookup.h"
#include "app/SingleInstance.h"
#include "framework/WinApp.h"

TEST(DialogClass, IsTheSystemDialogClassWithoutSaveBits)
{
    CWinApp app;
    app.m_hInstance = GetModuleHandleW(nullptr);
    WNDCLASSW system = {};
    ASSERT_TRUE(GetClassInfoW(app.m_hInstance, L"#32770", &system));
    ASSERT_NE(system.style & CS_SAVEBITS, 0u) << "the system class has CS_SAVEBITS to clear";

    EXPECT_TRUE(RegisterDialogClass());
    EXPECT_TRUE(RegisterDialogClass()) << "a second registration succeeds";

    WNDCLASSW registered = {};
    ASSERT_TRUE(GetClassInfoW(app.m_hInstance, kDialogClassName, &registered));
    EXPECT_EQ(registered.lpfnWndProc, system.lpfnWndProc);
    EXPECT_EQ(registered.style, system.style & ~static_cast<UINT>(CS_SAVEBITS));
    EXPECT_EQ(registered.cbWndExtra, system.cbWndExtra);
    EXPECT_EQ(registered.hCursor, system.hCursor);

    // A dialog window of the class is a real dialog: the system's dialog procedure runs it.
    HWND window = CreateWindowExW(0, kDialogClassName, L"probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  app.m_hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FindWindowW(kDialogClassName, nullptr), window);
    DestroyWindow(window);
}

TEST(ProcessLookup, FindsThisProgramInItsSessionInSnapshotOrder)
{
    DWORD session = 0;
    ASSERT_TRUE(ProcessIdToSessionId(GetCurrentProcessId(), &session));
    std::vector<DWORD> ids{1, 2, 3};

    EXPECT_EQ(FindProcessesByName(ids, L"VEXPROBE_E2E_TESTS.EXE", kAllSessions), 0);
    EXPECT_TRUE(ids.empty());
    EXPECT_EQ(FindProcessesByName(ids, L"Vexprobe_Win_Tests.exe", session), 1);
    EXPECT_EQ(ids, std::vector<DWORD>{GetCurrentProcessId()});
    EXPECT_EQ(FindProcessesByName(ids, L"vexprobe_win_tests.exe", session + 1), 0);
    // Wine runs a desktop shell, whose token the user services borrow later.
    EXPECT_GE(FindProcessesByName(ids, L"explorer.exe", kAllSessions), 1);
}
