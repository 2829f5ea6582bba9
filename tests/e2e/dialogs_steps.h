#pragma once
// What the dialog scenarios share: opening each dialog as the user does, and checking a dialog's frame.
#include "driver/pavorin_driver.h"

namespace e2e {

inline constexpr const char* kOptionsTitle = "特殊オプション";
inline constexpr const char* kVersionTitle = "( ﾟДﾟ)/　＜アジア　アジア　アジア　アジア";

// Clicks the options button and waits for the modal dialog (the click returns once it is up).
inline Window OpenOptionsDialog(const Pavorin& app) {
    app.Control(id::kOptionsButton).Click();
    return app.WaitForDialog(kOptionsTitle);
}

inline Window OpenVersionDialog(const Pavorin& app) {
    app.Control(id::kFaceButton).Click();
    return app.WaitForDialog(kVersionTitle);
}

// A NORMALDLG window owned by the main window, with a caption and a close box only, of this size, centred
// on the primary screen (halves rounded down).
inline void ExpectDialogFrame(const Pavorin& app, const Window& dialog, int width, int height) {
    EXPECT_EQ(dialog.ClassName(), "NORMALDLG");
    EXPECT_EQ(dialog.Owner(), app.MainWindow());
    const Box centred{(GetSystemMetrics(SM_CXSCREEN) - width) >> 1, (GetSystemMetrics(SM_CYSCREEN) - height) >> 1,
                      width, height};
    EXPECT_EQ(dialog.ScreenBox(), centred);
    const DWORD frame = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    EXPECT_EQ(dialog.Style() & frame, static_cast<DWORD>(WS_CAPTION | WS_SYSMENU)) << Hex(dialog.Style());
}

}  // namespace e2e
