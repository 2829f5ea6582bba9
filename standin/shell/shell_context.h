#pragma once
// What the stand-in shell process holds while it runs: its windows, its taskbar, its faults and the
// launch delay. One per process, reached through Context().
#include <windows.h>

#include "protocol/wire.h"
#include "shell/taskbar.h"
#include "shell/window_registry.h"

namespace standin {

struct ShellContext {
    HINSTANCE instance = nullptr;
    HWND control = nullptr;
    WindowRegistry windows;
    Taskbar taskbar;
    wire::Faults faults{};
    DWORD launchDelayMs = 0;
};

ShellContext& Context();

}  // namespace standin
