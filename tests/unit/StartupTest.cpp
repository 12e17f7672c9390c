#include <algorithm>

#include "app/InstanceMutex.h"
#include "app/SingleInstance.h"
#include "app/VexprobeApp.h"
#include "tests/unit/FakeWindowsTest.h"

namespace {

class Startup : public FakeWindowsTest {
protected:
    void SetUp() override
    {
        FakeWindowsTest::SetUp();
        g_szFontFace[0] = 0;
        g_instanceMutex.m_dwLastError = ERROR_SUCCESS;  // the first instance
    }

    static std::ptrdiff_t IndexOf(const std::string& name)
    {
        const std::vector<std::string> names = fakewin::CallNames();
        const auto it = std::find(names.begin(), names.end(), name);
        return it == names.end() ? -1 : it - names.begin();
    }
};

struct CaptureCase {
    const char* name;
    DWORD copyMs;
    bool slow;
};

const CaptureCase kCaptureCases[] = {
    {"fast capture", 16, false},
    {"slow capture", 200, true},
};

class StartupPath : public Startup, public ::testing::WithParamInterface<CaptureCase> {};

}  // namespace

TEST_P(StartupPath, RunsItsStepsInOrderAndReturnsFalse)
{
    const CaptureCase& c = GetParam();
    fakewin::machine().display.copyMs = c.copyMs;
    fakewin::SetCommandLine({u"VexprobeHLX.exe", u"/Q"});

    CVexprobeApp app;
    EXPECT_FALSE(app.InitInstance()) << c.name;

    EXPECT_EQ(app.m_cmdInfo.m_switches, std::vector<WString>{u"q"}) << c.name;
    const auto controls = fakewin::CallsNamed("InitCommonControlsEx");
    ASSERT_EQ(controls.size(), 1u) << c.name;
    EXPECT_EQ(controls[0].args, (std::vector<std::uint64_t>{8, 0xFF})) << c.name;
    EXPECT_LT(IndexOf("InitCommonControlsEx"), IndexOf("EnumDisplaySettingsW")) << c.name;
    EXPECT_EQ(fakewin::CallsNamed("BitBlt").size(), 1u) << c.name;

    if (!c.slow) {
        // A fast capture leaves the company key, the face name and GDI+ untouched.
        EXPECT_TRUE(app.GetRegistryKey().empty());
        EXPECT_EQ(g_szFontFace[0], 0);
        EXPECT_EQ(IndexOf("GdiplusStartup"), -1);
        EXPECT_EQ(IndexOf("RegisterClassW"), -1);
        EXPECT_EQ(app.m_gdiplusToken, 0u);
        return;
    }
    EXPECT_EQ(app.GetRegistryKey(), u"Korvalink Inc.");
    EXPECT_EQ(WString(g_szFontFace), u"Arial");
    EXPECT_GT(IndexOf("RegisterClassW"), IndexOf("BitBlt"));
    EXPECT_LT(IndexOf("RegisterClassW"), IndexOf("GdiplusStartup"));
    const auto gdiplus = fakewin::CallsNamed("GdiplusStartup");
    ASSERT_EQ(gdiplus.size(), 1u);
    // Version 1, no debug callback, background thread and codecs not suppressed, no output.
    EXPECT_EQ(gdiplus[0].args, (std::vector<std::uint64_t>{1, 0, 0, 0, 0}));
    EXPECT_GT(IndexOf("GdiplusStartup"), IndexOf("BitBlt"));
    EXPECT_NE(app.m_gdiplusToken, 0u);
    EXPECT_TRUE(fakewin::machine().gdiplusRunning);
}

INSTANTIATE_TEST_SUITE_P(Cases, StartupPath, ::testing::ValuesIn(kCaptureCases), CaseName());

TEST_F(Startup, GuardThatStopsTheStartLeavesEverythingElseUndone)
{
    // The close switch with no other instance running: the guard says stop at once.
    fakewin::machine().display.copyMs = 500;
    fakewin::SetCommandLine({u"VexprobeHLX.exe", u"/x"});
    CVexprobeApp app;

    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(fakewin::CallNames(), std::vector<std::string>{});  // no search, no controls, no capture
    EXPECT_EQ(app.ExitInstance(), 0);
}

