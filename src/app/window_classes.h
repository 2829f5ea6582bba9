#pragma once
// The program's two window classes share everything but their name, icons and procedure.
#include <windows.h>

// Registers a class with the program's class style, arrow cursor and background brush.
ATOM RegisterProgramWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure, HICON icon,
                                HICON smallIcon);

// NORMALDLG: the dialogs create a window of it and then put their own procedure in.
void RegisterDialogWindowClass(HINSTANCE instance);
