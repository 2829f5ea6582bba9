// First start in a folder without Pavorin.ini: the main window, its controls and their defaults, the
// list-number and title boxes in use, and a clean end that leaves nothing behind.
#include "app_steps.h"

#include <commctrl.h>

namespace e2e {
namespace {

struct ExpectedControl {
    int id;
    const wchar_t* className;
    const char* text;
    Box place;  // in the main window's client area
    DWORD style, exStyle;
};

constexpr DWORD kChildVisible = WS_CHILD | WS_VISIBLE;
constexpr DWORD kTextAreaStyle = 0x50300004;  // WS_VSCROLL, WS_HSCROLL, ES_MULTILINE
constexpr DWORD kComboStyle = 0x50200843;     // WS_VSCROLL, CBS_DROPDOWNLIST, CBS_AUTOHSCROLL, CBS_DISABLENOSCROLL
constexpr DWORD kCheckBoxStyle = 0x50000203;  // BS_AUTOCHECKBOX, BS_RIGHT

const ExpectedControl kControls[] = {
    {id::kCaptureButton, L"Button", "ウィンドウを取得", {35, 20, 130, 45}, kChildVisible, 0},
    {id::kRestoreButton, L"Button", "ウィンドウを反映", {295, 20, 130, 45}, kChildVisible, 0},
    {id::kTaskbarListing, L"Edit", "", {25, 80, 400, 118}, kTextAreaStyle, WS_EX_CLIENTEDGE},
    {id::kListText, L"Edit", "", {25, 245, 400, 118}, kTextAreaStyle, WS_EX_CLIENTEDGE},
    {id::kListTitle, L"Edit", "", {25, 375, 400, 35}, 0x50000001, 0x20201},
    {id::kListNumber, L"Edit", "0", {180, 25, 98, 38}, 0x50000001, WS_EX_CLIENTEDGE},
    {id::kOverwriteMode, L"ComboBox", "上書き確認", {30, 421, 100, 60}, kComboStyle, 0},
    {id::kReportResults, L"Button", "結果の報告", {185, 425, 95, 18}, kCheckBoxStyle, 0},
    {id::kSaveState, L"Button", "状態の保存", {315, 425, 96, 18}, kCheckBoxStyle, 0},
    {id::kOptionsButton, L"Button", "特殊オプション", {310, 450, 118, 23}, 0x50001F03, WS_EX_CLIENTEDGE},
    {id::kDuplicateCheckButton, L"Button", "↓重複チェック", {46, 210, 113, 27}, 0x58000000, 0},
    {id::kDuplicateCheckOnCapture, L"Button", "取得時に重複チェックを行う", {190, 210, 194, 28}, 0x58000003, 0},
    {id::kFaceButton, L"Button", "(´･ω･`)", {42, 451, 71, 24}, kChildVisible, 0},
    {id::kShowStateMode, L"ComboBox", "取得した状態", {172, 450, 120, 60}, kComboStyle, 0},
};

// The main window is 460 x 510, fixed, and the program's only top-level window.
TEST_F(RunningPavorin, FirstStartShowsAFixedMainWindowWithItsControlsAndTheDefaults) {
    const Window main = app().MainWindow();
    EXPECT_EQ(main.ClassName(), "NORMAL0");
    EXPECT_EQ(GetClassLongW(main.handle(), GCL_STYLE), static_cast<DWORD>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
    EXPECT_EQ((std::pair{main.ScreenBox().width, main.ScreenBox().height}), (std::pair{460, 510}));
    EXPECT_EQ(main.Style() & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CAPTION | WS_SYSMENU | WS_VISIBLE),
              static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_VISIBLE)) << Hex(main.Style());
    EXPECT_EQ(app().TopLevelWindows(), std::vector<Window>{main});
    EXPECT_EQ(main.Children().size(), std::size(kControls) + 1) << "the controls of the table and the up-down control";
    for (const ExpectedControl& control : kControls) {
        SCOPED_TRACE("control " + std::to_string(control.id));
        const Window shown = Control(control.id);
        EXPECT_TRUE(HasClass(shown.handle(), control.className)) << shown.ClassName();
        EXPECT_EQ(shown.Text(), control.text);
        // A combo box's WS_VSCROLL moves to its drop-down list; every other bit stays on the control.
        const bool combo = std::wstring_view(control.className) == L"ComboBox";
        const DWORD moved = combo ? WS_VSCROLL : 0;
        EXPECT_EQ(shown.Style() & ~moved, control.style & ~moved) << Hex(shown.Style());
        // The system adds WS_EX_WINDOWEDGE to every window created with WS_EX_DLGMODALFRAME.
        const DWORD added = (control.exStyle & WS_EX_DLGMODALFRAME) ? WS_EX_WINDOWEDGE : 0;
        EXPECT_EQ(shown.ExStyle(), control.exStyle | added) << Hex(shown.ExStyle());
        // Where the system decides part of the geometry the rest is still exact: the list-number box gives
        // room to its up-down control, and a closed combo box is as high as its font makes it.
        const Box place = shown.PlaceInParent();
        EXPECT_EQ(place.x, control.place.x);
        EXPECT_EQ(place.y, control.place.y);
        if (control.id != id::kListNumber) { EXPECT_EQ(place.width, control.place.width); }
        // A closed combo box is 24 pixels high in the 15-pixel control font (26 in the system's font): the one
        // trace of the control font that can be read from outside under Wine.
        EXPECT_EQ(place.height, combo ? 24 : control.place.height);
    }

