#include "shell/shell_window.h"

#include <exdispid.h>
#include <shlwapi.h>

#include "shell/shell_context.h"
#include "shell/window_events.h"
#include "shell/window_painting.h"

namespace standin {
namespace {

constexpr wchar_t kOtherAppClass[] = L"StandInApplication";

std::wstring FileUrlOf(const std::wstring& path) {
    wchar_t url[wire::kTextCapacity] = L"";
    DWORD size = wire::kTextCapacity;
    if (FAILED(UrlCreateFromPathW(path.c_str(), url, &size, 0))) return L"";
    return url;
}

// The folder path of a file URL, empty for any other location.
std::wstring PathOfUrl(const std::wstring& url) {
    wchar_t path[wire::kTextCapacity] = L"";
    DWORD size = wire::kTextCapacity;
    if (FAILED(PathCreateFromUrlW(url.c_str(), path, &size, 0))) return L"";
    return path;
}

std::wstring TitleFor(const ShellWindow& window) {
    if (window.path.empty()) return window.url;
    const wchar_t* name = PathFindFileNameW(window.path.c_str());
    return *name ? name : window.path;
}

// WM_SYSCOMMAND SC_CLOSE as the window was told to answer it.
LRESULT OnCloseRequest(const ShellWindow& window) {
    switch (window.closeMode) {
        case wire::CloseMode::Close:
            DestroyWindow(window.hwnd);
            return 0;
        case wire::CloseMode::Hang:
            Sleep(window.hangMs);
            return 0;
        case wire::CloseMode::Ignore:
            return 0;
    }
    return 0;
}

void OnGone(HWND hwnd) {
    ShellContext& context = Context();
    const ShellWindow* window = context.windows.Find(hwnd);
    const bool listed = window && window->Listed();
    context.taskbar.Remove(hwnd);
    context.windows.Remove(hwnd);
    if (listed) FireWindowEvent(DISPID_WINDOWREVOKED, hwnd);
}

LRESULT CALLBACK ShellWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ShellWindow* window = Context().windows.Find(hwnd);
    switch (message) {
        case WM_PAINT:
            if (window) PaintShellWindow(*window);
            else ValidateRect(hwnd, nullptr);
            return 0;
        case WM_SIZE:
            InvalidateRect(hwnd, nullptr, TRUE);
            break;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE && window) return OnCloseRequest(*window);
            break;
        case WM_CLOSE:
            if (window) return OnCloseRequest(*window);
            break;
        case WM_NCDESTROY:
            OnGone(hwnd);
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void ApplyPlacement(HWND hwnd, const wire::Spec& spec) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.flags = spec.restoreToMaximized ? WPF_RESTORETOMAXIMIZED : 0;
    placement.showCmd = static_cast<UINT>(spec.showCmd);
    placement.ptMinPosition = placement.ptMaxPosition = POINT{-1, -1};
    placement.rcNormalPosition = spec.normal;
    SetWindowPlacement(hwnd, &placement);
}

}  // namespace

const wchar_t* ClassNameOf(wire::Kind kind) {
    switch (kind) {
        case wire::Kind::Folder: return L"CabinetWClass";
        case wire::Kind::Explorer: return L"ExploreWClass";
        case wire::Kind::Browser: return L"IEFrame";
        case wire::Kind::OtherApp: return kOtherAppClass;
    }
    return kOtherAppClass;
}

void RegisterShellWindowClasses(HINSTANCE instance) {
    for (wire::Kind kind : {wire::Kind::Folder, wire::Kind::Explorer, wire::Kind::Browser, wire::Kind::OtherApp}) {
        WNDCLASSW windowClass{};
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = ShellWindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = BackgroundBrushOf(kind);
        windowClass.lpszClassName = ClassNameOf(kind);
        RegisterClassW(&windowClass);
    }
}

HWND OpenShellWindow(const wire::Spec& spec) {
    ShellContext& context = Context();
    auto window = std::make_unique<ShellWindow>();
    window->kind = spec.kind;
    window->url = spec.url[0] ? std::wstring(spec.url) : FileUrlOf(spec.path);
    window->path = spec.url[0] ? PathOfUrl(window->url) : std::wstring(spec.path);
    window->viewMode = spec.viewMode;
    window->closeMode = spec.closeMode;
    window->hangMs = spec.hangMs;
    const RECT& normal = spec.normal;
    HWND hwnd = CreateWindowExW(0, ClassNameOf(spec.kind), TitleFor(*window).c_str(), WS_OVERLAPPEDWINDOW,
                                normal.left, normal.top, normal.right - normal.left, normal.bottom - normal.top,
                                nullptr, nullptr, context.instance, nullptr);
    if (!hwnd) return nullptr;
    window->hwnd = hwnd;
    ShellWindow& added = context.windows.Add(std::move(window));
    if (spec.onTaskbar) context.taskbar.Append(hwnd);
    ApplyPlacement(hwnd, spec);
    if (!IsRectEmpty(&spec.arranged)) {
        const RECT& arranged = spec.arranged;
        SetWindowPos(hwnd, nullptr, arranged.left, arranged.top, arranged.right - arranged.left,
                     arranged.bottom - arranged.top, SWP_NOZORDER | SWP_NOACTIVATE);
        added.arranged = true;
        added.normalBeforeArrangement = spec.normal;
    }
    if (spec.kind != wire::Kind::OtherApp) FireWindowEvent(DISPID_WINDOWREGISTERED, hwnd);
    return hwnd;
}

BOOL PlacementOf(const ShellWindow& window, WINDOWPLACEMENT& placement) {
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window.hwnd, &placement)) return FALSE;
    if (window.arranged && placement.showCmd == SW_SHOWNORMAL) {
        placement.rcNormalPosition = window.normalBeforeArrangement;
    }
    return TRUE;
}

void NavigateShellWindow(HWND hwnd, const std::wstring& url) {
    ShellWindow* window = Context().windows.Find(hwnd);
    if (!window) return;
    window->url = url;
    window->path = PathOfUrl(url);
    SetWindowTextW(hwnd, TitleFor(*window).c_str());
    InvalidateRect(hwnd, nullptr, TRUE);
    Context().taskbar.Retitle(hwnd);
}

}  // namespace standin
