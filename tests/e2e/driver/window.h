#pragma once
// A window of the program under test, seen and driven from the test process. Reading goes through sent
// messages (with a timeout); acting goes through POSTED messages, so that a crash in the program ends it
// visibly and a modal loop it enters never blocks the test. "Settles": waits until the program handled them.
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

namespace e2e {

// A rectangle as position and size: a control's place in its parent's client area, or a window on screen.
struct Box {
    int x = 0, y = 0, width = 0, height = 0;
    int right() const { return x + width; }
    int bottom() const { return y + height; }
    friend bool operator==(const Box&, const Box&) = default;
};
void PrintTo(const Box& box, std::ostream* out);

class Window {
public:
    Window() = default;
    explicit Window(HWND handle) : handle_(handle) {}

    HWND handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    bool Exists() const { return handle_ != nullptr && IsWindow(handle_); }
    friend bool operator==(const Window&, const Window&) = default;

    int Id() const { return GetDlgCtrlID(handle_); }
    std::string ClassName() const;
    DWORD ProcessId() const;
    DWORD ThreadId() const { return GetWindowThreadProcessId(handle_, nullptr); }
    Window Owner() const { return Window(GetWindow(handle_, GW_OWNER)); }  // empty when unowned
    Window Control(int id) const;  // raises DriverError when the child is missing
    Window FindControl(int id) const { return Window(GetDlgItem(handle_, id)); }  // empty when missing
    std::vector<Window> Children() const;  // direct children, in z-order
    std::string Text() const;  // of a control, or the caption of a top-level window

    DWORD Style() const { return static_cast<DWORD>(GetWindowLongW(handle_, GWL_STYLE)); }
    DWORD ExStyle() const { return static_cast<DWORD>(GetWindowLongW(handle_, GWL_EXSTYLE)); }
    bool IsEnabled() const { return IsWindowEnabled(handle_) != FALSE; }
    bool IsVisible() const { return IsWindowVisible(handle_) != FALSE; }
    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    bool HasFocus() const;  // the keyboard focus of its thread
    int ComboSelection() const { return static_cast<int>(Send(CB_GETCURSEL)); }  // -1 without a selection
    std::vector<std::string> ComboItems() const;
    Box ScreenBox() const;
    Box PlaceInParent() const;  // in the parent's client coordinates

    void PostClick() const { Post(BM_CLICK); }  // returns at once (for a click that blocks in a long command)
    void Click() const;  // settles (a modal window it opens does not block this, and it may close its own)
    void SetChecked(bool checked) const;  // clicks when needed and waits for the new state
    void ClickAt(int x, int y) const;  // left button down and up at a client point, settles
    void Type(std::string_view utf8) const;  // one WM_CHAR per UTF-16 unit ("\b" is Backspace), settles
    void TypeOver(std::string_view utf8) const;  // select all, then type: what a user does to replace
    void SetText(std::string_view utf8) const;  // WM_SETTEXT, sent (prefer Type: a crash is only seen when posted)
    void SelectComboItem(int index) const;  // as the keyboard would (Home, then Down), settles
    void PressKey(UINT virtualKey) const;  // WM_KEYDOWN and WM_KEYUP, settles
    void Step(bool up) const;  // up-down control: clicks its upper or lower arrow, settles

    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;  // DriverError when it gets no answer
    void Post(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    std::string Describe() const;  // "control 1005 (Edit) of process 42"

private:
    HWND handle_ = nullptr;
};
void PrintTo(const Window& window, std::ostream* out);

bool HasClass(HWND window, const wchar_t* name);  // without case, as Windows compares class names

// Waits until the thread of `window` has handled every message posted to it so far (also those posted to
// its other windows), also while it runs a modal loop: dialogs and message boxes dispatch posted messages.
void SettleThreadOf(const Window& window);

}  // namespace e2e
