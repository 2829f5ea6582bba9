// First start in a folder without Pavorin.ini: the main window, its fourteen controls and their
// defaults, and a clean end that leaves nothing behind.
#include <algorithm>

#include "app_steps.h"

namespace e2e {
namespace {

struct ExpectedControl {
    int id;
    const char* className;
    const char* text;
    Box place;  // in the main window's client area
    DWORD style;
    DWORD exStyle;
};

constexpr DWORD kChildVisible = WS_CHILD | WS_VISIBLE;
constexpr DWORD kTextAreaStyle = 0x50300004;  // WS_VSCROLL, WS_HSCROLL, ES_MULTILINE
constexpr DWORD kComboStyle = 0x50200843;     // WS_VSCROLL, CBS_DROPDOWNLIST, CBS_AUTOHSCROLL, CBS_DISABLENOSCROLL
constexpr DWORD kCheckBoxStyle = 0x50000203;  // BS_AUTOCHECKBOX, BS_RIGHT

const ExpectedControl kControls[] = {
    {id::kCaptureButton, "Button", "ウィンドウを取得", {35, 20, 130, 45}, kChildVisible, 0},
    {id::kRestoreButton, "Button", "ウィンドウを反映", {295, 20, 130, 45}, kChildVisible, 0},
    {id::kTaskbarListing, "Edit", "", {25, 80, 400, 118}, kTextAreaStyle, WS_EX_CLIENTEDGE},
    {id::kListText, "Edit", "", {25, 245, 400, 118}, kTextAreaStyle, WS_EX_CLIENTEDGE},
    {id::kListTitle, "Edit", "", {25, 375, 400, 35}, 0x50000001, 0x20201},
    {id::kListNumber, "Edit", "0", {180, 25, 98, 38}, 0x50000001, WS_EX_CLIENTEDGE},
    {id::kOverwriteMode, "ComboBox", "上書き確認", {30, 421, 100, 60}, kComboStyle, 0},
    {id::kReportResults, "Button", "結果の報告", {185, 425, 95, 18}, kCheckBoxStyle, 0},
    {id::kSaveState, "Button", "状態の保存", {315, 425, 96, 18}, kCheckBoxStyle, 0},
    {id::kOptionsButton, "Button", "特殊オプション", {310, 450, 118, 23}, 0x50001F03, WS_EX_CLIENTEDGE},
    {id::kDuplicateCheckButton, "Button", "↓重複チェック", {46, 210, 113, 27}, 0x58000000, 0},
    {id::kDuplicateCheckOnCapture, "Button", "取得時に重複チェックを行う", {190, 210, 194, 28}, 0x58000003, 0},
    {id::kFaceButton, "Button", "(´･ω･`)", {42, 451, 71, 24}, kChildVisible, 0},
    {id::kShowStateMode, "ComboBox", "取得した状態", {172, 450, 120, 60}, kComboStyle, 0},
};

bool SameClass(const std::string& actual, const char* expected) {
    return CompareStringOrdinal(Wide(actual).c_str(), -1, Wide(expected).c_str(), -1, TRUE) == CSTR_EQUAL;
}

// Where the system decides part of the geometry, the rest is still checked exactly: the list-number box
// gives room to its up-down control (see the up-down scenario), and a closed combo box is as high as its
// font makes it while the height given at creation goes to its dropped-down list.
void ExpectPlace(const Window& control, const ExpectedControl& expected) {
    const Box place = control.PlaceInParent();
    const Box want = expected.place;
    const bool listNumber = expected.id == id::kListNumber, combo = SameClass(expected.className, "ComboBox");
    EXPECT_EQ(place.x, want.x);
    EXPECT_EQ(place.y, want.y);
    if (!listNumber) EXPECT_EQ(place.width, want.width);
    if (!combo) EXPECT_EQ(place.height, want.height);
}

TEST_F(RunningPavorin, FirstStartShowsEveryControlAtItsPlaceWithItsTextAndStyle) {
    for (const ExpectedControl& expected : kControls) {
        SCOPED_TRACE("control " + std::to_string(expected.id));
        const Window control = Control(expected.id);
        EXPECT_TRUE(SameClass(control.ClassName(), expected.className)) << control.ClassName();
        EXPECT_EQ(control.Text(), expected.text);
        // A combo box's WS_VSCROLL moves to its drop-down list; every other bit stays on the control.
        const DWORD moved = SameClass(expected.className, "ComboBox") ? WS_VSCROLL : 0;
        EXPECT_EQ(control.Style() & ~moved, expected.style & ~moved) << Hex(control.Style());
        // The system adds WS_EX_WINDOWEDGE to every window created with WS_EX_DLGMODALFRAME.
        const DWORD added = (expected.exStyle & WS_EX_DLGMODALFRAME) ? WS_EX_WINDOWEDGE : 0;
        EXPECT_EQ(control.ExStyle(), expected.exStyle | added) << Hex(control.ExStyle());
        ExpectPlace(control, expected);
    }
}

// The main window: 460 x 510, fixed, the program's only top-level window, the fourteen controls of the
// table and the up-down control, the defaults, and the three choices of each combo box.
TEST_F(RunningPavorin, FirstStartShowsAFixedMainWindowWithTheDefaults) {
    const Window main = app().MainWindow();
    EXPECT_EQ(main.ClassName(), "NORMAL0");
    EXPECT_EQ(GetClassLongW(main.handle(), GCL_STYLE), static_cast<DWORD>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
    EXPECT_EQ(main.ScreenBox().width, 460);
    EXPECT_EQ(main.ScreenBox().height, 510);
    EXPECT_EQ(main.Style() & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CAPTION | WS_SYSMENU | WS_VISIBLE),
              static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_VISIBLE)) << Hex(main.Style());
    EXPECT_EQ(app().TopLevelWindows(), std::vector<Window>{main});
    std::vector<int> ids, expected;
    for (const Window& child : main.Children())
        if (!SameClass(child.ClassName(), "msctls_updown32")) ids.push_back(child.Id());
    for (const ExpectedControl& control : kControls) expected.push_back(control.id);
    std::sort(ids.begin(), ids.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ids, expected);

    EXPECT_EQ(SettingsShownBy(app()), (ShownSettings{"0", 0, 0, true, false, false}));
    EXPECT_FALSE(Control(id::kOptionsButton).IsChecked()) << "the options button looks released";
    EXPECT_EQ(main.Text(), "Pavorin - ") << "no lists0.txt: the preview leaves the bare prefix";
    EXPECT_EQ(Control(id::kOverwriteMode).ComboItems(), (std::vector<std::string>{"上書き確認", "常に上書き", "報告のみ"}));
    EXPECT_EQ(Control(id::kShowStateMode).ComboItems(), (std::vector<std::string>{"取得した状態", "全て最小化", "最小化を解除"}));

    EXPECT_EQ(ClosePavorin(), 0u);
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{}) << "no Pavorin.ini, no list file";
}

}  // namespace
}  // namespace e2e
