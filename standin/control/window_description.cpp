// One line of text per window, for the controller's dump and for failure messages of tests.
#include <string>

#include "control/standin_control.h"

namespace standin {
namespace {

std::wstring RectText(const RECT& rect) {
    return L"(" + std::to_wstring(rect.left) + L"," + std::to_wstring(rect.top) + L")-(" +
           std::to_wstring(rect.right) + L"," + std::to_wstring(rect.bottom) + L")";
}

}  // namespace

const wchar_t* KindName(WindowKind kind) {
    switch (kind) {
        case WindowKind::Folder: return L"folder";
        case WindowKind::Explorer: return L"explorer";
        case WindowKind::Browser: return L"browser";
        case WindowKind::OtherApp: return L"app";
    }
    return L"?";
}

std::wstring Describe(const WindowState& state) {
    const WINDOWPLACEMENT& placement = state.placement;
    return std::wstring(L"hwnd=") + std::to_wstring(reinterpret_cast<uintptr_t>(state.hwnd)) + L" class=" +
           state.className + L" list=" + std::to_wstring(state.listIndex) + L" button=" +
           std::to_wstring(state.taskbarButton) + L" view=" + std::to_wstring(state.viewMode) + L" showCmd=" +
           std::to_wstring(placement.showCmd) + L" flags=" + std::to_wstring(placement.flags) + L" normal=" +
           RectText(placement.rcNormalPosition) + (state.visible ? L" visible" : L" hidden") +
           (state.minimized ? L" minimized" : L"") + (state.maximized ? L" maximized" : L"") + L" path=" +
           state.path + L" url=" + state.url;
}

}  // namespace standin
