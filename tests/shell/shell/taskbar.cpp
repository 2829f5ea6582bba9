#include "shell/taskbar.h"

#include <iterator>
#include <commctrl.h>

#include <algorithm>
#include <string>

namespace standin {
namespace {

constexpr int kHeight = 34;
constexpr int kStartWidth = 64;

void RegisterPlainClass(HINSTANCE instance, const wchar_t* name, HBRUSH background) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
}

HWND CreateChild(const wchar_t* className, HWND parent, DWORD style, int x, int width) {
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, x, 0, width, kHeight, parent,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

std::wstring TitleOf(HWND window) {
    wchar_t title[256] = L"";
    if (window) GetWindowTextW(window, title, static_cast<int>(std::size(title)));
    return title;
}

}  // namespace

void Taskbar::Create(HINSTANCE instance) {
    instance_ = instance;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterPlainClass(instance, L"Shell_TrayWnd", CreateSolidBrush(RGB(32, 48, 80)));
    RegisterPlainClass(instance, L"MSTaskSwWClass", CreateSolidBrush(RGB(48, 64, 96)));
    const int width = GetSystemMetrics(SM_CXSCREEN);
    tray_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"Shell_TrayWnd", L"", WS_POPUP | WS_VISIBLE, 0,
                            GetSystemMetrics(SM_CYSCREEN) - kHeight, width, kHeight, nullptr, nullptr, instance,
                            nullptr);
    CreateChain();
}

void Taskbar::Destroy() {
    if (tray_) DestroyWindow(tray_);
    tray_ = rebar_ = toolbar_ = nullptr;
    blocks_.clear();
}

void Taskbar::CreateChain() {
    const int width = GetSystemMetrics(SM_CXSCREEN) - kStartWidth;
    rebar_ = CreateChild(REBARCLASSNAMEW, tray_, CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, kStartWidth,
                         width);
    HWND taskSwitch = CreateChild(L"MSTaskSwWClass", rebar_, 0, 0, width);
    toolbar_ = CreateChild(TOOLBARCLASSNAMEW, taskSwitch,
                           TBSTYLE_LIST | TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0, width);
    SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar_, TB_SETMAXTEXTROWS, 1, 0);
    Rebuild();
}

void Taskbar::SetChainPresent(bool present) {
    if (present == (rebar_ != nullptr)) return;
    if (present) {
        CreateChain();
        return;
    }
    DestroyWindow(rebar_);
    rebar_ = toolbar_ = nullptr;
    blocks_.clear();
}

void Taskbar::Append(HWND window) {
    order_.push_back(window);
    Rebuild();
}

void Taskbar::Remove(HWND window) {
    if (std::erase(order_, window)) Rebuild();
}

void Taskbar::SetOrder(std::vector<HWND> windows) {
    order_ = std::move(windows);
    Rebuild();
}

int Taskbar::ButtonOf(HWND window) const {
    if (!toolbar_) return -1;
    auto found = std::find(order_.begin(), order_.end(), window);
    return found == order_.end() ? -1 : static_cast<int>(found - order_.begin()) + 1;
}

void Taskbar::Rebuild() {
    if (!toolbar_) return;
    while (SendMessageW(toolbar_, TB_DELETEBUTTON, 0, 0)) {
    }
    blocks_.clear();
    AddButton(nullptr, L"Start");
    for (HWND window : order_) AddButton(window, TitleOf(window).c_str());
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
}

void Taskbar::AddButton(HWND window, const wchar_t* text) {
    blocks_.push_back(std::make_unique<ButtonData>(ButtonData{window}));
    TBBUTTON button{};
    button.iBitmap = I_IMAGENONE;
    button.idCommand = static_cast<int>(blocks_.size());
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
    button.dwData = reinterpret_cast<DWORD_PTR>(blocks_.back().get());
    button.iString = reinterpret_cast<INT_PTR>(text);
    SendMessageW(toolbar_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
}

}  // namespace standin
