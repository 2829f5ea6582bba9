#include "server/folder_view.h"

#include <memory>

#include "server/shell_calls.h"

namespace standin {

void* FolderView::InterfaceFor(REFIID iid) {
    if (iid == IID_IUnknown || iid == IID_IFolderView) return static_cast<IFolderView*>(this);
    return nullptr;
}

HRESULT FolderView::GetCurrentViewMode(UINT* mode) {
    if (!mode) return E_POINTER;
    auto reply = std::make_unique<wire::Reply>();
    const HRESULT result = AskShell(wire::Op::GetViewMode, window_, 0, *reply);
    if (SUCCEEDED(result)) *mode = static_cast<UINT>(reply->number);
    return result;
}

HRESULT FolderView::SetCurrentViewMode(UINT mode) {
    return AskShell(wire::Op::SetViewMode, window_, static_cast<int32_t>(mode));
}

}  // namespace standin
