#pragma once
// Which place each captured window takes on the taskbar, and whether it is a folder view or an
// Explorer view; the taskbar's buttons are listed in the main window's taskbar listing on the way.
#include <windows.h>

#include <span>

#include "textio/window_record.h"

namespace capture {

enum class TaskbarOrder {
    kRead,        // positions and class flags come from the taskbar's buttons
    kUnreadable,  // no taskbar toolbar to read: the records keep their order, classes from the windows
};

// Sets taskbarPosition and classFlag of every record. A record whose window has no folder-window
// button is told in a message box ("handle lost") owned by mainWindow and keeps its fields. The
// listing of every examined button goes into mainWindow's edit 1002, growing button by button.
TaskbarOrder AlignWindowInOrder(HWND mainWindow, std::span<WindowRecord> records);

}  // namespace capture
