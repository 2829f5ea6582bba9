#pragma once
// Which place each captured window takes on the taskbar, and whether it is a folder view or an
// Explorer view; the taskbar's buttons are listed in the main window's taskbar listing on the way.
#include <windows.h>

#include <span>

#include "textio/window_record.h"

namespace capture {

// Where the order is not read, the records keep their order and take their classes from the windows.
enum class TaskbarOrder {
    kRead,        // positions and class flags come from the taskbar's buttons
    kShellList,   // a taskbar of Windows 7 and later, whose order has no reading: the shell list's order
    kUnreadable,  // no taskbar, or a toolbar taskbar that could not be read
};

// Sets taskbarPosition and classFlag of every record. A record whose window has no folder-window
// button is told in a message box ("handle lost") owned by mainWindow and keeps its fields. The
// listing of every examined button goes into mainWindow's edit 1002, growing button by button.
TaskbarOrder AlignWindowInOrder(HWND mainWindow, std::span<WindowRecord> records);

}  // namespace capture
