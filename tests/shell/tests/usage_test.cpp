// What the COM server keeps for benchmarks and leak checks: the cost of the client's calls, and the
// client's GDI objects counted at each list creation.
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
    void TearDown() override { Shell::CountProgramGdiObjects(false); }
};

TEST_F(UsageTest, EveryCallIntoTheShellIsCountedWithItsTime) {
    auto list = CreateShellWindows();
    ASSERT_TRUE(list);
    const ListReading reading = ReadShellWindows(*list.Get());
    ASSERT_EQ(reading.folders.size(), 1u);
    const ServerUsage usage = Shell::Usage();
    EXPECT_GE(usage.calls, 5);  // creation, count, item, folder view, location (and the view mode)
    EXPECT_GT(usage.seconds, 0.0);
    EXPECT_EQ(usage.gdiCounts, 0);  // counting is off unless asked for
    Shell::ResetUsage();
    EXPECT_EQ(Shell::Usage().calls, 0);
}

TEST_F(UsageTest, GdiObjectsOfTheClientAreCountedAtEachListCreation) {
    Shell::CountProgramGdiObjects(true);
    ASSERT_TRUE(CreateShellWindows());
    const ServerUsage before = Shell::Usage();
    ASSERT_EQ(before.gdiCounts, 1);
    EXPECT_GT(before.gdiObjects, 0);

    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 7; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 2 * i, 3 * i)));
    ASSERT_TRUE(CreateShellWindows());
    const ServerUsage during = Shell::Usage();
    EXPECT_EQ(during.gdiCounts, 2);
    EXPECT_EQ(during.gdiObjects, before.gdiObjects + 7);

    for (HBRUSH brush : brushes) DeleteObject(brush);
    ASSERT_TRUE(CreateShellWindows());
    EXPECT_EQ(Shell::Usage().gdiObjects, before.gdiObjects);
}

}  // namespace
}  // namespace standin::testing
