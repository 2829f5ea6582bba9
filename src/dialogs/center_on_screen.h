#pragma once
#include <windows.h>

// Centres the window on the primary screen (not over its owner), brings it to the top and shows it.
void CenterOnScreen(HWND window);
