#pragma once
// The main window as the commands see it: its handle and its controls' texts and states.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

// The handle, set by the window procedure on WM_CREATE and cleared on WM_NCDESTROY; null before and after
// the window's life (and in a run from the command line, which has no main window).
HWND MainWindow();
void SetMainWindow(HWND window);

// UTF-16 text of a main-window control (WM_GETTEXT) and setting it (WM_SETTEXT).
std::wstring ControlTextW(int controlId);
void SetControlTextW(int controlId, std::wstring_view text);
// BM_GETCHECK == BST_CHECKED.
bool IsControlChecked(int controlId);
// CB_GETCURSEL taken as a signed 16-bit value.
int16_t ComboSelection(int controlId);
// Caption "Pavorin - " followed by text.
void SetCaptionText(std::wstring_view text);
