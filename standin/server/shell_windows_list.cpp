#include "server/shell_windows_list.h"

#include <olectl.h>

#include <memory>

#include "server/browser_entry.h"
#include "server/shell_calls.h"
#include "server/window_events_point.h"

namespace standin {

ShellWindowsList::~ShellWindowsList() {
    if (windowEvents_) windowEvents_->Release();
}

void* ShellWindowsList::InterfaceFor(REFIID iid) {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IShellWindows) {
        return static_cast<IShellWindows*>(this);
    }
    if (iid == IID_IConnectionPointContainer) return static_cast<IConnectionPointContainer*>(this);
    return nullptr;
}

HRESULT ShellWindowsList::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    if (!point) return E_POINTER;
    *point = nullptr;
    if (iid != DIID_DShellWindowsEvents) return CONNECT_E_NOCONNECTION;
    if (!windowEvents_) {
        const HRESULT created =
            CreateComObject<WindowEventsPoint>(IID_IConnectionPoint, reinterpret_cast<void**>(&windowEvents_));
        if (FAILED(created)) return created;
    }
    windowEvents_->AddRef();
    *point = windowEvents_;
    return S_OK;
}

HRESULT ShellWindowsList::get_Count(LONG* count) {
    if (!count) return E_POINTER;
    auto reply = std::make_unique<wire::Reply>();
    const HRESULT result = AskShell(wire::Op::Count, nullptr, 0, *reply);
    *count = SUCCEEDED(result) ? reply->number : 0;
    return result;
}

HRESULT ShellWindowsList::Item(VARIANT index, IDispatch** folder) {
    if (!folder) return E_POINTER;
    *folder = nullptr;
    VARIANT number;
    VariantInit(&number);
    if (FAILED(VariantChangeType(&number, &index, 0, VT_I4))) return E_INVALIDARG;
    auto reply = std::make_unique<wire::Reply>();
    const HRESULT result = AskShell(wire::Op::Item, nullptr, number.lVal, *reply);
    if (result != S_OK) return result;
    return CreateComObject<BrowserEntry>(IID_IDispatch, reinterpret_cast<void**>(folder),
                                         wire::FromWire(reply->window));
}

}  // namespace standin
