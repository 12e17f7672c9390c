// The real program against a stand-in for a running instance (vexprobe_standin.exe): a second start
// brings the running warning to the front, the close switch closes it, and mutex holders that never
// show a window are ended when there is more than one of them.
#include <gtest/gtest.h>

#include "app/SingleInstance.h"
#include "tests/win/ChildProcess.h"

namespace {

std::wstring Quoted(const std::wstring& path)
{
    return L"\"" + path + L"\"";
}

ChildResult StartProgram(const std::wstring& arguments = L"")
{
    ChildRun run;
    run.commandLine = ProgramCommandLine(arguments);
    return RunChild(run);
}

// Starts a stand-in of this image and waits until it is ready to be found.
bool StartStandIn(CChildProcess& standIn, const std::wstring& image, const std::wstring& arguments)
{
    ChildRun run;
    run.commandLine = Quoted(BesideThisProgram(image)) + L" " + arguments;
    return standIn.Start(run) && standIn.WaitUntilIdle(10000);
}

}  // namespace

TEST(Guard, SecondStartBringsTheRunningWarningToTheFront)
{
    CChildProcess standIn;
    ASSERT_TRUE(StartStandIn(standIn, L"vexprobe_standin.exe", L"--window --minimized"));
    HWND window = FindWindowW(kDialogClassName, nullptr);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(IsIconic(window)) << "the stand-in starts minimized";
    ASSERT_NE(GetForegroundWindow(), window);

    const ChildResult second = StartProgram();

    EXPECT_FALSE(second.timedOut);
    EXPECT_EQ(second.exitCode, 0u);
    EXPECT_LT(second.elapsedMs, 1000.0);
    EXPECT_FALSE(second.showedWindow);
    EXPECT_FALSE(IsIconic(window)) << "restored";
    EXPECT_EQ(GetForegroundWindow(), window) << "in front";
    std::printf("second start ended after %.0f ms\n", second.elapsedMs);
}

TEST(Guard, CloseSwitchClosesTheRunningWarningThenEnds)
{
    for (const wchar_t* closeSwitch : {L"/x", L"-X", L"\"/x\""}) {
        SCOPED_TRACE(closeSwitch);
        const std::wstring log = TempFileName();
        CChildProcess standIn;
        ASSERT_TRUE(StartStandIn(standIn, L"vexprobe_standin.exe", L"--window --log " + Quoted(log)));
        ASSERT_NE(FindWindowW(kDialogClassName, nullptr), nullptr);

        const ChildResult closer = StartProgram(closeSwitch);

        EXPECT_FALSE(closer.timedOut);
        EXPECT_EQ(closer.exitCode, 0u);
        EXPECT_LT(closer.elapsedMs, 1500.0) << "one request, one pause, then no window";
        EXPECT_EQ(FindWindowW(kDialogClassName, nullptr), nullptr) << "the window is gone when the closer ends";
        const ChildResult closed = standIn.Wait(5000);
        EXPECT_FALSE(closed.timedOut) << "the stand-in ended after its window closed";
        EXPECT_EQ(ReadWholeFile(log), "WM_CLOSE 0 0\n");
        DeleteFileW(log.c_str());
        std::printf("%ls: closer ended after %.0f ms\n", closeSwitch, closer.elapsedMs);
    }
}

TEST(Guard, MoreThanOneStaleCopyIsTerminatedAndTheStartGoesOn)
{
    // Stale copies carry the image name "Vexprobe.exe".
    const std::wstring staleImage = BesideThisProgram(L"Vexprobe.exe");
    ASSERT_TRUE(CopyFileW(BesideThisProgram(L"vexprobe_standin.exe").c_str(), staleImage.c_str(), FALSE));
    CChildProcess first, second;
    ASSERT_TRUE(StartStandIn(first, L"Vexprobe.exe", L""));
    ASSERT_TRUE(StartStandIn(second, L"Vexprobe.exe", L""));

    const ChildResult start = StartProgram();

    EXPECT_FALSE(start.timedOut);
    EXPECT_EQ(start.exitCode, 0u);
    EXPECT_FALSE(start.showedWindow);
    EXPECT_GT(start.elapsedMs, 2000.0) << "it waited about 2 s for a window first";
    for (CChildProcess* standIn : {&first, &second}) {
        const ChildResult ended = standIn->Wait(5000);
        EXPECT_FALSE(ended.timedOut);
        EXPECT_EQ(ended.exitCode, 2u);
    }
    std::printf("start with two stale copies ended after %.0f ms\n", start.elapsedMs);
}

TEST(Guard, OneStaleCopyIsNotTerminated)
{
    const std::wstring staleImage = BesideThisProgram(L"Vexprobe.exe");
    ASSERT_TRUE(CopyFileW(BesideThisProgram(L"vexprobe_standin.exe").c_str(), staleImage.c_str(), FALSE));
    CChildProcess only;
    ASSERT_TRUE(StartStandIn(only, L"Vexprobe.exe", L""));

    const ChildResult start = StartProgram();

    EXPECT_FALSE(start.timedOut);
    EXPECT_EQ(start.exitCode, 0u);
    EXPECT_FALSE(start.showedWindow);
    EXPECT_GT(start.elapsedMs, 2000.0);
    EXPECT_EQ(WaitForSingleObject(only.Handle(), 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "still running";
}
