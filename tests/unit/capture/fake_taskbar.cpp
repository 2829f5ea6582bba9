#include "fake_taskbar.h"

#include <commctrl.h>

#include <set>

#include "app/control_ids.h"
#include "win32/text_conversion.h"

namespace capture_test {
namespace {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// Registers a plain class once per name.
const char* PlainClass(const std::string& name) {
    static std::set<std::string> registered;
    if (registered.insert(name).second) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = Instance();
        windowClass.lpszClassName = name.c_str();
        RegisterClassA(&windowClass);
    }
    return registered.find(name)->c_str();
}

HWND Child(const char* className, HWND parent) {
    return CreateWindowExA(0, className, "", WS_CHILD, 0, 0, 10, 10, parent, nullptr, Instance(), nullptr);
}

}  // namespace

FakeTaskbar::FakeTaskbar() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&controls);
    tray_ = CreateWindowExA(0, PlainClass("Shell_TrayWnd"), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                            Instance(), nullptr);
    const HWND rebar = Child(REBARCLASSNAMEA, tray_);
    const HWND taskSwitch = Child(PlainClass("MSTaskSwWClass"), rebar);
    toolbar_ = Child(TOOLBARCLASSNAMEA, taskSwitch);
    SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

FakeTaskbar::~FakeTaskbar() { DestroyWindow(tray_); }

void FakeTaskbar::AddButtonWithData(uintptr_t data) {
    TBBUTTON button{};
    button.idCommand = static_cast<int>(SendMessageA(toolbar_, TB_BUTTONCOUNT, 0, 0)) + 100;
    button.fsState = TBSTATE_ENABLED;
    button.dwData = data;
    button.iString = -1;
    SendMessageA(toolbar_, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
}

void FakeTaskbar::AddButtonWithHandleValue(uintptr_t value) {
    blocks_.push_back(value);
    AddButtonWithData(reinterpret_cast<uintptr_t>(&blocks_.back()));
}

void FakeTaskbar::AddWindowButton(HWND window) { AddButtonWithHandleValue(reinterpret_cast<uintptr_t>(window)); }

TestWindows::~TestWindows() {
    for (HWND window : windows_) DestroyWindow(window);
}

HWND TestWindows::Create(const std::string& className, const std::string& title) {
    const HWND window = CreateWindowExW(0, win32::Utf8ToWide(PlainClass(className)).c_str(),
                                        win32::Utf8ToWide(title).c_str(), WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                        nullptr, Instance(), nullptr);
    windows_.push_back(window);
    return window;
}

ListingOwner::ListingOwner() {
    window_ = CreateWindowExA(0, PlainClass("CaptureTestMain"), "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                              Instance(), nullptr);
    CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_MULTILINE, 0, 0, 10, 10, window_,
                    reinterpret_cast<HMENU>(UINT_PTR{control::kTaskbarListing}), Instance(), nullptr);
}

ListingOwner::~ListingOwner() { DestroyWindow(window_); }

std::string ListingOwner::Listing() const {
    const HWND edit = GetDlgItem(window_, control::kTaskbarListing);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return win32::WideToUtf8(text);
}

void ListingOwner::SetListing(const std::string& text) const {
    SetDlgItemTextW(window_, control::kTaskbarListing, win32::Utf8ToWide(text).c_str());
}

}  // namespace capture_test
