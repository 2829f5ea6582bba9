#pragma once
#include <windows.h>

// Modal: returns the close code (openMethod after OK, 0 otherwise); 0 at once for a name other than "OptionDlg".
int OpenOptionsDialog(HWND owner, const char* dialogName);
