#include <vector>

#include "app/CommandLineInfoEx.h"
#include "framework/WinApp.h"
#include "tests/unit/FakeWindowsTest.h"

namespace {

struct SwitchCase {
    const char* name;
    std::vector<std::u16string> arguments;  // after the program name, as the runtime split them
    std::vector<std::u16string> switches;   // what is collected
    bool closeSwitch;                       // HasSwitch("x")
};

const SwitchCase kSwitchCases[] = {
    {"slash capital", {u"/X"}, {u"x"}, true},
    {"dash lower", {u"-x"}, {u"x"}, true},
    {"bare argument is no switch", {u"x"}, {}, false},
    {"value suffix does not match", {u"/x:1"}, {u"x:1"}, false},
    {"longer name does not match", {u"/xx"}, {u"xx"}, false},
    {"only one leading slash is removed", {u"//x"}, {u"/x"}, false},
    {"twice stays twice", {u"/x", u"-X"}, {u"x", u"x"}, true},
    {"no arguments", {}, {}, false},
    {"only a slash gives an empty switch", {u"/"}, {u""}, false},
    {"empty argument is dropped", {u""}, {}, false},
    {"non-ASCII capital stays", {u"/\u00C4X"}, {u"\u00C4x"}, false},
    {"order kept, non-switches dropped", {u"file.txt", u"-Q", u"/x", u"more"}, {u"q", u"x"}, true},
};

class CommandLine : public FakeWindowsTest, public ::testing::WithParamInterface<SwitchCase> {};

}  // namespace

TEST_P(CommandLine, CollectsSwitches)
{
    const SwitchCase& c = GetParam();
    std::vector<std::u16string> argv{u"VexprobeHLX.exe"};
    argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
    fakewin::SetCommandLine(argv);

    CWinApp app;
    CCommandLineInfoEx info;
    app.ParseCommandLine(info);

    EXPECT_EQ(info.m_switches, c.switches) << c.name;
    EXPECT_EQ(info.HasSwitch(kCloseSwitch), c.closeSwitch ? TRUE : FALSE) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLine, ::testing::ValuesIn(kSwitchCases), CaseName());

TEST(CommandLineInfoEx, HasSwitchMatchesWholeStoredNameExactly)
{
    CCommandLineInfoEx info;
    info.ParseParam(u"Close", TRUE, FALSE);
    info.ParseParam(u"x", FALSE, TRUE);  // not a flag: dropped
    EXPECT_EQ(info.m_switches, std::vector<WString>{u"close"});
    EXPECT_TRUE(info.HasSwitch(u"close"));
    EXPECT_FALSE(info.HasSwitch(u"Close"));  // the caller passes lower case
    EXPECT_FALSE(info.HasSwitch(u"clos"));
    EXPECT_FALSE(info.HasSwitch(u"x"));
}

namespace {

// Records what the framework hands over, to check the flag and last-argument markers.
struct RecordingInfo : CCommandLineInfo {
    struct Param {
        std::u16string text;
        BOOL flag;
        BOOL last;
    };
    std::vector<Param> params;
    void ParseParam(const WCHAR* pszParam, BOOL bFlag, BOOL bLast) override
    {
        params.push_back({pszParam, bFlag, bLast});
    }
};

}  // namespace

TEST_F(FakeWindowsTest, ParseCommandLineSkipsProgramNameAndMarksFlagsAndLast)
{
    fakewin::SetCommandLine({u"/prog.exe", u"-a", u"b", u"/c"});
    CWinApp app;
    RecordingInfo info;
    app.ParseCommandLine(info);
    ASSERT_EQ(info.params.size(), 3u);
    EXPECT_EQ(info.params[0].text, u"a");
    EXPECT_EQ(info.params[0].flag, TRUE);
    EXPECT_EQ(info.params[0].last, FALSE);
    EXPECT_EQ(info.params[1].text, u"b");
    EXPECT_EQ(info.params[1].flag, FALSE);
    EXPECT_EQ(info.params[2].text, u"c");
    EXPECT_EQ(info.params[2].last, TRUE);
}
