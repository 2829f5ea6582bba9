// What the COM server keeps for benchmarks and leak checks: the cost of the client's calls, and a census
// of the client taken on request.
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
};

TEST_F(UsageTest, EveryCallIntoTheShellIsCountedWithItsTime) {
    auto list = CreateShellWindows();
    ASSERT_TRUE(list);
    const ListReading reading = ReadShellWindows(*list.Get());
    ASSERT_EQ(reading.folders.size(), 1u);
    const ServerUsage usage = Shell::Usage();
    EXPECT_GE(usage.calls, 5);  // creation, count, item, folder view, location (and the view mode)
    EXPECT_GT(usage.seconds, 0.0);
    Shell::ResetUsage();
    EXPECT_EQ(Shell::Usage().calls, 0);
}

TEST_F(UsageTest, CensusOfTheClientCountsItsGdiObjectsAndReadsItsMemoryAndTime) {
    ASSERT_TRUE(CreateShellWindows());  // loads the server, which starts the census
    const std::optional<ProgramCensus> before = Shell::TakeProgramCensus(true);
    ASSERT_TRUE(before);
    EXPECT_GT(before->gdiObjects, 0);
    EXPECT_GT(before->memory.workingSet, 0u);
    EXPECT_GE(before->memory.peakWorkingSet, before->memory.workingSet);
    EXPECT_GT(before->cpuSeconds, 0.0);

    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 7; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 2 * i, 3 * i)));
    EXPECT_EQ(Shell::TakeProgramCensus(true)->gdiObjects, before->gdiObjects + 7);
    for (HBRUSH brush : brushes) DeleteObject(brush);
    EXPECT_EQ(Shell::TakeProgramCensus(true)->gdiObjects, before->gdiObjects);
    EXPECT_EQ(Shell::TakeProgramCensus(false)->gdiObjects, -1);
}

}  // namespace
}  // namespace standin::testing
