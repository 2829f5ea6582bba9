// What the COM server keeps for benchmarks and leak checks: the cost of the client's calls, and a census
// of the client taken at each list creation; and the shell's own memory.
#include <vector>

#include "stand_in_fixture.h"

namespace standin::testing {
namespace {

class UsageTest : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        OpenWindow(WindowKind::Folder, L"C:\\windows");
        Shell::ResetUsage();
    }
    void TearDown() override { Shell::TakeProgramCensus(false); }
};

TEST_F(UsageTest, EveryCallIntoTheShellIsCountedWithItsTime) {
    auto list = CreateShellWindows();
    ASSERT_TRUE(list);
    const ListReading reading = ReadShellWindows(*list.Get());
    ASSERT_EQ(reading.folders.size(), 1u);
    const ServerUsage usage = Shell::Usage();
    EXPECT_GE(usage.calls, 5);  // creation, count, item, folder view, location (and the view mode)
    EXPECT_GT(usage.seconds, 0.0);
    EXPECT_EQ(usage.censusCount, 0);  // no census unless asked for
    Shell::ResetUsage();
    EXPECT_EQ(Shell::Usage().calls, 0);
}

TEST_F(UsageTest, CensusCountsTheClientsGdiObjectsAtEachListCreation) {
    Shell::TakeProgramCensus(true);
    ASSERT_TRUE(CreateShellWindows());
    const ServerUsage before = Shell::Usage();
    ASSERT_EQ(before.censusCount, 1);
    EXPECT_GT(before.gdiObjects, 0);
    EXPECT_GT(before.memory.workingSet, 0u);
    EXPECT_GE(before.memory.peakWorkingSet, before.memory.workingSet);

    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 7; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 2 * i, 3 * i)));
    ASSERT_TRUE(CreateShellWindows());
    const ServerUsage during = Shell::Usage();
    EXPECT_EQ(during.censusCount, 2);
    EXPECT_EQ(during.gdiObjects, before.gdiObjects + 7);

    for (HBRUSH brush : brushes) DeleteObject(brush);
    ASSERT_TRUE(CreateShellWindows());
    EXPECT_EQ(Shell::Usage().gdiObjects, before.gdiObjects);
}

TEST_F(UsageTest, ShellTellsItsOwnMemory) {
    const ProcessMemory memory = shell.Memory();
    EXPECT_GT(memory.workingSet, 0u);
    EXPECT_GT(memory.committed, 0u);
    shell.Stop();
    EXPECT_EQ(shell.Memory().workingSet, 0u);
}

}  // namespace
}  // namespace standin::testing
