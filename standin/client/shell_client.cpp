#include "shell_client.h"

#include <commctrl.h>
#include <shlwapi.h>
#include <shobjidl.h>

#include "win32/unique_handle.h"

namespace standin::testing {
namespace {

using Microsoft::WRL::ComPtr;

ComPtr<IWebBrowser2> BrowserAt(IShellWindows& list, LONG index, HRESULT* result = nullptr) {
    ComPtr<IDispatch> entry;
    const HRESULT item = list.Item(*win32::UniqueVariant::FromInt32(index), &entry);
    if (result) *result = item;
    ComPtr<IWebBrowser2> browser;
    if (item == S_OK) entry.As(&browser);
    return browser;
}

std::wstring LocationOf(IWebBrowser2& browser) {
    win32::UniqueBstr url;
    BSTR raw = nullptr;
    browser.get_LocationURL(&raw);
    url.reset(raw);
    return std::wstring(win32::BstrView(url.get()));
}

std::wstring PathFromUrl(const std::wstring& url) {
    wchar_t path[MAX_PATH + 1] = L"";
    DWORD size = MAX_PATH + 1;
    PathCreateFromUrlW(url.c_str(), path, &size, 0);
    return path;
}

// The remote block the toolbar copies a button description into, freed with the process handle.
struct RemoteBlock {
    win32::UniqueKernelHandle process;
    void* address = nullptr;
    ~RemoteBlock() {
        if (address) VirtualFreeEx(process.get(), address, 0, MEM_RELEASE);
    }
};

HWND FindTaskbarToolbar() {
    for (HWND tray = FindWindowExA(nullptr, nullptr, "Shell_TrayWnd", nullptr); tray;
         tray = FindWindowExA(nullptr, tray, "Shell_TrayWnd", nullptr)) {
        HWND rebar = FindWindowExA(tray, nullptr, "ReBarWindow32", nullptr);
        HWND taskSwitch = rebar ? FindWindowExA(rebar, nullptr, "MSTaskSwWClass", nullptr) : nullptr;
        HWND toolbar = taskSwitch ? FindWindowExA(taskSwitch, nullptr, "ToolbarWindow32", nullptr) : nullptr;
        if (toolbar) return toolbar;
    }
    return nullptr;
}

}  // namespace

ComPtr<IShellWindows> CreateShellWindows(HRESULT* result) {
    CLSID clsid{};
    CLSIDFromString(L"{9BA05972-F6A8-11CF-A442-00A0C90A8F39}", &clsid);
    ComPtr<IShellWindows> list;
    const HRESULT created = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IShellWindows, &list);
    if (result) *result = created;
    return list;
}

LONG CountOf(IShellWindows& list) {
    LONG count = -1;
    list.get_Count(&count);
    return count;
}

ComPtr<IFolderView> FolderViewOf(IWebBrowser2& browser, HRESULT* result) {
    ComPtr<IServiceProvider> services;
    ComPtr<IFolderView> view;
    HRESULT queried = browser.QueryInterface(IID_PPV_ARGS(&services));
    if (SUCCEEDED(queried)) queried = services->QueryService(SID_SFolderView, IID_PPV_ARGS(&view));
    if (result) *result = queried;
    return queried == S_OK ? view : nullptr;
}

ListReading ReadShellWindows(IShellWindows& list) {
    ListReading reading;
    const LONG count = CountOf(list);
    for (LONG i = 0; i < count; ++i) {
        ComPtr<IWebBrowser2> browser = BrowserAt(list, i);
        if (!browser) {
            ++reading.absent;
            continue;
        }
        ComPtr<IFolderView> view = FolderViewOf(*browser.Get());
        if (!view) {
            ++reading.browserWindows;
            continue;
        }
        ListedFolder folder;
        view->GetCurrentViewMode(&folder.viewMode);
        folder.url = LocationOf(*browser.Get());
        SHANDLE_PTR hwnd = 0;
        browser->get_HWND(&hwnd);
        folder.hwnd = reinterpret_cast<HWND>(hwnd);
        folder.path = PathFromUrl(folder.url);
        if (folder.path.empty()) {
            ++reading.absent;
            continue;
        }
        reading.folders.push_back(folder);
    }
    return reading;
}

ComPtr<IWebBrowser2> FindNewestByUrl(IShellWindows& list, const std::wstring& url) {
    for (LONG i = CountOf(list) - 1; i >= 0; --i) {
        ComPtr<IWebBrowser2> browser = BrowserAt(list, i);
        if (browser && FolderViewOf(*browser.Get()) && StrCmpLogicalW(url.c_str(), LocationOf(*browser.Get()).c_str()) == 0) {
            return browser;
        }
    }
    return nullptr;
}

std::wstring UrlFromPath(const std::wstring& path) {
    wchar_t url[2 * MAX_PATH] = L"";
    DWORD size = 2 * MAX_PATH;
    UrlCreateFromPathW(path.c_str(), url, &size, 0);
    return url;
}

std::vector<HWND> ReadTaskbar() {
    std::vector<HWND> windows;
    HWND toolbar = FindTaskbarToolbar();
    if (!toolbar) return windows;
    DWORD processId = 0;
    GetWindowThreadProcessId(toolbar, &processId);
    RemoteBlock block;
    block.process.reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    block.address = VirtualAllocEx(block.process.get(), nullptr, 280, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const auto count = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 1; i < count; ++i) {
        SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(block.address));
        TBBUTTON button{};
        ReadProcessMemory(block.process.get(), block.address, &button, sizeof button, nullptr);
        HWND window = nullptr;
        ReadProcessMemory(block.process.get(), reinterpret_cast<void*>(button.dwData), &window, sizeof window,
                          nullptr);
        windows.push_back(window);
    }
    return windows;
}

WINDOWPLACEMENT Placement(UINT showCmd, const RECT& normal, UINT flags) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.flags = flags;
    placement.showCmd = showCmd;
    placement.ptMinPosition = placement.ptMaxPosition = POINT{-1, -1};
    placement.rcNormalPosition = normal;
    return placement;
}

}  // namespace standin::testing
