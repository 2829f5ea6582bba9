#pragma once
// The buttons of the shell's taskbar, read out of the shell's process: the taskbar toolbar copies each
// button's description into a block inside its own process, which is read back, and the button's data
// leads to the handle of the window the button stands for.
#include <windows.h>

#include <cstdint>
#include <string>

#include "capture/remote_block.h"
#include "win32/unique_handle.h"

namespace capture {

// The toolbar of the first Shell_TrayWnd that holds the whole chain Shell_TrayWnd > ReBarWindow32 >
// MSTaskSwWClass > ToolbarWindow32; null when no taskbar has it (taskbars since Windows 7, Wine's own).
HWND FindTaskbarToolbar();

struct TaskbarButton {
    uint32_t handle = 0;    // the window's handle, 0 when the button could not be read
    std::string className;  // empty when the handle is no window
    std::string title;  // UTF-8
};

class TaskbarButtonReader {
public:
    // Opens the toolbar's process once and allocates the one block every button is copied into.
    explicit TaskbarButtonReader(HWND toolbar);

    int ButtonCount() const;
    // Every failed step gives an empty button, never a value left over from another button.
    TaskbarButton Read(int index) const;

private:
    uint32_t ReadWindowHandle(int index) const;

    HWND toolbar_;
    win32::UniqueKernelHandle process_;
    RemoteBlock block_;
    bool shellIs64Bit_ = true;
};

}  // namespace capture
