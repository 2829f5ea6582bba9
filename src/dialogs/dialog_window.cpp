#include "dialogs/dialog_window.h"

HWND CreateDialogWindow(HWND owner, const char* title, SIZE outerSize, WNDPROC procedure) {
    const HWND dialog = CreateWindowExA(0, "NORMALDLG", title, WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                                        outerSize.cx, outerSize.cy, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!dialog) return nullptr;
    SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    SendMessageA(dialog, WM_INITDIALOG, 0, 0);
    return dialog;
}

void CreateDialogControls(HWND dialog, std::span<const DialogControl> controls, HFONT font) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const DialogControl& c : controls) {
        const HWND control =
            CreateWindowExA(c.exStyle, c.className, c.text, WS_CHILD | WS_VISIBLE | c.style, c.x, c.y, c.width, c.height,
                            dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    }
}
