#pragma once
// The main window (class NORMAL0) and the operations it offers to the commands.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

// Creates the main window with its controls (the settings are loaded and the preview runs inside).
HWND CreateMainWindow(HINSTANCE instance);
void RegisterMainWindowClass(HINSTANCE instance);

// The handle, kept by the window procedure on WM_CREATE; null before and after the window's life.
HWND MainWindow();

// UTF-16 text of a main-window control (WM_GETTEXT) and setting it (WM_SETTEXT).
std::wstring ControlTextW(int controlId);
void SetControlTextW(int controlId, std::wstring_view text);
// BM_GETCHECK == BST_CHECKED.
bool IsControlChecked(int controlId);
// CB_GETCURSEL taken as a signed 16-bit value.
int16_t ComboSelection(int controlId);
// Caption "Pavorin - " followed by text.
void SetCaptionText(std::wstring_view text);
