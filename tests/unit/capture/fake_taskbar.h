#pragma once
// A taskbar inside the test process: Shell_TrayWnd > ReBarWindow32 > MSTaskSwWClass > ToolbarWindow32,
// whose buttons carry the address of a block that starts with a window's handle, as the shell's do.
// Also the windows the buttons stand for, and a main window with the taskbar listing edit.
#include <windows.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace capture_test {

class FakeTaskbar {
public:
    FakeTaskbar();
    ~FakeTaskbar();
    FakeTaskbar(const FakeTaskbar&) = delete;
    FakeTaskbar& operator=(const FakeTaskbar&) = delete;

    // A button for window (null: a button whose data holds no handle).
    void AddWindowButton(HWND window);
    // A button whose data is the given raw value (an unreadable address, say).
    void AddButtonWithData(uintptr_t data);
    // A button whose block holds value where a handle is expected.
    void AddButtonWithHandleValue(uintptr_t value);

private:
    HWND tray_ = nullptr;
    HWND toolbar_ = nullptr;
    std::deque<uintptr_t> blocks_;  // stable addresses for the buttons' data
};

// Hidden top-level windows of a given class and title, destroyed with the owner.
class TestWindows {
public:
    ~TestWindows();
    HWND Create(const std::string& className, const std::string& title);

private:
    std::vector<HWND> windows_;
};

// A hidden main window with the edit 1002 that receives the taskbar listing.
class ListingOwner {
public:
    ListingOwner();
    ~ListingOwner();
    HWND window() const { return window_; }
    std::string Listing() const;
    void SetListing(const std::string& text) const;

private:
    HWND window_ = nullptr;
};

}  // namespace capture_test
