#include "server/shell_windows_list.h"

#include <memory>

#include "server/browser_entry.h"
#include "server/shell_calls.h"

namespace standin {

void* ShellWindowsList::InterfaceFor(REFIID iid) {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IShellWindows) {
        return static_cast<IShellWindows*>(this);
    }
    return nullptr;
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
