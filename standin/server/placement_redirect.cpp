#include "server/placement_redirect.h"

#include <windows.h>

#include <memory>

#include "server/import_redirect.h"
#include "server/shell_calls.h"

namespace standin {
namespace {

using GetPlacementFunction = BOOL(WINAPI*)(HWND, WINDOWPLACEMENT*);
using SetPlacementFunction = BOOL(WINAPI*)(HWND, const WINDOWPLACEMENT*);

HMODULE User32() { return GetModuleHandleW(L"user32.dll"); }

// The real functions, taken before any import table is changed.
const auto g_getPlacement = FunctionCast<GetPlacementFunction>(GetProcAddress(User32(), "GetWindowPlacement"));
const auto g_setPlacement = FunctionCast<SetPlacementFunction>(GetProcAddress(User32(), "SetWindowPlacement"));

bool IsStandInWindow(HWND window) {
    DWORD owner = 0;
    if (!GetWindowThreadProcessId(window, &owner) || owner == GetCurrentProcessId()) return false;
    return owner == wire::ShellProcessId();
}

// A failed exchange looks like a window that went away.
BOOL Finish(HRESULT result, const wire::Reply& reply) {
    if (SUCCEEDED(result)) return TRUE;
    SetLastError(reply.lastError ? reply.lastError : ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
}

BOOL WINAPI RedirectedGetWindowPlacement(HWND window, WINDOWPLACEMENT* placement) {
    if (!placement || !IsStandInWindow(window)) return g_getPlacement(window, placement);
    auto reply = std::make_unique<wire::Reply>();
    const HRESULT result = AskShell(wire::Op::GetPlacement, window, 0, *reply);
    if (SUCCEEDED(result)) *placement = reply->placement;
    return Finish(result, *reply);
}

BOOL WINAPI RedirectedSetWindowPlacement(HWND window, const WINDOWPLACEMENT* placement) {
    if (!placement || !IsStandInWindow(window)) return g_setPlacement(window, placement);
    auto request = std::make_unique<wire::Request>(wire::MakeRequest(wire::Op::SetPlacement, window));
    request->placement = *placement;
    auto reply = std::make_unique<wire::Reply>();
    return Finish(wire::Call(*request, *reply), *reply);
}

}  // namespace

void RedirectPlacementCalls() {
    RedirectImportEverywhere(FunctionCast<FARPROC>(g_getPlacement),
                             FunctionCast<FARPROC>(&RedirectedGetWindowPlacement));
    RedirectImportEverywhere(FunctionCast<FARPROC>(g_setPlacement),
                             FunctionCast<FARPROC>(&RedirectedSetWindowPlacement));
}

}  // namespace standin
