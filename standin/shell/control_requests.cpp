// What the test control asks: arrange windows, the taskbar and faults, and describe everything.
#include "shell/request_handlers.h"
#include "shell/shell_context.h"
#include "shell/shell_window.h"

namespace standin {
namespace {

void PutHandles(const std::vector<HWND>& windows, wire::Reply& reply) {
    if (windows.size() > wire::kMaxHandles) {
        reply.result = HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER);
        return;
    }
    reply.handles.count = static_cast<uint32_t>(windows.size());
    for (uint32_t i = 0; i < reply.handles.count; ++i) reply.handles.values[i] = wire::ToWire(windows[i]);
}

int ListIndexOf(HWND hwnd) {
    const std::vector<ShellWindow*> listed = Context().windows.Listed();
    for (size_t i = 0; i < listed.size(); ++i) {
        if (listed[i]->hwnd == hwnd) return static_cast<int>(i);
    }
    return -1;
}

void DescribeWindow(const ShellWindow& window, wire::State& state) {
    HWND hwnd = window.hwnd;
    state.window = wire::ToWire(hwnd);
    state.kind = window.kind;
    state.visible = IsWindowVisible(hwnd);
    state.minimized = IsIconic(hwnd);
    state.maximized = IsZoomed(hwnd);
    state.viewMode = window.HasFolderView() ? window.viewMode : 0;
    state.listIndex = ListIndexOf(hwnd);
    state.taskbarButton = Context().taskbar.ButtonOf(hwnd);
    PlacementOf(window, state.placement);
    GetClassNameW(hwnd, state.className, static_cast<int>(std::size(state.className)));
    GetWindowTextW(hwnd, state.title, static_cast<int>(std::size(state.title)));
    wire::CopyText(state.path, window.path.c_str());
    wire::CopyText(state.url, window.url.c_str());
}

}  // namespace

void OnOpen(const wire::Request& request, wire::Reply& reply) {
    HWND hwnd = OpenShellWindow(request.spec);
    if (!hwnd) reply.result = HRESULT_FROM_WIN32(GetLastError());
    reply.window = wire::ToWire(hwnd);
}

void OnClose(const wire::Request& request, wire::Reply& reply) {
    HWND hwnd = wire::FromWire(request.window);
    if (!Context().windows.Find(hwnd) || !DestroyWindow(hwnd)) {
        reply.result = HRESULT_FROM_WIN32(ERROR_INVALID_WINDOW_HANDLE);
    }
}

void OnSetTaskbarOrder(const wire::Request& request, wire::Reply&) {
    std::vector<HWND> order;
    for (uint32_t i = 0; i < request.handles.count && i < wire::kMaxHandles; ++i) {
        order.push_back(wire::FromWire(request.handles.values[i]));
    }
    Context().taskbar.SetOrder(std::move(order));
}

void OnSetLaunchDelay(const wire::Request& request, wire::Reply&) {
    Context().launchDelayMs = static_cast<DWORD>(request.number);
}

void OnSetFaults(const wire::Request& request, wire::Reply&) {
    ShellContext& context = Context();
    context.faults = request.faults;
    context.taskbar.Arrange(!context.faults.noTaskbarChain, context.faults.toolbarTaskbar != 0);
}

void OnDescribe(const wire::Request& request, wire::Reply& reply) {
    const auto& all = Context().windows.All();
    if (request.number < 0 || static_cast<size_t>(request.number) >= all.size()) {
        reply.result = S_FALSE;
        return;
    }
    DescribeWindow(*all[request.number], reply.state);
}

void OnListedWindows(const wire::Request&, wire::Reply& reply) {
    std::vector<HWND> windows;
    for (ShellWindow* window : Context().windows.Listed()) windows.push_back(window->hwnd);
    PutHandles(windows, reply);
}

void OnTaskbarWindows(const wire::Request&, wire::Reply& reply) {
    PutHandles(Context().taskbar.Order(), reply);
}

void OnQuit(const wire::Request&, wire::Reply&) {
    PostMessageW(Context().control, WM_CLOSE, 0, 0);
}

}  // namespace standin
