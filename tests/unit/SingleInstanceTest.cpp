#include <algorithm>

#include "app/InstanceMutex.h"
#include "app/SingleInstance.h"
#include "framework/WinApp.h"
#include "tests/unit/FakeWindowsTest.h"

namespace {

constexpr DWORD kSelf = 4000;
constexpr DWORD kOtherThread = 5004;

fakewin::Process Proc(DWORD id, const char16_t* image, DWORD session = 1)
{
    fakewin::Process process;
    process.id = id;
    process.image = image;
    process.session = session;
    return process;
}

// The running instance's warning, appearing `afterMs` after the guard starts and going after
// `closeRequests` WM_CLOSE requests (0: never).
void AddDialog(DWORD afterMs = 0, int closeRequests = 1)
{
    fakewin::Window window;
    window.className = kDialogClassName;
    window.ownerProcess = 5000;
    window.ownerThread = kOtherThread;
    window.appearsAtTicks = fakewin::machine().ticks + afterMs;
    window.closesAfterRequests = closeRequests;
    fakewin::AddWindow(window);
}

struct GuardCase {
    const char* name;
    DWORD mutexError;
    bool closeSwitch;
    void (*setUp)();
    BOOL result;
    size_t searches;
    DWORD sleptMs;
    size_t closeRequests;
    bool activated;
    std::vector<DWORD> terminated;
};

const GuardCase kGuardCases[] = {
    {"first instance", ERROR_SUCCESS, false, [] {}, TRUE, 0, 0, 0, false, {}},
    {"first instance with the close switch", ERROR_SUCCESS, true, [] {}, FALSE, 0, 0, 0, false, {}},
    {"other mutex errors mean a first instance", 1450, false, [] { AddDialog(); }, TRUE, 0, 0, 0, false, {}},
    {"running warning is brought to the front", ERROR_ALREADY_EXISTS, false, [] { AddDialog(); }, FALSE, 1, 0, 0,
     true, {}},
    {"access denied acts like already exists", ERROR_ACCESS_DENIED, false, [] { AddDialog(); }, FALSE, 1, 0, 0, true,
     {}},
    {"warning appears after three pauses", ERROR_ALREADY_EXISTS, false, [] { AddDialog(600); }, FALSE, 4, 600, 0,
     true, {}},
    {"no warning, one stale copy: nothing ended", ERROR_ALREADY_EXISTS, false,
     [] { fakewin::machine().processes = {Proc(kSelf, u"VexprobeHLX.exe"), Proc(100, u"Vexprobe.exe")}; }, TRUE, 11,
     2000, 0, false, {}},
    {"no warning, three copies: the two others ended", ERROR_ALREADY_EXISTS, false,
     [] {
         fakewin::machine().processes = {Proc(100, u"Vexprobe.exe"), Proc(kSelf, u"Vexprobe.exe"),
                                         Proc(101, u"VEXPROBE.EXE"), Proc(102, u"Vexprobe.exe", 2),
                                         Proc(103, u"VexprobeHLX.exe")};
     },
     TRUE, 11, 2000, 0, false, {100, 101}},
    {"a copy that cannot be opened is skipped", ERROR_ALREADY_EXISTS, false,
     [] {
         fakewin::machine().processes = {Proc(kSelf, u"Vexprobe.exe"), Proc(100, u"Vexprobe.exe"),
                                         Proc(101, u"Vexprobe.exe")};
         fakewin::machine().processes[1].canOpen = false;
     },
     TRUE, 11, 2000, 0, false, {101}},
    {"unreadable own session looks in all sessions", ERROR_ALREADY_EXISTS, false,
     [] {
         fakewin::machine().processes = {Proc(kSelf, u"VexprobeHLX.exe"), Proc(100, u"Vexprobe.exe", 2),
                                         Proc(101, u"Vexprobe.exe", 3)};
         fakewin::machine().processes[0].sessionReadable = false;
     },
     TRUE, 11, 2000, 0, false, {100, 101}},
    {"close switch: window goes after three requests", ERROR_ALREADY_EXISTS, true, [] { AddDialog(0, 3); }, FALSE, 4,
     600, 3, false, {}},
    {"close switch: a window that never goes is asked 50 times", ERROR_ALREADY_EXISTS, true,
     [] { AddDialog(0, 0); }, FALSE, 51, 10000, 50, false, {}},
    {"close switch with a stale holder", ERROR_ALREADY_EXISTS, true,
     [] {
         fakewin::machine().processes = {Proc(kSelf, u"Vexprobe.exe"), Proc(100, u"Vexprobe.exe")};
     },
     FALSE, 11, 2000, 0, false, {100}},
};

class Guard : public FakeWindowsTest, public ::testing::WithParamInterface<GuardCase> {};

}  // namespace

