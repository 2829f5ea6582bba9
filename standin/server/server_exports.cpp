// The entry points COM calls when CoCreateInstance(CLSID_ShellWindows) loads this server.
#include <windows.h>
#include <exdisp.h>

#include "server/shell_calls.h"
#include "server/com_object.h"
#include "server/program_census.h"
#include "server/launch_redirect.h"
#include "server/placement_redirect.h"
#include "server/shell_windows_list.h"

namespace standin {
namespace {

class ListFactory : public IClassFactory {
public:
    void* InterfaceFor(REFIID iid) {
        return iid == IID_IUnknown || iid == IID_IClassFactory ? static_cast<IClassFactory*>(this) : nullptr;
    }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        const HRESULT created = AskShell(wire::Op::CreateList, nullptr);
        if (FAILED(created)) return created;
        RedirectPlacementCalls();
        RedirectLaunchCalls();
        return CreateComObject<ShellWindowsList>(iid, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

// The redirected imports point into this module: it must stay loaded for the life of the process.
void PinThisModule() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(&PinThisModule), &self);
}

}  // namespace
}  // namespace standin

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (clsid != CLSID_ShellWindows) return CLASS_E_CLASSNOTAVAILABLE;
    standin::PinThisModule();
    standin::StartCensusService();
    return standin::CreateComObject<standin::ListFactory>(iid, object);
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() { return S_FALSE; }
