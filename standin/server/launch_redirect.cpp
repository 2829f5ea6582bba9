#include "server/launch_redirect.h"

#include <windows.h>

#include <memory>

#include "server/import_redirect.h"
#include "server/shell_calls.h"

namespace standin {
namespace {

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);

// The real function, taken before any import table is changed; null in a process without shell32.
const auto g_shellExecute = FunctionCast<ShellExecuteFunction>(
    GetProcAddress(GetModuleHandleW(L"shell32.dll"), "ShellExecuteW"));

constexpr INT_PTR kLastFailure = 32;

HINSTANCE WINAPI RedirectedShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                         LPCWSTR directory, INT show) {
    if (wire::Usage* usage = wire::SharedUsage()) InterlockedIncrement64(&usage->launches);
    const HINSTANCE result = g_shellExecute(owner, verb, file, parameters, directory, show);
    if (reinterpret_cast<INT_PTR>(result) <= kLastFailure) return result;
    auto reply = std::make_unique<wire::Reply>();
    if (FAILED(AskShell(wire::Op::LaunchAnswer, nullptr, 0, *reply))) return result;
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(reply->number));
}

}  // namespace

void RedirectLaunchCalls() {
    if (!g_shellExecute) return;
    RedirectImportEverywhere(FunctionCast<FARPROC>(g_shellExecute), FunctionCast<FARPROC>(&RedirectedShellExecuteW));
}

}  // namespace standin
