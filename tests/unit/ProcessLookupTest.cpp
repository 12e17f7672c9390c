#include "app/ProcessLookup.h"
#include "tests/unit/FakeWindowsTest.h"

namespace {

struct LookupCase {
    const char* name;
    std::vector<fakewin::Process> processes;
    std::u16string imageName;
    DWORD session;
    std::vector<DWORD> ids;
};

fakewin::Process P(DWORD id, const char16_t* image, DWORD session = 1, bool sessionReadable = true)
{
    fakewin::Process process;
    process.id = id;
    process.image = image;
    process.session = session;
    process.sessionReadable = sessionReadable;
    return process;
}

const LookupCase kLookupCases[] = {
    {"other letter cases match", {P(10, u"EXPLORER.EXE"), P(11, u"Explorer.EXE"), P(12, u"notepad.exe")},
     u"explorer.exe", kAllSessions, {10, 11}},
    {"no prefix or suffix match", {P(20, u"VexprobeHLX.exe"), P(21, u"xVexprobe.exe"), P(22, u"Vexprobe.exe")},
     u"Vexprobe.exe", kAllSessions, {22}},
    {"non-ASCII letters must be identical", {P(25, u"\u00C4.exe"), P(26, u"\u00E4.exe")}, u"\u00E4.exe",
     kAllSessions, {26}},
    {"session filter leaves out other and unreadable sessions",
     {P(30, u"Vexprobe.exe", 1), P(31, u"Vexprobe.exe", 2), P(32, u"Vexprobe.exe", 1, false), P(33, u"Vexprobe.exe", 1)},
     u"Vexprobe.exe", 1, {30, 33}},
    {"all sessions keeps every match",
     {P(30, u"Vexprobe.exe", 1), P(31, u"Vexprobe.exe", 2), P(32, u"Vexprobe.exe", 1, false)}, u"Vexprobe.exe",
     kAllSessions, {30, 31, 32}},
    {"snapshot order kept", {P(9, u"a.exe"), P(3, u"a.exe"), P(7, u"a.exe")}, u"a.exe", kAllSessions, {9, 3, 7}},
    {"no match", {P(1, u"a.exe")}, u"b.exe", kAllSessions, {}},
    {"no processes", {}, u"a.exe", kAllSessions, {}},
};

class ProcessLookup : public FakeWindowsTest, public ::testing::WithParamInterface<LookupCase> {};

}  // namespace

TEST_P(ProcessLookup, ListsMatchingIds)
{
    const LookupCase& c = GetParam();
    fakewin::machine().processes = c.processes;
    std::vector<DWORD> ids{777, 778};  // a list that arrives full is emptied first

    EXPECT_EQ(FindProcessesByName(ids, c.imageName, c.session), static_cast<int>(c.ids.size())) << c.name;
    EXPECT_EQ(ids, c.ids) << c.name;
    EXPECT_EQ(fakewin::OpenHandles(), 0) << c.name;
    // Sessions are asked only with a filter, and only for names that match.
    const auto sessions = fakewin::CallsNamed("ProcessIdToSessionId");
    if (c.session == kAllSessions) {
        EXPECT_TRUE(sessions.empty()) << c.name;
    }
    const auto snapshot = fakewin::CallsNamed("CreateToolhelp32Snapshot");
    ASSERT_EQ(snapshot.size(), 1u);
    EXPECT_EQ(snapshot[0].args, (std::vector<std::uint64_t>{TH32CS_SNAPPROCESS, 0})) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, ProcessLookup, ::testing::ValuesIn(kLookupCases), CaseName());

TEST_F(FakeWindowsTest, ProcessLookupFailuresGiveAnEmptyList)
{
    fakewin::machine().processes = {P(1, u"a.exe")};
    std::vector<DWORD> ids{5};

    fakewin::machine().snapshotFails = true;
    EXPECT_EQ(FindProcessesByName(ids, u"a.exe", kAllSessions), 0);
    EXPECT_TRUE(ids.empty());

    fakewin::machine().snapshotFails = false;
    fakewin::machine().firstEntryFails = true;
    ids = {5};
    EXPECT_EQ(FindProcessesByName(ids, u"a.exe", kAllSessions), 0);
    EXPECT_TRUE(ids.empty());
    EXPECT_EQ(fakewin::CallsNamed("CloseHandle").size(), 1u);  // the snapshot, after the failed first entry
    EXPECT_EQ(fakewin::OpenHandles(), 0);
}

TEST_F(FakeWindowsTest, ProcessLookupAsksSessionsOnlyForMatchingNames)
{
    fakewin::machine().processes = {P(1, u"a.exe"), P(2, u"b.exe"), P(3, u"a.exe", 2)};
    std::vector<DWORD> ids;
    EXPECT_EQ(FindProcessesByName(ids, u"a.exe", 2), 1);
    const auto sessions = fakewin::CallsNamed("ProcessIdToSessionId");
    ASSERT_EQ(sessions.size(), 2u);
    EXPECT_EQ(sessions[0].args[0], 1u);
    EXPECT_EQ(sessions[1].args[0], 3u);
}
