#pragma once
// The folder view of a folder window, reached through QueryService(SID_SFolderView). A separate object
// from the browser entry, as in the real shell: it offers IFolderView and nothing else.
#include <shobjidl.h>

#include "server/com_object.h"

namespace standin {

class FolderView : public IFolderView {
public:
    explicit FolderView(HWND window) : window_(window) {}
    void* InterfaceFor(REFIID iid);

    HRESULT STDMETHODCALLTYPE GetCurrentViewMode(UINT* mode) override;
    HRESULT STDMETHODCALLTYPE SetCurrentViewMode(UINT mode) override;

    STANDIN_NOT_IMPLEMENTED(GetFolder, REFIID, void**)
    STANDIN_NOT_IMPLEMENTED(Item, int, PITEMID_CHILD*)
    STANDIN_NOT_IMPLEMENTED(ItemCount, UINT, int*)
    STANDIN_NOT_IMPLEMENTED(Items, UINT, REFIID, void**)
    STANDIN_NOT_IMPLEMENTED(GetSelectionMarkedItem, int*)
    STANDIN_NOT_IMPLEMENTED(GetFocusedItem, int*)
    STANDIN_NOT_IMPLEMENTED(GetItemPosition, PCUITEMID_CHILD, POINT*)
    STANDIN_NOT_IMPLEMENTED(GetSpacing, POINT*)
    STANDIN_NOT_IMPLEMENTED(GetDefaultSpacing, POINT*)
    STANDIN_NOT_IMPLEMENTED(GetAutoArrange)
    STANDIN_NOT_IMPLEMENTED(SelectItem, int, DWORD)
    STANDIN_NOT_IMPLEMENTED(SelectAndPositionItems, UINT, PCUITEMID_CHILD_ARRAY, POINT*, DWORD)

private:
    HWND window_;
};

}  // namespace standin