TEST_P(Guard, DecidesWhetherStartupGoesOn)
{
    const GuardCase& c = GetParam();
    fakewin::machine().currentProcessId = kSelf;
    fakewin::machine().processes = {Proc(kSelf, u"VexprobeHLX.exe")};
    c.setUp();
    g_instanceMutex.m_dwLastError = c.mutexError;
    CCommandLineInfoEx info;
    if (c.closeSwitch)
        info.ParseParam(u"x", TRUE, TRUE);
    const DWORD start = fakewin::machine().ticks;

    EXPECT_EQ(EnsureSingleInstance(info), c.result) << c.name;

    const auto searches = fakewin::CallsNamed("FindWindowW");
    EXPECT_EQ(searches.size(), c.searches) << c.name;
    for (const fakewin::Call& search : searches)
        EXPECT_EQ(search.args[0], 0u) << c.name << ": searched by class only";
    EXPECT_EQ(fakewin::machine().ticks - start, c.sleptMs) << c.name;
    for (const fakewin::Call& sleep : fakewin::CallsNamed("Sleep"))
        EXPECT_EQ(sleep.args[0], 200u) << c.name;

    const auto posts = fakewin::CallsNamed("PostMessageW");
    EXPECT_EQ(posts.size(), c.closeRequests) << c.name;
    for (const fakewin::Call& post : posts)
        EXPECT_EQ((std::vector<std::uint64_t>(post.args.begin() + 1, post.args.end())),
                  (std::vector<std::uint64_t>{WM_CLOSE, 0, 0}))
            << c.name;

    EXPECT_EQ(!fakewin::CallsNamed("SetForegroundWindow").empty(), c.activated) << c.name;

    std::vector<DWORD> terminated;
    for (const fakewin::Process& process : fakewin::machine().processes)
        if (process.terminated) {
            terminated.push_back(process.id);
            EXPECT_EQ(process.exitCode, 2u) << c.name;
        }
    EXPECT_EQ(terminated, c.terminated) << c.name;
    for (const fakewin::Call& open : fakewin::CallsNamed("OpenProcess")) {
        EXPECT_EQ(open.args[0], static_cast<std::uint64_t>(PROCESS_ALL_ACCESS)) << c.name;
        EXPECT_EQ(open.args[1], static_cast<std::uint64_t>(TRUE)) << c.name;
        EXPECT_NE(open.args[2], kSelf) << c.name;
    }
    EXPECT_EQ(fakewin::OpenHandles(), 0) << c.name << ": every process handle closed";
}

INSTANTIATE_TEST_SUITE_P(Cases, Guard, ::testing::ValuesIn(kGuardCases), CaseName());

TEST_F(FakeWindowsTest, GuardActivatesTheFoundWindowInThisOrder)
{
    fakewin::machine().currentThreadId = 4004;
    HWND foreground = fakewin::AddWindow(fakewin::Window{nullptr, u"Shell_TrayWnd", 6000, 6004});
    fakewin::machine().foreground = foreground;
    AddDialog();
    const HWND dialog = fakewin::machine().windows.back().handle;
    g_instanceMutex.m_dwLastError = ERROR_ALREADY_EXISTS;

    EXPECT_FALSE(EnsureSingleInstance(CCommandLineInfoEx()));

    std::vector<fakewin::Call> calls = fakewin::machine().calls;
    const auto search = std::find_if(calls.begin(), calls.end(), [](const fakewin::Call& call) {
        return call.name == "FindWindowW";
    });
    ASSERT_NE(search, calls.end());
    std::vector<std::pair<std::string, std::vector<std::uint64_t>>> after;
    for (auto it = search + 1; it != calls.end(); ++it)
        after.emplace_back(it->name, it->args);
    const auto h = [](HWND w) { return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(w)); };
    const std::vector<std::pair<std::string, std::vector<std::uint64_t>>> expected = {
        {"ShowWindow", {h(dialog), SW_RESTORE}},
        {"SwitchToThisWindow", {h(dialog), TRUE}},
        {"GetForegroundWindow", {}},
        {"GetCurrentThreadId", {}},
        {"GetWindowThreadProcessId", {h(foreground), 0}},
        {"AttachThreadInput", {4004, 6004, TRUE}},
        {"SetForegroundWindow", {h(dialog)}},
        {"AttachThreadInput", {4004, 6004, FALSE}},
    };
    EXPECT_EQ(after, expected);
    EXPECT_EQ(fakewin::machine().foreground, dialog);
}

TEST_F(FakeWindowsTest, DialogClassIsTheSystemDialogClassWithoutSaveBits)
{
    CWinApp app;
    app.m_hInstance = reinterpret_cast<HINSTANCE>(0x400000);

    EXPECT_TRUE(RegisterDialogClass());
    EXPECT_TRUE(RegisterDialogClass());  // a second registration finds the first

    EXPECT_EQ(fakewin::CallsNamed("RegisterClassW").size(), 1u);
    WNDCLASSW registered = {};
    ASSERT_TRUE(GetClassInfoW(app.m_hInstance, kDialogClassName, &registered));
    EXPECT_EQ(registered.style, static_cast<UINT>(fakewin::kSystemDialogStyle & ~CS_SAVEBITS));
    EXPECT_EQ(registered.lpfnWndProc, fakewin::SystemDialogProc());
    EXPECT_EQ(registered.cbWndExtra, 30);
    EXPECT_EQ(registered.hInstance, app.m_hInstance);
}
