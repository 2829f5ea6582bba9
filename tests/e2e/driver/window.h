#pragma once
// A window of the program under test, seen and driven from the test process.
// Reading goes through sent messages (WM_GETTEXT and friends, answered across processes with a timeout);
// acting goes through POSTED messages, so that a crash in the program ends it visibly and a modal loop
// it enters never blocks the test. Actions that cannot change anything on their own wait until the
// program has handled them (see SettleThreadOf).
#include <windows.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
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
    bool Exists() const;  // the handle still names a window
    friend bool operator==(const Window&, const Window&) = default;

    // Identity and family.
    int Id() const;
    std::string ClassName() const;
    DWORD ProcessId() const;
    DWORD ThreadId() const;
    Window Parent() const;  // empty for a top-level window
    Window Owner() const;   // GW_OWNER; empty when unowned
    Window Control(int id) const;  // raises DriverError when the child is missing
    Window FindControl(int id) const;  // empty when missing
    std::vector<Window> Children() const;  // direct children, in z-order

    // Text of a control or caption of a top-level window (WM_GETTEXT, wide, converted to UTF-8).
    std::string Text() const;

    // Styles and state.
    DWORD Style() const;
    DWORD ExStyle() const;
    bool IsEnabled() const;
    bool IsVisible() const;
    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    bool HasFocus() const;  // the keyboard focus of its thread (GetGUIThreadInfo)

    // Combo boxes.
    int ComboSelection() const;  // CB_GETCURSEL: -1 without a selection
    std::vector<std::string> ComboItems() const;

    // Geometry.
    Box ScreenBox() const;    // GetWindowRect
    Box PlaceInParent() const;  // the window rectangle in the parent's client coordinates

    // Actions. Each posts its messages; those marked "settles" then wait until the program handled them.
    void PostClick() const;  // BM_CLICK, returns at once (for a click that blocks in a long command)
    void Click() const;      // BM_CLICK, settles (a modal dialog or box it opens does not block this,
                             // and the button may close its own window)
    void SetChecked(bool checked) const;  // clicks when needed and waits for the new state
    void ClickAt(int x, int y) const;  // left button down and up at a client point, settles
    void Type(std::string_view utf8) const;  // one WM_CHAR per UTF-16 unit ("\b" is Backspace), settles
    void TypeOver(std::string_view utf8) const;  // select all, then type: what a user does to replace
    void SetText(std::string_view utf8) const;  // WM_SETTEXT, sent (prefer Type: a crash is only seen when posted)
    void SelectComboItem(int index) const;  // as the keyboard would (Home, then Down), settles
    void PressKey(UINT virtualKey) const;  // WM_KEYDOWN and WM_KEYUP (VK_END, VK_ESCAPE...), settles
    void Step(bool up) const;  // up-down control: click its upper or lower arrow, settles

    // Sends msg with a timeout; raises DriverError when the program does not answer.
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void Post(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // "control 1005 (Edit) of process 42" for messages.
    std::string Describe() const;

private:
    HWND handle_ = nullptr;
};
void PrintTo(const Window& window, std::ostream* out);

// Waits until the thread that owns `window` has handled every message posted to it so far (including the
// ones posted to its other windows). Works while the program runs a modal loop (a dialog or a message
// box), since those loops dispatch posted messages too.
void SettleThreadOf(const Window& window);
void SettleThread(DWORD threadId);  // the same, for a thread whose window may be gone by now

// How long one sent message may take before the driver calls the program unresponsive.
inline constexpr UINT kAnswerTimeoutMs = 5000;

}  // namespace e2e
