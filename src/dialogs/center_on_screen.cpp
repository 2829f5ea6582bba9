#include "dialogs/center_on_screen.h"

#include "ui/ui_resources.h"

void CenterOnScreen(HWND window) {
    RECT box{};
    GetWindowRect(window, &box);
    const SIZE screen = ScreenSize();
    // Halving by an arithmetic shift rounds down, also for a window larger than the screen.
    const int x = (screen.cx - (box.right - box.left)) >> 1;
    const int y = (screen.cy - (box.bottom - box.top)) >> 1;
    SetWindowPos(window, HWND_TOP, x, y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}
