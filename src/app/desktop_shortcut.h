#pragma once
// The system-menu item that puts a shortcut on the desktop which restores the chosen list
// ("Pavorin N.lnk", running Pavorin.exe /restore N in the current directory).
#include <windows.h>

// The wParam of its WM_SYSCOMMAND; fixed, so that scripts and tests can send it.
constexpr UINT kCreateShortcutCommand = 0x0100;

// Appends a separator and the item to the window's system menu.
void AddShortcutMenuItem(HWND window);

// The command: a shortcut for the list of the list-number box, or a box saying why there is none.
void CreateDesktopShortcut();
