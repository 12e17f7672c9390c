// Base fixture of the native tests: every test starts on a fresh simulated machine.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"
#include "tests/fakewin/fakewin.h"

class FakeWindowsTest : public ::testing::Test {
protected:
    void SetUp() override { fakewin::Reset(); }
};

// Printable form of wide text for assertion messages.
inline std::string Narrow(const WString& text)
{
    std::string out;
    for (WCHAR c : text)
        out += (c < 0x80) ? static_cast<char>(c) : '?';
    return out;
}
