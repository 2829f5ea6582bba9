#pragma once
// The taskbar: a strip at the bottom of the screen holding the window chain Shell_TrayWnd >
// ReBarWindow32 > MSTaskSwWClass > MSTaskListWClass, as since Windows 7, whose button order nobody
// outside can read; or, as up to Vista, > ToolbarWindow32 in place of MSTaskListWClass. That toolbar is a
// real comctl32 toolbar; each button's dwData points to a block in this process whose first value is the
// window's handle, and the leading button stands for no window (like the start button).
#include <windows.h>

#include <memory>
#include <vector>

namespace standin {

class Taskbar {
public:
    void Create(HINSTANCE instance);
    void Destroy();
    // Without the chain, Shell_TrayWnd stays alone (as Wine's own desktop has it); with it, the task
    // switcher holds a toolbar or a task list.
    void Arrange(bool chainPresent, bool toolbar);

    // Each change touches only its own buttons: the toolbar lays out every button again on each
    // change, so rebuilding all of them per window would make a desktop of hundreds of windows crawl.
    void Append(HWND window);
    void Remove(HWND window);
    // Buttons after the leading one; nullptr entries are buttons that hold no window.
    void SetOrder(std::vector<HWND> windows);
    // The buttons of a window take its current title.
    void Retitle(HWND window);

    // The button index of a window, -1 when it has no button (or the chain is gone).
    int ButtonOf(HWND window) const;
    const std::vector<HWND>& Order() const { return order_; }

private:
    struct ButtonData {
        HWND window;  // the first value: what readers of the taskbar follow dwData to
    };

    void CreateChain();
    // A fresh toolbar holding the leading button and one per entry of order_, added in one call.
    void CreateToolbar();
    void AddButtons(const std::vector<HWND>& windows, bool leading);

    HINSTANCE instance_ = nullptr;
    HWND tray_ = nullptr;
    HWND rebar_ = nullptr;
    HWND taskSwitch_ = nullptr;
    HWND toolbar_ = nullptr;
    std::vector<HWND> order_;
    bool toolbarKind_ = false;
    int nextCommand_ = 1;
    std::vector<std::unique_ptr<ButtonData>> blocks_;  // one per button, index for index
};

}  // namespace standin
