#include "capture/shell_windows.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "win32/com_guards.h"

using Microsoft::WRL::ComPtr;

namespace capture {
namespace {

HRESULT ConversionFailure(int units) {
    return units == 0 ? HRESULT_FROM_WIN32(GetLastError()) : E_UNEXPECTED;
}

// The text up to its first terminator (the shell functions fill zero-initialised buffers).
std::wstring UpToTerminator(const std::vector<wchar_t>& buffer) {
    return std::wstring(buffer.begin(), std::find(buffer.begin(), buffer.end(), L'\0'));
}

}  // namespace

HRESULT ClsidFromText(const char* text, CLSID* clsid) {
    const int length = static_cast<int>(std::strlen(text));
    const int units = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
    if (units <= 0) return ConversionFailure(units);

    const size_t room = static_cast<size_t>(units) + 1;
    std::unique_ptr<wchar_t[]> wide(new (std::nothrow) wchar_t[room]);
    if (!wide) return E_OUTOFMEMORY;
    const int converted = MultiByteToWideChar(CP_ACP, 0, text, length + 1, wide.get(), static_cast<int>(room));
    if (converted <= 0) return ConversionFailure(converted);

    return wide[0] == L'{' ? CLSIDFromString(wide.get(), clsid) : CLSIDFromProgID(wide.get(), clsid);
}

ShellWindowList ShellWindowList::Open() {
    ShellWindowList list;
    CLSID clsid{};
    if (FAILED(ClsidFromText(kShellWindowsClsidText, &clsid))) return list;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IShellWindows,
                                reinterpret_cast<void**>(list.list_.GetAddressOf())))) {
        list.list_.Reset();
    }
    return list;
}

long ShellWindowList::Count() const {
    if (!list_) return 0;
    long count = 0;
    if (FAILED(list_->get_Count(&count)) || count < 0) return 0;
    return count;
}

ComPtr<IWebBrowser2> ShellWindowList::Browser(long index) const {
    ComPtr<IWebBrowser2> browser;
    if (!list_) return browser;
    win32::UniqueVariant position = win32::UniqueVariant::FromInt32(index);
    ComPtr<IDispatch> entry;
    if (list_->Item(*position, entry.GetAddressOf()) != S_OK || !entry) return browser;
    if (FAILED(entry.As(&browser))) browser.Reset();
    return browser;
}

FolderViewLookup LookUpFolderView(IWebBrowser2* browser, ComPtr<IFolderView>& view) {
    view.Reset();
    ComPtr<IServiceProvider> services;
    if (!browser || FAILED(browser->QueryInterface(IID_PPV_ARGS(services.GetAddressOf()))) || !services) {
        return FolderViewLookup::kUnreachable;
    }
    if (services->QueryService(IID_IFolderView, IID_PPV_ARGS(view.GetAddressOf())) != S_OK || !view) {
        view.Reset();
        return FolderViewLookup::kNoFolder;
    }
    return FolderViewLookup::kFolder;
}

std::wstring LocationUrlOf(IWebBrowser2* browser) {
    win32::UniqueBstr url;
    BSTR raw = nullptr;
    const HRESULT result = browser->get_LocationURL(&raw);
    url.reset(raw);
    if (FAILED(result)) return {};
    return std::wstring(win32::BstrView(url.get()));
}

HWND WindowOf(IWebBrowser2* browser) {
    SHANDLE_PTR window = 0;
    if (FAILED(browser->get_HWND(&window))) return nullptr;
    return reinterpret_cast<HWND>(window);
}

std::wstring PathFromUrl(std::wstring_view url, size_t room) {
    const std::wstring terminatedUrl(url);
    std::vector<wchar_t> path(room + 1, L'\0');
    DWORD size = static_cast<DWORD>(path.size());
    if (PathCreateFromUrlW(terminatedUrl.c_str(), path.data(), &size, 0) != S_OK) return {};
    return UpToTerminator(path);
}

std::wstring UrlFromPath(std::wstring_view path, size_t length) {
    const std::wstring terminatedPath(path);
    std::vector<wchar_t> url(length + 1, L'\0');
    DWORD size = static_cast<DWORD>(url.size());
    if (FAILED(UrlCreateFromPathW(terminatedPath.c_str(), url.data(), &size, 0))) return {};
    return UpToTerminator(url);
}

}  // namespace capture
