#pragma once
// The shell window list's DShellWindowsEvents, so that the wait for a new window can sleep until the
// shell says a window registered instead of asking it again and again. An event only means "look
// again": the count decides. The connection lasts as long as this object, whatever path a restore takes.
#include <windows.h>
#include <exdisp.h>
#include <ocidl.h>
#include <wrl/client.h>

class WindowEventSink;

class ShellWindowEvents {
public:
    // Connects when the list offers the connection point and accepts the sink; else Connected() is false.
    explicit ShellWindowEvents(IShellWindows* list);
    ~ShellWindowEvents();
    ShellWindowEvents(const ShellWindowEvents&) = delete;
    ShellWindowEvents& operator=(const ShellWindowEvents&) = delete;

    bool Connected() const { return cookie_ != 0; }
    // True when a window registered or was revoked since the last call.
    bool TakeChange();

private:
    Microsoft::WRL::ComPtr<IConnectionPoint> point_;
    Microsoft::WRL::ComPtr<WindowEventSink> sink_;
    DWORD cookie_ = 0;
};
