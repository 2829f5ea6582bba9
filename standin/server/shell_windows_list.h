#pragma once
// IShellWindows: the shell's list of open folder and browser windows, read live from the shell process.
#include <exdisp.h>
#include <ocidl.h>

#include "server/com_object.h"

namespace standin {

// Offers DShellWindowsEvents through IConnectionPointContainer.
class ShellWindowsList : public DispatchWithoutTypeInfo<IShellWindows>, public IConnectionPointContainer {
public:
    ~ShellWindowsList();
    void* InterfaceFor(REFIID iid);

    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;
    STANDIN_NOT_IMPLEMENTED(EnumConnectionPoints, IEnumConnectionPoints**)

    HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override;
    HRESULT STDMETHODCALLTYPE Item(VARIANT index, IDispatch** folder) override;

    STANDIN_NOT_IMPLEMENTED(_NewEnum, IUnknown**)
    STANDIN_NOT_IMPLEMENTED(Register, IDispatch*, LONG, int, LONG*)
    STANDIN_NOT_IMPLEMENTED(RegisterPending, LONG, VARIANT*, VARIANT*, int, LONG*)
    STANDIN_NOT_IMPLEMENTED(Revoke, LONG)
    STANDIN_NOT_IMPLEMENTED(OnNavigate, LONG, VARIANT*)
    STANDIN_NOT_IMPLEMENTED(OnActivated, LONG, VARIANT_BOOL)
    STANDIN_NOT_IMPLEMENTED(FindWindowSW, VARIANT*, VARIANT*, int, LONG*, int, IDispatch**)
    STANDIN_NOT_IMPLEMENTED(OnCreated, LONG, IUnknown*)
    STANDIN_NOT_IMPLEMENTED(ProcessAttachDetach, VARIANT_BOOL)

private:
    IConnectionPoint* windowEvents_ = nullptr;  // made on the first request
};

}  // namespace standin
