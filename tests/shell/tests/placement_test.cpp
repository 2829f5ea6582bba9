// GetWindowPlacement and SetWindowPlacement from a client process on the shell's windows, which Wine
// alone cannot do across processes; other windows keep the system's own behaviour.
#include "stand_in_fixture.h"

namespace standin::testing {
namespace {

constexpr RECT kNormal{100, 120, 700, 560};

class PlacementTest : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        window = OpenWindow(WindowKind::Folder, L"C:\\windows");
        ASSERT_TRUE(CreateShellWindows());  // loads the server, which takes over the two calls
    }

    WINDOWPLACEMENT Read() {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        EXPECT_TRUE(GetWindowPlacement(window, &placement));
        return placement;
    }

    void Write(UINT showCmd, UINT flags = 0) {
        const WINDOWPLACEMENT placement = Placement(showCmd, kNormal, flags);
        ASSERT_TRUE(SetWindowPlacement(window, &placement));
    }

    HWND window = nullptr;
};

void ExpectNormal(const WINDOWPLACEMENT& placement) {
    EXPECT_EQ(placement.rcNormalPosition.left, kNormal.left);
    EXPECT_EQ(placement.rcNormalPosition.top, kNormal.top);
    EXPECT_EQ(placement.rcNormalPosition.right, kNormal.right);
    EXPECT_EQ(placement.rcNormalPosition.bottom, kNormal.bottom);
}

TEST_F(PlacementTest, NormalWindow) {
    Write(SW_SHOWNORMAL);
    const WINDOWPLACEMENT placement = Read();
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
    EXPECT_EQ(placement.flags, 0u);
    ExpectNormal(placement);
    RECT actual{};
    GetWindowRect(window, &actual);
    EXPECT_EQ(actual.left, kNormal.left);
    EXPECT_EQ(actual.bottom, kNormal.bottom);
}

TEST_F(PlacementTest, MinimisedWindowKeepsItsNormalRectangle) {
    Write(SW_SHOWNORMAL);
    Write(SW_SHOWMINIMIZED);
    const WINDOWPLACEMENT placement = Read();
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
    EXPECT_TRUE(IsIconic(window));
    ExpectNormal(placement);
}

TEST_F(PlacementTest, SetWindowPosOnAMinimisedWindowLeavesTheNormalRectangle) {
    Write(SW_SHOWMINIMIZED);
    SetWindowPos(window, HWND_TOP, 10, 10, 300, 200, 0);
    ExpectNormal(Read());
}

TEST_F(PlacementTest, MaximisedWindow) {
    Write(SW_SHOWMAXIMIZED);
    const WINDOWPLACEMENT placement = Read();
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
    EXPECT_TRUE(IsZoomed(window));
    ExpectNormal(placement);
}

TEST_F(PlacementTest, MinimisedWindowThatRestoresToMaximised) {
    Write(SW_SHOWMINNOACTIVE, WPF_RESTORETOMAXIMIZED);
    const WINDOWPLACEMENT placement = Read();
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
    EXPECT_EQ(placement.flags & WPF_RESTORETOMAXIMIZED, static_cast<UINT>(WPF_RESTORETOMAXIMIZED));
    ExpectNormal(placement);
    ShowWindowAsync(window, SW_RESTORE);
    EXPECT_TRUE(shell.Dump()[0].maximized);
}

TEST_F(PlacementTest, UnknownWindowFailsAndOwnWindowsPassThrough) {
    ASSERT_TRUE(shell.Close(window));
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    EXPECT_FALSE(GetWindowPlacement(window, &placement));

    HWND own = CreateWindowExW(0, L"STATIC", L"own", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                               nullptr, nullptr);
    const WINDOWPLACEMENT wanted = Placement(SW_SHOWMINIMIZED, kNormal);
    EXPECT_TRUE(SetWindowPlacement(own, &wanted));
    EXPECT_TRUE(GetWindowPlacement(own, &placement));
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
    DestroyWindow(own);
}

}  // namespace
}  // namespace standin::testing
