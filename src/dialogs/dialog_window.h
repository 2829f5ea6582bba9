#pragma once
// What the two dialogs share: a NORMALDLG window owned by the main window that is given its own window
// procedure and then built on WM_INITDIALOG, and controls made from a table with one font for all.
#include <windows.h>

#include <span>

// A child control: its class, text, style beyond WS_CHILD | WS_VISIBLE, and place in client pixels.
struct DialogControl {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    DWORD exStyle;
    int x, y, width, height;
};

// Creates the hidden window (WS_CAPTION | WS_SYSMENU, default position, the given outer size), puts
// `procedure` in as its window procedure and sends it WM_INITDIALOG. Null when the window cannot be made.
HWND CreateDialogWindow(HWND owner, const wchar_t* title, SIZE outerSize, WNDPROC procedure);

// Creates the controls in the table's order (which is their z-order), each with `font`.
void CreateDialogControls(HWND dialog, std::span<const DialogControl> controls, HFONT font);

// Every command a dialog knows comes from a button click, whose notification code is 0.
inline bool IsClickOn(WPARAM wParam, int controlId) {
    return LOWORD(wParam) == controlId && HIWORD(wParam) == BN_CLICKED;
}
