#pragma once
// The plumbing every object of the COM server shares: reference counting, QueryInterface over the
// interfaces an implementation names, and an IDispatch that offers no type information (clients call
// the vtable methods directly, as the program does).
#include <windows.h>
#include <oaidl.h>

#include <new>
#include <utility>

// An interface method the stand-in does not provide.
#define STANDIN_NOT_IMPLEMENTED(name, ...) \
    HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override { return E_NOTIMPL; }

namespace standin {

// Impl provides the interfaces and `void* InterfaceFor(REFIID)` (nullptr for those it lacks).
template <typename Impl>
class ComObject final : public Impl {
public:
    template <typename... Args>
    explicit ComObject(Args&&... args) : Impl(std::forward<Args>(args)...) {}

    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = this->InterfaceFor(iid);
        if (!*object) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }

private:
    LONG references_ = 1;
};

// Creates an object and hands out the interface iid of it (the creator's reference is dropped).
template <typename Impl, typename... Args>
HRESULT CreateComObject(REFIID iid, void** object, Args&&... args) {
    auto* created = new (std::nothrow) ComObject<Impl>(std::forward<Args>(args)...);
    if (!created) return E_OUTOFMEMORY;
    const HRESULT result = created->QueryInterface(iid, object);
    created->Release();
    return result;
}

template <typename Interface>
class DispatchWithoutTypeInfo : public Interface {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    STANDIN_NOT_IMPLEMENTED(GetTypeInfo, UINT, LCID, ITypeInfo**)
    STANDIN_NOT_IMPLEMENTED(GetIDsOfNames, REFIID, LPOLESTR*, UINT, LCID, DISPID*)
    STANDIN_NOT_IMPLEMENTED(Invoke, DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
};

}  // namespace standin
