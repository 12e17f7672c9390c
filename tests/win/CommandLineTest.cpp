#include <gtest/gtest.h>

#include <string>

#include "tests/win/ChildProcess.h"

namespace {

std::string Hex(const std::wstring& text)
{
    std::string out;
    char unit[8];
    for (wchar_t c : text) {
        std::snprintf(unit, sizeof(unit), "%04X ", static_cast<unsigned>(c));
        out += unit;
    }
    return out;
}

std::string EchoSwitches(const std::wstring& arguments)
{
    ChildRun run;
    run.commandLine = L"\"" + BesideThisProgram(L"vexprobe_switch_echo.exe") + L"\" " + arguments;
    const ChildResult result = RunChild(run);
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.exitCode, 0u);
    return result.output;
}

}  // namespace

// The runtime splits the command line by its own rules (quotes, backslashes) before the framework
// looks at a single argument.
TEST(CommandLineAsWindowsSplitsIt, QuotedSwitchIsASwitch)
{
    const std::string output = EchoSwitches(LR"("/x" -Y "/a b" x "" //q /x:1 \"/z\" )" L"\"-\u00C4\"");
    const std::string expected = Hex(L"x") + "\n" + Hex(L"y") + "\n" + Hex(L"a b") + "\n" + Hex(L"/q") + "\n" +
                                 Hex(L"x:1") + "\n" + Hex(L"\u00C4") + "\n" + "close=1\nend\n";
    EXPECT_EQ(output, expected);
}

TEST(CommandLineAsWindowsSplitsIt, NoArgumentsCollectNothing)
{
    EXPECT_EQ(EchoSwitches(L""), "close=0\nend\n");
}
