#pragma once
// The options dialog's controls and how they show and take back the restore options (Options()).
#include <windows.h>

#include <cstdint>

// The fifteen controls with the dialog font; the timeout box takes at most 5 typed characters.
void CreateOptionsDialogControls(HWND dialog);

// Restore options to controls: the radio button of openMethod (none for a value other than 1, 2, 4),
// the four check boxes, the timeout as unsigned digits, and the timeout box's look.
void LoadOptionsIntoDialog(HWND dialog);

// The timeout box draws grey while the duplicate-path box is checked. Only the drawing changes: the box
// stays enabled, takes input, and is read on OK either way.
void UpdateTimeoutLook(HWND dialog);

// The default choices into the controls; the options change only if OK follows.
void ResetOptionsToDefaults(HWND dialog);

// Controls to restore options: booleans as -1 / 0, openMethod as 1, 2, 4 or 0, the timeout from at most
// the first five characters of its box as the bit pattern of a signed 32-bit number. Returns openMethod.
int32_t StoreOptionsFromDialog(HWND dialog);
