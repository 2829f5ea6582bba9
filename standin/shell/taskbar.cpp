#include "shell/taskbar.h"

#include <iterator>
#include <commctrl.h>

#include <algorithm>
#include <cstddef>
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
    RegisterPlainClass(instance, L"MSTaskListWClass", CreateSolidBrush(RGB(48, 64, 96)));
    const int width = GetSystemMetrics(SM_CXSCREEN);
    tray_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"Shell_TrayWnd", L"", WS_POPUP | WS_VISIBLE, 0,
                            GetSystemMetrics(SM_CYSCREEN) - kHeight, width, kHeight, nullptr, nullptr, instance,
                            nullptr);
    CreateChain();
}

void Taskbar::Destroy() {
    if (tray_) DestroyWindow(tray_);
    tray_ = rebar_ = taskSwitch_ = toolbar_ = nullptr;
    blocks_.clear();
}

void Taskbar::CreateChain() {
    const int width = GetSystemMetrics(SM_CXSCREEN) - kStartWidth;
    rebar_ = CreateChild(REBARCLASSNAMEW, tray_, CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, kStartWidth,
                         width);
    taskSwitch_ = CreateChild(L"MSTaskSwWClass", rebar_, 0, 0, width);
    if (toolbarKind_) {
        CreateToolbar();
    } else {
        CreateChild(L"MSTaskListWClass", taskSwitch_, 0, 0, width);
    }
}

void Taskbar::CreateToolbar() {
    if (toolbar_) DestroyWindow(toolbar_);
    blocks_.clear();
    RECT area{};
    GetClientRect(taskSwitch_, &area);
    toolbar_ = CreateChild(TOOLBARCLASSNAMEW, taskSwitch_,
                           TBSTYLE_LIST | TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0,
                           area.right);
    SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar_, TB_SETMAXTEXTROWS, 1, 0);
    AddButtons(order_, true);
}

void Taskbar::Arrange(bool chainPresent, bool toolbar) {
    if (chainPresent == (rebar_ != nullptr) && toolbar == toolbarKind_) return;
    toolbarKind_ = toolbar;
    if (rebar_) DestroyWindow(rebar_);
    rebar_ = taskSwitch_ = toolbar_ = nullptr;
    blocks_.clear();
    if (chainPresent) CreateChain();
}

void Taskbar::Append(HWND window) {
    order_.push_back(window);
    if (toolbar_) AddButtons({window}, false);
}

void Taskbar::Remove(HWND window) {
    for (auto found = std::find(order_.begin(), order_.end(), window); found != order_.end();
         found = std::find(order_.begin(), order_.end(), window)) {
        const size_t button = static_cast<size_t>(found - order_.begin()) + 1;
        order_.erase(found);
        if (!toolbar_) continue;
        SendMessageW(toolbar_, TB_DELETEBUTTON, button, 0);
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(button));
    }
}

void Taskbar::SetOrder(std::vector<HWND> windows) {
    order_ = std::move(windows);
    if (toolbar_) CreateToolbar();
}

void Taskbar::Retitle(HWND window) {
    if (!toolbar_) return;
    std::wstring title = TitleOf(window);
    for (size_t i = 0; i < order_.size(); ++i) {
        if (order_[i] != window) continue;
        TBBUTTONINFOW info{};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_TEXT | TBIF_BYINDEX;
        info.pszText = title.data();
        SendMessageW(toolbar_, TB_SETBUTTONINFOW, i + 1, reinterpret_cast<LPARAM>(&info));
    }
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
}

int Taskbar::ButtonOf(HWND window) const {
    if (!rebar_) return -1;
    auto found = std::find(order_.begin(), order_.end(), window);
    return found == order_.end() ? -1 : static_cast<int>(found - order_.begin()) + 1;
}

void Taskbar::AddButtons(const std::vector<HWND>& windows, bool leading) {
    std::vector<std::wstring> texts;
    if (leading) texts.push_back(L"Start");
    for (HWND window : windows) texts.push_back(TitleOf(window));
    std::vector<TBBUTTON> buttons(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        HWND window = leading ? (i == 0 ? nullptr : windows[i - 1]) : windows[i];
        blocks_.push_back(std::make_unique<ButtonData>(ButtonData{window}));
        TBBUTTON& button = buttons[i];
        button.iBitmap = I_IMAGENONE;
        button.idCommand = nextCommand_++;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
        button.dwData = reinterpret_cast<DWORD_PTR>(blocks_.back().get());
        button.iString = reinterpret_cast<INT_PTR>(texts[i].c_str());
    }
    SendMessageW(toolbar_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
}

}  // namespace standin
