// The taskbar as the capture reads it: the toolbar's buttons out of the shell's process (the taskbar up to
// Vista; today's holds a task list that has nothing to read).
#include "stand_in_fixture.h"

namespace standin::testing {
namespace {

class TaskbarTest : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        ASSERT_TRUE(shell.SetFaults({.toolbarTaskbar = true}));
        first = OpenWindow(WindowKind::Folder, L"C:\\windows");
        second = OpenWindow(WindowKind::Explorer, L"C:\\users");
        app = OpenWindow(WindowKind::OtherApp, L"C:\\notes.txt");
    }
    HWND first = nullptr, second = nullptr, app = nullptr;
};

TEST_F(TaskbarTest, ButtonsFollowOpeningOrderWithOtherProgramsToo) {
    EXPECT_EQ(ReadTaskbar(), (std::vector<HWND>{first, second, app}));
    EXPECT_EQ(shell.TaskbarWindows(), (std::vector<HWND>{first, second, app}));
}

TEST_F(TaskbarTest, OrderIsSetIndependentlyOfTheList) {
    ASSERT_TRUE(shell.SetTaskbarOrder({app, second, nullptr, first}));
    EXPECT_EQ(ReadTaskbar(), (std::vector<HWND>{app, second, nullptr, first}));
    EXPECT_EQ(shell.ListedWindows(), (std::vector<HWND>{first, second}));
    const std::vector<WindowState> states = shell.Dump();
    EXPECT_EQ(states[0].taskbarButton, 4);
    EXPECT_EQ(states[1].taskbarButton, 2);
    EXPECT_EQ(states[2].taskbarButton, 1);
}

TEST_F(TaskbarTest, ClosedWindowLeavesTheTaskbarAndHiddenOneNeverJoins) {
    WindowSpec hidden;
    hidden.path = L"C:\\hidden";
    hidden.onTaskbar = false;
    HWND noButton = shell.Open(hidden);
    ASSERT_TRUE(noButton);
    ASSERT_TRUE(shell.Close(first));
    EXPECT_EQ(ReadTaskbar(), (std::vector<HWND>{second, app}));
    EXPECT_EQ(shell.Dump().back().taskbarButton, -1);
}

TEST_F(TaskbarTest, FaultNoTaskbarChainLeavesNothingToRead) {
    ASSERT_TRUE(shell.SetFaults({.noTaskbarChain = true}));
    EXPECT_TRUE(ReadTaskbar().empty());
    EXPECT_TRUE(FindWindowExA(nullptr, nullptr, "Shell_TrayWnd", nullptr));
    ASSERT_TRUE(shell.SetFaults({.toolbarTaskbar = true}));
    EXPECT_EQ(ReadTaskbar(), (std::vector<HWND>{first, second, app}));
}

}  // namespace
}  // namespace standin::testing
