#include "dialogs_steps.h"

namespace e2e {

void ExpectDialogFrame(const Pavorin& app, const Window& dialog, int width, int height) {
    EXPECT_EQ(dialog.ClassName(), "NORMALDLG");
    EXPECT_EQ(dialog.Owner(), app.MainWindow());
    EXPECT_EQ(dialog.ScreenBox(), CentredOnScreen(width, height));
    const DWORD frame = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    EXPECT_EQ(dialog.Style() & frame, static_cast<DWORD>(WS_CAPTION | WS_SYSMENU)) << Hex(dialog.Style());
}

void ExpectDialogControls(const Window& dialog, std::span<const DialogControlSpec> expected) {
    const std::vector<Window> children = dialog.Children();
    ASSERT_EQ(children.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const DialogControlSpec& want = expected[i];
        const Window& control = children[i];
        SCOPED_TRACE("control " + std::to_string(want.id));
        EXPECT_EQ(control.Id(), want.id) << "z-order place " << i;
        EXPECT_EQ(CompareStringOrdinal(Wide(control.ClassName()).c_str(), -1, Wide(want.className).c_str(), -1, TRUE),
                  CSTR_EQUAL)
            << control.ClassName();
        if (want.text) {
            EXPECT_EQ(control.Text(), want.text);
        } else {
            EXPECT_FALSE(control.Text().empty());
        }
        EXPECT_EQ(control.PlaceInParent(), want.place);
        const bool checkedRadio = (want.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON && control.IsChecked();
        const DWORD tabStop = checkedRadio ? WS_TABSTOP : 0;
        EXPECT_EQ(control.Style(), WS_CHILD | WS_VISIBLE | want.style | tabStop) << Hex(control.Style());
    }
}

void PressAltF4(const Pavorin& app, const Window& window) {
    const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyW(VK_F4, MAPVK_VK_TO_VSC)) << 16;
    window.Post(WM_SYSKEYDOWN, VK_F4, 1 | scanCode | (LPARAM{1} << 29));
    window.Post(WM_SYSKEYUP, VK_F4, 1 | scanCode | (LPARAM{1} << 29) | (LPARAM{3} << 30));
    app.Settle();
}

void ClickClosing(const Pavorin& app, const Window& button) {
    button.PostClick();
    app.Settle();
}

}  // namespace e2e
