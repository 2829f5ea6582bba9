// What only the benchmarks ask of the stand-in shell (the scenarios meet the rest): desktops of well over
// a hundred folder windows in the list, on the taskbar and in the fault lists, the refusal of lists the
// shell has no room for, and the costs it counts: the client's calls and a census of the client.
#include <gtest/gtest.h>

#include <vector>

#include "client/shell_client.h"
#include "control/standin_control.h"

namespace standin::testing {
namespace {

constexpr int kWindows = 120;

class StandInTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(shell.running()); }
    HWND OpenWindow(WindowKind kind, const std::wstring& path) {
        WindowSpec spec;
        spec.kind = kind;
        spec.path = path;
        const HWND window = shell.Open(spec);
        EXPECT_NE(window, nullptr);
        return window;
    }
    std::vector<HWND> OpenLargeDesktop() {
        std::vector<HWND> windows;
        for (int i = 0; i < kWindows; ++i)
            windows.push_back(OpenWindow(i % 2 ? WindowKind::Explorer : WindowKind::Folder,
                                         L"C:\\bench\\folder" + std::to_wstring(i)));
        return windows;
    }

    win32::ComApartment com;
    Shell shell;
};

TEST_F(StandInTest, ALargeDesktopIsListedOnTheTaskbarInAnyOrderAndReachedByTheFaultLists) {
    ASSERT_TRUE(shell.SetFaults({.toolbarTaskbar = true}));
    const std::vector<HWND> windows = OpenLargeDesktop();
    EXPECT_EQ(shell.ListedWindows(), windows);
    EXPECT_EQ(ReadTaskbar(), windows);
    auto list = CreateShellWindows();
    ASSERT_TRUE(list);
    const ListReading reading = ReadShellWindows(*list.Get());
    ASSERT_EQ(reading.folders.size(), static_cast<size_t>(kWindows));
    EXPECT_EQ(reading.folders.back().path, L"C:\\bench\\folder119");

    const std::vector<HWND> reversed(windows.rbegin(), windows.rend());
    ASSERT_TRUE(shell.SetTaskbarOrder(reversed));
    EXPECT_EQ(ReadTaskbar(), reversed);
    EXPECT_EQ(shell.Dump().front().taskbarButton, kWindows);

    Faults faults{.toolbarTaskbar = true};
    for (int i = 0; i < kWindows; i += 2) faults.failingItems.push_back(i);
    for (int i = 1; i < kWindows; i += 4) faults.noFolderView.push_back(windows[i]);
    ASSERT_TRUE(shell.SetFaults(faults));
    const ListReading faulty = ReadShellWindows(*list.Get());
    EXPECT_EQ(faulty.absent, kWindows / 2);
    EXPECT_EQ(faulty.browserWindows, kWindows / 4);
    ASSERT_EQ(faulty.folders.size(), static_cast<size_t>(kWindows / 4));
    EXPECT_EQ(faulty.folders.front().hwnd, windows[3]);

    Faults tooMany;
    tooMany.failingItems.assign(kMaxListEntries + 1, 0);
    EXPECT_FALSE(shell.SetFaults(tooMany));
    EXPECT_EQ(ReadShellWindows(*list.Get()).absent, kWindows / 2) << "the earlier set still holds";
    EXPECT_FALSE(shell.SetTaskbarOrder(std::vector<HWND>(kMaxListEntries + 1, windows.front())));
    EXPECT_EQ(shell.TaskbarWindows(), reversed) << "unchanged, not cut to the first entries";
}

TEST_F(StandInTest, CountsTheClientsCallsAndTakesItsCensus) {
    OpenWindow(WindowKind::Folder, L"C:\\windows");
    Shell::ResetUsage();
    auto list = CreateShellWindows();  // loads the server, which starts the census
    ASSERT_TRUE(list);
    ASSERT_EQ(ReadShellWindows(*list.Get()).folders.size(), 1u);
    const ServerUsage usage = Shell::Usage();
    EXPECT_GE(usage.calls, 5);  // creation, count, item, folder view, location (and the view mode)
    EXPECT_GT(usage.seconds, 0.0);
    Shell::ResetUsage();
    EXPECT_EQ(Shell::Usage().calls, 0);

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
