#include "dialogs/dialog_window.h"

HWND CreateDialogWindow(HWND owner, const wchar_t* title, SIZE outerSize, WNDPROC procedure) {
    const HWND dialog = CreateWindowExW(0, L"NORMALDLG", title, WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                                        outerSize.cx, outerSize.cy, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!dialog) return nullptr;
    SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    SendMessageW(dialog, WM_INITDIALOG, 0, 0);
    return dialog;
}

void CreateDialogControls(HWND dialog, std::span<const DialogControl> controls, HFONT font) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const DialogControl& c : controls) {
        const HWND control =
            CreateWindowExW(c.exStyle, c.className, c.text, WS_CHILD | WS_VISIBLE | c.style, c.x, c.y, c.width, c.height,
                            dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    }
}
