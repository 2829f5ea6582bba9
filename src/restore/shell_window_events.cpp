#include "restore/shell_window_events.h"

#include <exdispid.h>

// The sink's only state is the flag; its Invoke runs on the restoring thread, inside a wait. Both events
// mean "look again": the count decides what happened.
class WindowEventSink : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != DIID_DShellWindowsEvents) return E_NOINTERFACE;
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        if (dispid == DISPID_WINDOWREGISTERED || dispid == DISPID_WINDOWREVOKED) changed = true;
        return S_OK;
    }

    bool changed = false;

private:
    virtual ~WindowEventSink() = default;
    ULONG references_ = 1;
};

ShellWindowEvents::ShellWindowEvents(IShellWindows* list) {
    if (!list) return;
    Microsoft::WRL::ComPtr<IConnectionPointContainer> container;
    if (FAILED(list->QueryInterface(IID_PPV_ARGS(&container)))) return;
    if (FAILED(container->FindConnectionPoint(DIID_DShellWindowsEvents, &point_)) || !point_) return;
    sink_.Attach(new WindowEventSink);
    DWORD cookie = 0;
    if (SUCCEEDED(point_->Advise(sink_.Get(), &cookie))) cookie_ = cookie;
}

ShellWindowEvents::~ShellWindowEvents() {
    if (Connected()) point_->Unadvise(cookie_);
}

bool ShellWindowEvents::TakeChange() {
    if (!sink_ || !sink_->changed) return false;
    sink_->changed = false;
    return true;
}
