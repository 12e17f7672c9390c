#include <gtest/gtest.h>

#include "capture/FrameCapture.h"

// On Wine a full-screen copy of 800x600 takes about 16 ms, one of 7680x4320 over a second.
TEST(FrameCapture, SmallScreenIsFast)
{
    EXPECT_FALSE(IsFrameCaptureSlow());
}

TEST(LargeScreen, FrameCaptureIsSlow)
{
    EXPECT_TRUE(IsFrameCaptureSlow());
}