    EXPECT_EQ(SettingsShownBy(app()), (ShownSettings{"0", 0, 0, true, false, false}));
    EXPECT_FALSE(Control(id::kOptionsButton).IsChecked()) << "the options button looks released";
    EXPECT_EQ(main.Text(), "Pavorin - ") << "no lists0.txt: the preview leaves the bare prefix";
    EXPECT_EQ(Control(id::kOverwriteMode).ComboItems(), (std::vector<std::string>{"上書き確認", "常に上書き", "報告のみ"}));
    EXPECT_EQ(Control(id::kShowStateMode).ComboItems(), (std::vector<std::string>{"取得した状態", "全て最小化", "最小化を解除"}));

    // Narrow characters: a box without room for a fourth wide digit would stop it even without the limit.
    // The arrows start from the number typed, up lowers and down raises, and they stop at 0 and 100.
    const Window number = Control(id::kListNumber), upDown = app().UpDown(), title = Control(id::kListTitle);
    struct Step { const char* typed; bool up; const char* shown; };
    for (const Step& step : {Step{"", true, "0"}, Step{"5", true, "4"}, Step{"", false, "5"}, Step{"007", false, "8"},
                             Step{"99", false, "100"}, Step{"", false, "100"}}) {
        if (*step.typed) number.TypeOver(step.typed);
        upDown.Step(step.up);
        EXPECT_EQ(number.Text(), step.shown) << "typed \"" << step.typed << "\", " << (step.up ? "up" : "down");
    }
    EXPECT_EQ(number.Send(EM_GETLIMITTEXT), 3);
    number.TypeOver("11111");
    EXPECT_EQ(number.Text(), "111");
    EXPECT_EQ(reinterpret_cast<HWND>(upDown.Send(UDM_GETBUDDY)), number.handle());
    EXPECT_EQ(upDown.Style(), 0x50000096u) << Hex(upDown.Style());
    const Box arrows = upDown.PlaceInParent(), place = number.PlaceInParent();
    EXPECT_EQ((std::pair{arrows.y, arrows.height}), (std::pair{25, 38}));
    EXPECT_LE(arrows.right(), 180 + 98) << "the box and its arrows share the box's original 98 pixels";
    EXPECT_GE(place.right(), arrows.x) << "no gap between the box and its arrows";
    EXPECT_LT(place.right(), arrows.right());

    // The title box is told it is enabled when it gets the focus and disabled when it loses it, so its text is
    // drawn grey while another control has the focus; its window stays enabled, so a title can always be typed.
    const auto textLevel = [&] { return DarkestLevel(CaptureClientArea(title)); };
    title.ClickAt(5, 5);
    ASSERT_TRUE(title.HasFocus());
    title.Type("WWW");
    EXPECT_TRUE(WaitUntil([&] { return textLevel() < 0x40; })) << "black text while focused: " << textLevel();
    number.ClickAt(5, 5);
    ASSERT_TRUE(number.HasFocus());
    EXPECT_TRUE(title.IsEnabled());
    EXPECT_TRUE(WaitUntil([&] { return textLevel() >= 0x40 && textLevel() < 0xC0; }))
        << "grey text without the focus: " << textLevel();
    title.ClickAt(5, 5);
    title.PressKey(VK_END);
    title.Type("c");
    EXPECT_TRUE(WaitUntil([&] { return textLevel() < 0x40; })) << "black text again: " << textLevel();
    EXPECT_EQ(title.Text(), "WWWc");
    EXPECT_TRUE(title.IsEnabled());
    EXPECT_EQ(ClosePavorin(), 0u);
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{}) << "no Pavorin.ini, no list file";
}

}  // namespace
}  // namespace e2e
