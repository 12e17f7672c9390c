// The real VexprobeHLX.exe, started as a user starts it, on the virtual screens. What it did is read
// from outside: its exit code, its windows, and Wine's own GDI+ trace (WINEDEBUG=trace+gdiplus), so
// the program carries no switch or hook for testing.
#include <gtest/gtest.h>

#include "tests/win/ChildProcess.h"

namespace {

ChildResult StartProgram()
{
    ChildRun run;
    run.commandLine = ProgramCommandLine();
    run.environment = {{L"WINEDEBUG", L"trace+gdiplus"}};
    return RunChild(run);
}

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

const char kGdiplusStartup[] = "GdiplusStartup GdiplusStartupInput 1 0000000000000000 0 0";

}  // namespace

TEST(Program, FastCaptureEndsAtOnceWithExitCodeZeroAndNoWindow)
{
    const ChildResult result = StartProgram();
    ASSERT_TRUE(result.started);
    ASSERT_FALSE(result.timedOut);
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_FALSE(result.showedWindow);
    EXPECT_LT(result.elapsedMs, 700.0);
    std::printf("fast start ended after %.0f ms\n", result.elapsedMs);

    ASSERT_TRUE(Contains(result.wineTrace, "trace:gdiplus:DllMain")) << "the GDI+ trace is not being recorded";
    EXPECT_FALSE(Contains(result.wineTrace, "GdiplusStartup"));
}

TEST(LargeScreen, SlowCaptureTakesTheWarningPath)
{
    const ChildResult result = StartProgram();
    ASSERT_TRUE(result.started);
    ASSERT_FALSE(result.timedOut);
    EXPECT_EQ(result.exitCode, 0u);
    std::printf("slow start ended after %.0f ms\n", result.elapsedMs);

    ASSERT_TRUE(Contains(result.wineTrace, "trace:gdiplus:DllMain")) << "the GDI+ trace is not being recorded";
    EXPECT_TRUE(Contains(result.wineTrace, kGdiplusStartup)) << result.wineTrace;
}
