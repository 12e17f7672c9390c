// Base fixture of the native tests: every test starts on a fresh simulated machine.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "platform/text.h"
#include "tests/fakewin/fakewin.h"

class FakeWindowsTest : public ::testing::Test {
protected:
    void SetUp() override { fakewin::Reset(); }
};

// Names a parameterised test after its case's `name`, so a failure says which case it was.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const
    {
        std::string out;
        for (const char* c = info.param.name; *c != 0; ++c)
            out += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return out;
    }
};

// Printable form of wide text for assertion messages.
inline std::string Narrow(const WString& text)
{
    std::string out;
    for (WCHAR c : text)
        out += (c < 0x80) ? static_cast<char>(c) : '?';
    return out;
}
