// What the COM server in a client process asks on behalf of the program's calls.
#include <shobjidl.h>

#include <algorithm>
#include <utility>

#include "shell/request_handlers.h"
#include "shell/shell_context.h"
#include "shell/shell_window.h"

namespace standin {
namespace {

constexpr HRESULT kNoSuchWindow = HRESULT_FROM_WIN32(ERROR_INVALID_WINDOW_HANDLE);

ShellWindow* WindowOf(const wire::Request& request, wire::Reply& reply) {
    ShellWindow* window = Context().windows.Find(wire::FromWire(request.window));
    if (!window) reply.result = kNoSuchWindow;
    return window;
}

bool FolderViewDenied(const ShellWindow& window) {
    const wire::Faults& faults = Context().faults;
    const uint64_t* end = faults.noFolderView + faults.noFolderViewCount;
    return std::find(faults.noFolderView, end, wire::ToWire(window.hwnd)) != end;
}

bool ItemFails(int index) {
    const wire::Faults& faults = Context().faults;
    const int32_t* end = faults.failingItems + faults.failingItemCount;
    return std::find(faults.failingItems, end, index) != end;
}

}  // namespace

void OnCreateList(const wire::Request&, wire::Reply& reply) {
    if (Context().faults.listCreationFails) reply.result = E_FAIL;
}

void OnCount(const wire::Request&, wire::Reply& reply) {
    ShellContext& context = Context();
    reply.number = static_cast<int32_t>(context.windows.Listed().size());
    if (HWND vanishing = wire::FromWire(std::exchange(context.faults.vanishAfterNextCount, 0))) {
        DestroyWindow(vanishing);
    }
}

void OnItem(const wire::Request& request, wire::Reply& reply) {
    const std::vector<ShellWindow*> listed = Context().windows.Listed();
    if (ItemFails(request.number)) {
        reply.result = E_FAIL;
    } else if (request.number < 0 || static_cast<size_t>(request.number) >= listed.size()) {
        reply.result = S_FALSE;
    } else {
        reply.window = wire::ToWire(listed[request.number]->hwnd);
    }
}

void OnLocationUrl(const wire::Request& request, wire::Reply& reply) {
    if (ShellWindow* window = WindowOf(request, reply)) wire::CopyText(reply.text, window->url.c_str());
}

void OnHasFolderView(const wire::Request& request, wire::Reply& reply) {
    ShellWindow* window = WindowOf(request, reply);
    if (window && (!window->HasFolderView() || FolderViewDenied(*window))) reply.result = E_NOINTERFACE;
}

void OnGetViewMode(const wire::Request& request, wire::Reply& reply) {
    if (ShellWindow* window = WindowOf(request, reply)) reply.number = window->viewMode;
}

void OnSetViewMode(const wire::Request& request, wire::Reply& reply) {
    ShellWindow* window = WindowOf(request, reply);
    if (!window) return;
    if (request.number < FVM_FIRST || request.number > FVM_LAST) {
        reply.result = E_INVALIDARG;
        return;
    }
    window->viewMode = request.number;
    InvalidateRect(window->hwnd, nullptr, TRUE);
}

void OnNavigate(const wire::Request& request, wire::Reply& reply) {
    if (WindowOf(request, reply)) NavigateShellWindow(wire::FromWire(request.window), request.text);
}

void OnGetPlacement(const wire::Request& request, wire::Reply& reply) {
    const ShellWindow* window = WindowOf(request, reply);
    if (!window) return;
    if (!PlacementOf(*window, reply.placement)) {
        reply.lastError = GetLastError();
        reply.result = HRESULT_FROM_WIN32(reply.lastError);
    }
}

void OnSetPlacement(const wire::Request& request, wire::Reply& reply) {
    ShellWindow* window = WindowOf(request, reply);
    if (!window) return;
    window->arranged = false;
    HWND hwnd = wire::FromWire(request.window);
    if (!SetWindowPlacement(hwnd, &request.placement)) {
        reply.lastError = GetLastError();
        reply.result = HRESULT_FROM_WIN32(reply.lastError);
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

}  // namespace standin
