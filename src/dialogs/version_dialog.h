#pragma once
#include <windows.h>

// Modeless: returns the new window (null for a name other than "VersionDlg").
HWND OpenVersionDialog(HWND owner, const char* dialogName);