TEST_F(Startup, SecondStartActivatesTheRunningWarningAndStops)
{
    fakewin::machine().display.copyMs = 500;
    g_instanceMutex.m_dwLastError = ERROR_ALREADY_EXISTS;
    fakewin::Window dialog;
    dialog.className = u"KorvalinkRemoteDetectHLX";
    fakewin::AddWindow(dialog);
    CVexprobeApp app;

    EXPECT_FALSE(app.InitInstance());
    EXPECT_GE(IndexOf("SetForegroundWindow"), 0);
    EXPECT_EQ(IndexOf("InitCommonControlsEx"), -1);
    EXPECT_EQ(IndexOf("BitBlt"), -1);
}

TEST_F(Startup, ExitInstanceEndsTheGdiplusSessionThatStartupBegan)
{
    fakewin::machine().display.copyMs = 500;
    CVexprobeApp app;
    app.InitInstance();
    const ULONG_PTR token = app.m_gdiplusToken;

    EXPECT_EQ(app.ExitInstance(), 0);

    const auto shutdown = fakewin::CallsNamed("GdiplusShutdown");
    ASSERT_EQ(shutdown.size(), 1u);
    EXPECT_EQ(shutdown[0].args[0], token);
    EXPECT_FALSE(fakewin::machine().gdiplusRunning);
}

TEST_F(Startup, ExitInstanceWithoutGdiplusEndsNothing)
{
    fakewin::machine().display.copyMs = 16;
    CVexprobeApp app;
    app.InitInstance();

    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_TRUE(fakewin::CallsNamed("GdiplusShutdown").empty());
}

TEST_F(Startup, FrameworkStartEndsWithExitInstanceValue)
{
    fakewin::machine().display.copyMs = 16;
    CVexprobeApp app;
    ASSERT_EQ(AfxGetApp(), &app);

    EXPECT_EQ(AfxWinMain(reinterpret_cast<HINSTANCE>(0x400000)), 0);

    EXPECT_EQ(app.m_hInstance, reinterpret_cast<HINSTANCE>(0x400000));
    EXPECT_EQ(fakewin::CallsNamed("BitBlt").size(), 1u);  // InitInstance ran
}

TEST_F(Startup, ApplicationObjectAsksForResourceSmartUpdate)
{
    CVexprobeApp app;
    EXPECT_TRUE(app.m_bResourceSmartUpdate);
    EXPECT_TRUE(app.m_cmdInfo.m_switches.empty());
    EXPECT_EQ(app.m_gdiplusToken, 0u);
}

// ---- The instance mutex ------------------------------------------------------------------------

TEST_F(FakeWindowsTest, InstanceMutexFirstInstanceCreatesItUnowned)
{
    {
        fakewin::machine().lastError = 0xDEADBEEF;
        CInstanceMutex mutex(kInstanceMutexName);
        EXPECT_NE(mutex.m_hMutex, nullptr);
        EXPECT_EQ(mutex.m_dwLastError, static_cast<DWORD>(ERROR_SUCCESS));
        EXPECT_EQ(mutex.m_strName, u"{88A78A95-119B-4fcc-BB2E-F8E7A0EFACC2}");
        const auto create = fakewin::CallsNamed("CreateMutexW");
        ASSERT_EQ(create.size(), 1u);
        EXPECT_EQ(create[0].args, (std::vector<std::uint64_t>{0, FALSE}));  // default security, not owned
        EXPECT_EQ(fakewin::machine().mutexes.count(kInstanceMutexName), 1u);
    }
    EXPECT_EQ(fakewin::OpenHandles(), 0);
    EXPECT_EQ(fakewin::machine().mutexes.count(kInstanceMutexName), 0u);
}

TEST_F(FakeWindowsTest, InstanceMutexKeepsTheCreationErrorOfAnotherInstance)
{
    fakewin::machine().mutexes[kInstanceMutexName].openHandles = 1;  // held by a running instance
    {
        CInstanceMutex mutex(kInstanceMutexName);
        EXPECT_NE(mutex.m_hMutex, nullptr);
        EXPECT_EQ(mutex.m_dwLastError, static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    }
    EXPECT_EQ(fakewin::OpenHandles(), 0);
    EXPECT_EQ(fakewin::machine().mutexes[kInstanceMutexName].openHandles, 1);  // still the other's
}

TEST_F(FakeWindowsTest, InstanceMutexDeniedKeepsNullHandleAndReason)
{
    fakewin::machine().mutexes[kInstanceMutexName].accessDenied = true;
    {
        CInstanceMutex mutex(kInstanceMutexName);
        EXPECT_EQ(mutex.m_hMutex, nullptr);
        EXPECT_EQ(mutex.m_dwLastError, static_cast<DWORD>(ERROR_ACCESS_DENIED));
    }
    EXPECT_TRUE(fakewin::CallsNamed("CloseHandle").empty());
}
