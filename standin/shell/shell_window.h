#pragma once
// The shell's own windows: folder windows (CabinetWClass, ExploreWClass), browser windows (IEFrame) and
// windows that stand for another program. Each paints what a screenshot needs to tell it apart.
#include <windows.h>

#include <string>

#include "protocol/wire.h"
#include "shell/window_registry.h"

namespace standin {

void RegisterShellWindowClasses(HINSTANCE instance);

// Creates the window, enters it into the registry and the taskbar and gives it its placement.
HWND OpenShellWindow(const wire::Spec& spec);

// Shows another location in an open window (IWebBrowser2::Navigate).
void NavigateShellWindow(HWND window, const std::wstring& url);

const wchar_t* ClassNameOf(wire::Kind kind);

// GetWindowPlacement as Windows answers it: for an arranged window, the rectangle from before.
BOOL PlacementOf(const ShellWindow& window, WINDOWPLACEMENT& placement);

}  // namespace standin
