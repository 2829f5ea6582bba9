// The stand-in Explorer shell: owns the folder windows, the taskbar and a hidden control window through
// which the COM server, the folder launcher and the tests reach it (see protocol/wire.h).
#include <windows.h>

#include <vector>

#include "protocol/wire.h"
#include "shell/request_handlers.h"
#include "shell/shell_context.h"
#include "shell/shell_window.h"

namespace standin {

ShellContext& Context() {
    static ShellContext context;
    return context;
}

namespace {

wire::Section* g_section = nullptr;

void CloseEverything() {
    ShellContext& context = Context();
    std::vector<HWND> open;
    for (const auto& window : context.windows.All()) open.push_back(window->hwnd);
    for (HWND hwnd : open) DestroyWindow(hwnd);
    context.taskbar.Destroy();
    DestroyWindow(context.control);
}

LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case wire::kRequestMessage:
            if (!g_section) return 0;
            HandleRequest(g_section->request, g_section->reply);
            return 1;
        case WM_TIMER:
            OnLaunchTimer(wParam);
            return 0;
        case WM_CLOSE:
            CloseEverything();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CreateControlWindow(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ControlWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = wire::kControlWindowClass;
    RegisterClassW(&windowClass);
    return CreateWindowExW(WS_EX_TOOLWINDOW, wire::kControlWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                           nullptr, instance, nullptr);
}

}  // namespace
}  // namespace standin

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace standin;
    HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(wire::Section),
                                        wire::kSectionName);
    if (!mapping) return 1;
    g_section = static_cast<wire::Section*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0));
    if (!g_section) return 1;

    ShellContext& context = Context();
    context.instance = instance;
    RegisterShellWindowClasses(instance);
    context.taskbar.Create(instance);
    // The control window comes last: once it can be found, the shell answers.
    context.control = CreateControlWindow(instance);
    if (!context.control) return 1;

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    UnmapViewOfFile(g_section);
    CloseHandle(mapping);
    return 0;
}
