#include <algorithm>

#include "capture/FrameCapture.h"
#include "tests/unit/FakeWindowsTest.h"

namespace {

struct TimingCase {
    const char* name;
    DWORD startTicks;
    DWORD copyMs;
    BOOL slow;
};

const TimingCase kTimingCases[] = {
    {"200 ms is slow", 0x00100000, 200, TRUE},
    {"199 ms is fast", 0x00100000, 199, FALSE},
    {"instant copy is fast", 0x00100000, 0, FALSE},
    {"wrap: 16 ms before, 192 ms after", 0xFFFFFFF0, 208, TRUE},
    {"wrap at a fast copy", 0xFFFFFFF0, 20, FALSE},
};

class FrameCaptureTiming : public FakeWindowsTest, public ::testing::WithParamInterface<TimingCase> {};

}  // namespace

TEST_P(FrameCaptureTiming, ComparesElapsedTicksWithThreshold)
{
    const TimingCase& c = GetParam();
    fakewin::machine().ticks = c.startTicks;
    fakewin::machine().display.copyMs = c.copyMs;

    EXPECT_EQ(IsFrameCaptureSlow(), c.slow) << c.name;

    const auto readings = fakewin::CallsNamed("GetTickCount");
    ASSERT_EQ(readings.size(), 2u) << c.name;
    EXPECT_EQ(fakewin::LiveGdiObjects(), 0) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, FrameCaptureTiming, ::testing::ValuesIn(kTimingCases), CaseName());

class FrameCapture : public FakeWindowsTest {};

TEST_F(FrameCapture, CopiesTheWholeCurrentModeFromTheDesktopIntoACompatibleBitmap)
{
    fakewin::machine().display.width = 1920;
    fakewin::machine().display.height = 1080;

    IsFrameCaptureSlow();

    const auto mode = fakewin::CallsNamed("EnumDisplaySettingsW");
    ASSERT_EQ(mode.size(), 1u);
    EXPECT_EQ(mode[0].args, (std::vector<std::uint64_t>{0, ENUM_CURRENT_SETTINGS, 220}));

    const auto getDC = fakewin::CallsNamed("GetDC");
    ASSERT_EQ(getDC.size(), 1u);
    EXPECT_EQ(getDC[0].args[0], reinterpret_cast<std::uintptr_t>(fakewin::DesktopWindow()));

    const auto memoryDC = fakewin::CallsNamed("CreateCompatibleDC");
    const auto bitmap = fakewin::CallsNamed("CreateCompatibleBitmap");
    ASSERT_EQ(memoryDC.size(), 1u);
    ASSERT_EQ(bitmap.size(), 1u);
    const std::uint64_t screen = memoryDC[0].args[0];
    EXPECT_NE(screen, 0u);
    EXPECT_EQ(bitmap[0].args, (std::vector<std::uint64_t>{screen, 1920, 1080}));

    const auto blit = fakewin::CallsNamed("BitBlt");
    ASSERT_EQ(blit.size(), 1u);
    const std::vector<std::uint64_t>& a = blit[0].args;
    EXPECT_NE(a[0], screen);  // into the memory DC ...
    EXPECT_EQ((std::vector<std::uint64_t>(a.begin() + 1, a.end())),
              (std::vector<std::uint64_t>{0, 0, 1920, 1080, screen, 0, 0, SRCCOPY}));  // ... from the screen
}

TEST_F(FrameCapture, TimesNothingButTheOneCopy)
{
    IsFrameCaptureSlow();

    const std::vector<std::string> names = fakewin::CallNames();
    const auto first = std::find(names.begin(), names.end(), "GetTickCount");
    ASSERT_NE(first, names.end());
    ASSERT_GE(std::distance(first, names.end()), 3);
    EXPECT_EQ(*(first + 1), "BitBlt");
    EXPECT_EQ(*(first + 2), "GetTickCount");
    EXPECT_EQ(std::count(names.begin(), names.end(), "GetTickCount"), 2);
}

TEST_F(FrameCapture, ReleasesInReverseOrderOfAcquisition)
{
    IsFrameCaptureSlow();

    const std::vector<std::string> names = fakewin::CallNames();
    const auto afterCopy = std::find(names.begin(), names.end(), "BitBlt") + 2;  // past the second reading
    EXPECT_EQ(std::vector<std::string>(afterCopy, names.end()),
              (std::vector<std::string>{"SelectObject", "DeleteObject", "DeleteDC", "ReleaseDC"}));
    EXPECT_EQ(fakewin::CallsNamed("ReleaseDC")[0].args[0], reinterpret_cast<std::uintptr_t>(fakewin::DesktopWindow()));
    EXPECT_EQ(fakewin::LiveGdiObjects(), 0);
}

TEST_F(FrameCapture, UnreadableDisplayModeGivesAnEmptyCopyThatIsFast)
{
    fakewin::machine().display.readable = false;
    fakewin::machine().display.copyMs = 5000;  // what a real copy of this screen would cost

    EXPECT_FALSE(IsFrameCaptureSlow());

    const auto bitmap = fakewin::CallsNamed("CreateCompatibleBitmap");
    ASSERT_EQ(bitmap.size(), 1u);
    EXPECT_EQ(bitmap[0].args[1], 0u);
    EXPECT_EQ(bitmap[0].args[2], 0u);
    EXPECT_EQ(fakewin::LiveGdiObjects(), 0);
}

namespace {

struct FailureCase {
    const char* name;
    fakewin::GdiFailures failures;
};

const FailureCase kFailureCases[] = {
    {"no screen DC", {true, false, false}},
    {"no memory DC", {false, true, false}},
    {"no bitmap", {false, false, true}},
    {"nothing can be made", {true, true, true}},
};

class FrameCaptureFailure : public FakeWindowsTest, public ::testing::WithParamInterface<FailureCase> {};

}  // namespace

TEST_P(FrameCaptureFailure, IsFastAndReleasesWhatWasMade)
{
    const FailureCase& c = GetParam();
    fakewin::machine().gdiFailures = c.failures;
    fakewin::machine().display.copyMs = 5000;

    EXPECT_FALSE(IsFrameCaptureSlow()) << c.name;
    EXPECT_EQ(fakewin::LiveGdiObjects(), 0) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, FrameCaptureFailure, ::testing::ValuesIn(kFailureCases), CaseName());
