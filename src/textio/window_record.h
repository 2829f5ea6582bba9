#pragma once
// One folder window as the capture records it and the restore brings it back.
// Pure: capture and restore convert to and from the Win32 types at their edge (see placement_win32.h).
#include <cstdint>
#include <string>

struct PointRecord {
    int32_t x = 0;
    int32_t y = 0;
};

struct RectRecord {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// The fields of WINDOWPLACEMENT, in its order, as fixed-width integers.
struct PlacementRecord {
    int32_t length = 0;
    int32_t flags = 0;
    int32_t showCmd = 0;
    PointRecord ptMinPosition;
    PointRecord ptMaxPosition;
    RectRecord rcNormalPosition;
};

struct WindowRecord {
    std::u16string path;      // the folder's file-system path
    int32_t pathLength = 0;   // its length in UTF-16 units
    int32_t urlLength = 0;    // UTF-16 units of the window's location URL at capture
    uintptr_t hwnd = 0;       // the window at capture; never stored in a list file
    int32_t taskbarPosition = 0;  // 0-based among the taskbar's folder buttons; never stored
    int32_t viewMode = 0;     // FOLDERVIEWMODE
    int32_t classFlag = 0;    // 0 CabinetWClass, 1 ExploreWClass
    PlacementRecord placement;
};
