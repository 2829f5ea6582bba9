#include "dialogs_steps.h"

namespace e2e {

void ExpectDialogFrame(const Pavorin& app, const Window& dialog, int width, int height) {
    EXPECT_EQ(dialog.ClassName(), "NORMALDLG");
    EXPECT_EQ(dialog.Owner(), app.MainWindow());
    EXPECT_EQ(dialog.ScreenBox(), CentredOnScreen(width, height));
    const DWORD frame = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    EXPECT_EQ(dialog.Style() & frame, static_cast<DWORD>(WS_CAPTION | WS_SYSMENU)) << Hex(dialog.Style());
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
