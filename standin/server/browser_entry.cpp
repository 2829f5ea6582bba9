#include "server/browser_entry.h"

#include <shobjidl.h>

#include <memory>

#include "server/folder_view.h"
#include "server/shell_calls.h"

namespace standin {

void* BrowserEntry::InterfaceFor(REFIID iid) {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IWebBrowser || iid == IID_IWebBrowserApp ||
        iid == IID_IWebBrowser2) {
        return static_cast<IWebBrowser2*>(this);
    }
    if (iid == IID_IServiceProvider) return static_cast<IServiceProvider*>(this);
    return nullptr;
}

HRESULT BrowserEntry::Navigate(BSTR url, VARIANT*, VARIANT*, VARIANT*, VARIANT*) {
    if (!url) return E_INVALIDARG;
    auto request = std::make_unique<wire::Request>(wire::MakeRequest(wire::Op::Navigate, window_));
    wire::CopyText(request->text, url);
    auto reply = std::make_unique<wire::Reply>();
    return wire::Call(*request, *reply);
}

HRESULT BrowserEntry::get_LocationURL(BSTR* url) {
    if (!url) return E_POINTER;
    *url = nullptr;
    auto reply = std::make_unique<wire::Reply>();
    const HRESULT result = AskShell(wire::Op::LocationUrl, window_, 0, *reply);
    if (FAILED(result)) return result;
    *url = SysAllocString(reply->text);
    return *url ? S_OK : E_OUTOFMEMORY;
}

HRESULT BrowserEntry::get_HWND(SHANDLE_PTR* window) {
    if (!window) return E_POINTER;
    *window = reinterpret_cast<SHANDLE_PTR>(window_);
    return IsWindow(window_) ? S_OK : E_FAIL;
}

HRESULT BrowserEntry::QueryService(REFGUID service, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (service != SID_SFolderView) return E_NOINTERFACE;
    const HRESULT result = AskShell(wire::Op::HasFolderView, window_);
    if (FAILED(result)) return result;
    return CreateComObject<FolderView>(iid, object, window_);
}

}  // namespace standin
