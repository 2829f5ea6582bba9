#pragma once
// The controls of the main window: their layout and the contents they start with.
#include <windows.h>

#include <cstdint>

// The fourteen controls, each with controlFont, then the up-down control of the list-number box.
void CreateMainWindowControls(HWND window);

// Adds the items of the two combo boxes and selects the given ones (-1 or an unknown index selects none).
void FillComboBoxes(HWND window, int32_t overwriteMode, int32_t showStateMode);
