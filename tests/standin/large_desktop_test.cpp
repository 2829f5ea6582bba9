// Desktops of the size the benchmarks arrange: well over a hundred folder windows in the list, on the
// taskbar and in the fault lists, and the refusal of lists the shell has no room for.
#include "stand_in_fixture.h"

namespace standin::testing {
namespace {

constexpr int kWindows = 120;

class LargeDesktopTest : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        ASSERT_TRUE(shell.SetFaults({.toolbarTaskbar = true}));
        for (int i = 0; i < kWindows; ++i) {
            const WindowKind kind = i % 2 ? WindowKind::Explorer : WindowKind::Folder;
            windows.push_back(OpenWindow(kind, L"C:\\bench\\folder" + std::to_wstring(i)));
        }
    }
    std::vector<HWND> windows;
};

TEST_F(LargeDesktopTest, EveryWindowIsListedAndOnTheTaskbarInAnyOrder) {
    EXPECT_EQ(shell.ListedWindows(), windows);
    EXPECT_EQ(ReadTaskbar(), windows);
    auto list = CreateShellWindows();
    ASSERT_TRUE(list);
    const ListReading reading = ReadShellWindows(*list.Get());
    ASSERT_EQ(reading.folders.size(), static_cast<size_t>(kWindows));
    EXPECT_EQ(reading.folders.back().path, L"C:\\bench\\folder119");

    std::vector<HWND> reversed(windows.rbegin(), windows.rend());
    ASSERT_TRUE(shell.SetTaskbarOrder(reversed));
    EXPECT_EQ(ReadTaskbar(), reversed);
    EXPECT_EQ(shell.TaskbarWindows(), reversed);
    EXPECT_EQ(shell.Dump().front().taskbarButton, kWindows);
}

TEST_F(LargeDesktopTest, FaultListsReachEveryWindowAndLongerListsAreRefusedWhole) {
    Faults faults;
    for (int i = 0; i < kWindows; i += 2) faults.failingItems.push_back(i);
    for (int i = 1; i < kWindows; i += 4) faults.noFolderView.push_back(windows[i]);
    ASSERT_TRUE(shell.SetFaults(faults));
    auto list = CreateShellWindows();
    ASSERT_TRUE(list);
    ListReading reading = ReadShellWindows(*list.Get());
    EXPECT_EQ(reading.absent, kWindows / 2);
    EXPECT_EQ(reading.browserWindows, kWindows / 4);
    ASSERT_EQ(reading.folders.size(), static_cast<size_t>(kWindows / 4));
    EXPECT_EQ(reading.folders.front().hwnd, windows[3]);

    Faults tooMany;
    tooMany.failingItems.assign(kMaxListEntries + 1, 0);
    EXPECT_FALSE(shell.SetFaults(tooMany));
    EXPECT_EQ(ReadShellWindows(*list.Get()).absent, kWindows / 2);  // the earlier set still holds
    EXPECT_FALSE(shell.SetTaskbarOrder(std::vector<HWND>(kMaxListEntries + 1, windows.front())));
    EXPECT_EQ(shell.TaskbarWindows(), windows);  // unchanged, not cut to the first entries
}

}  // namespace
}  // namespace standin::testing
