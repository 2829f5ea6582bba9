#pragma once
// The buttons of the shell's taskbar, read out of the shell's process: the taskbar toolbar copies each
// button's description into a block inside its own process, which is read back, and the button's data
// leads to the handle of the window the button stands for.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "capture/remote_block.h"
#include "win32/unique_handle.h"

namespace capture {

enum class TaskbarKind {
    kNone,      // no Shell_TrayWnd holds either (Wine's own desktop)
    kToolbar,   // Shell_TrayWnd > ReBarWindow32 > MSTaskSwWClass > ToolbarWindow32, up to Windows Vista
    kTaskList,  // an MSTaskListWClass inside Shell_TrayWnd (Windows 7 and later): no order to read
};

struct TaskbarFound {
    TaskbarKind kind = TaskbarKind::kNone;
    HWND toolbar = nullptr;  // with kToolbar
};

// A toolbar taskbar when any Shell_TrayWnd has one, else a task-list taskbar when any has that.
TaskbarFound FindTaskbar();

struct TaskbarButton {
    uint32_t handle = 0;    // the window's handle, 0 when the button could not be read
    std::string className;  // empty when the handle is no window
    std::string title;  // UTF-8
};

class TaskbarButtonReader {
public:
    // Opens the toolbar's process once and allocates the one block every button is copied into.
    explicit TaskbarButtonReader(HWND toolbar);

    // Every message to the toolbar waits a bounded time: a hung shell cannot hang the capture. After a
    // message that timed out nothing more is asked, and the reader counts as failed.
    int ButtonCount() const;
    // Every failed step gives an empty button, never a value left over from another button.
    TaskbarButton Read(int index) const;
    // The shell's process could not be reached, or it did not answer in time.
    bool Failed() const { return !block_ || timedOut_; }

private:
    uint32_t ReadWindowHandle(int index) const;
    // SendMessageTimeout's answer, or nothing once the toolbar has not answered in time.
    std::optional<LRESULT> Ask(UINT message, WPARAM wParam, LPARAM lParam) const;

    HWND toolbar_;
    win32::UniqueKernelHandle process_;
    RemoteBlock block_;
    bool shellIs64Bit_ = true;
    mutable bool timedOut_ = false;
};

}  // namespace capture
