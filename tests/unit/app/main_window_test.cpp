#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "app/control_ids.h"
#include "app/main_window.h"
#include "app/ui_resources.h"
#include "main_window_session.h"
#include "win32/text_conversion.h"

namespace {

RECT ClientRectOf(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND UpDownOf(HWND window) { return FindWindowExA(window, nullptr, UPDOWN_CLASSA, nullptr); }

class MainWindow : public ::testing::Test {
protected:
    TemporaryFolder folder;
    MainWindowSession session;
};

// The arrows sit on the right end of the list-number box, which gives up that room (how much is the common
// controls' own choice); the combo box created just before the up-down control keeps its full width.
TEST_F(MainWindow, UpDownTakesTheRightEndOfTheListNumberBoxOnly) {
    const HWND upDown = UpDownOf(session.window());
    ASSERT_TRUE(upDown);
    const RECT arrows = ClientRectOf(upDown);
    EXPECT_GE(arrows.left, 258);
    EXPECT_LE(arrows.right, 180 + 98);
    EXPECT_EQ(arrows.top, 25);
    EXPECT_EQ(arrows.bottom, 25 + 38);
    EXPECT_EQ(GetWindowLongA(upDown, GWL_STYLE), 0x50000096);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(upDown, UDM_GETBUDDY, 0, 0)), session.Control(control::kListNumber));

    const RECT box = ClientRectOf(session.Control(control::kListNumber));
    EXPECT_EQ(box.left, 180);
    EXPECT_LT(box.right, arrows.right);
    EXPECT_GE(box.right, arrows.left);
    const RECT combo = ClientRectOf(session.Control(control::kShowStateMode));
    EXPECT_EQ(combo.left, 172);
    EXPECT_EQ(combo.right - combo.left, 120);
}

// The up arrow moves toward the upper limit, which is 0 here.
TEST_F(MainWindow, UpDownCountsFromZeroToAHundredWithUpTowardZero) {
    const HWND upDown = UpDownOf(session.window());
    int lower = -1, upper = -1;
    SendMessageA(upDown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
    EXPECT_EQ(lower, 100);
    EXPECT_EQ(upper, 0);
    EXPECT_EQ(SendMessageA(session.Control(control::kListNumber), EM_GETLIMITTEXT, 0, 0), 3);
}

TEST_F(MainWindow, DestroyReleasesTheSharedFontsAndBrushAndQuitsWithZero) {
    ASSERT_TRUE(ControlFont() && DialogFont() && TitleFont() && BackgroundBrush());
    EXPECT_EQ(::MainWindow(), session.window());
    EXPECT_TRUE(session.Close());
    EXPECT_FALSE(ControlFont() || DialogFont() || TitleFont() || BackgroundBrush());
    EXPECT_EQ(::MainWindow(), nullptr);
}

// Scripts and tests send the item's command id; it stands last, after a separator.
TEST_F(MainWindow, TheSystemMenuEndsWithASeparatorAndTheDesktopShortcutItem) {
    const HMENU menu = GetSystemMenu(session.window(), FALSE);
    const int count = GetMenuItemCount(menu);
    wchar_t item[64] = {};
    GetMenuStringW(menu, count - 1, item, 64, MF_BYPOSITION);
    EXPECT_STREQ(item, L"デスクトップにショートカットを作成");
    EXPECT_EQ(GetMenuItemID(menu, count - 1), 0x0100u);
    EXPECT_TRUE(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
}

TEST_F(MainWindow, SettingsPathIsTheIniFileInTheCurrentDirectory) {
    EXPECT_EQ(SettingsPath(), win32::Utf8ToWide(folder.PathOf("Pavorin.ini")));
    EXPECT_EQ(FieldSeparator(), u':');
}

}  // namespace
