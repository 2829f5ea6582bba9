#pragma once
// The folder windows on the desktop, found by their window classes: counting them before a restore
// asks whether to replace them, and closing them when it does.
#include <windows.h>

#include <cstdint>

struct FolderWindowCounts {
    int32_t folderWindowCount = 0;  // CabinetWClass and ExploreWClass windows
    int32_t browserFrameCount = 0;  // IEFrame windows
};

// EnumWindows callbacks: counts points to a FolderWindowCounts; the closing one takes no parameter.
BOOL CALLBACK CountFolderWindowsProc(HWND window, LPARAM counts);
BOOL CALLBACK CloseFolderWindowsProc(HWND window, LPARAM unused);

// The two enumerations over every top-level window.
FolderWindowCounts CountFolderWindows();
void CloseFolderWindows();
