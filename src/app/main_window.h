#pragma once
// The main window (class NORMAL0): its class and its creation. What the commands use of it lives in
// ui/main_window_access.h.
#include <windows.h>

// Creates the main window with its controls (the settings are loaded and the preview runs inside).
HWND CreateMainWindow(HINSTANCE instance);
void RegisterMainWindowClass(HINSTANCE instance);
