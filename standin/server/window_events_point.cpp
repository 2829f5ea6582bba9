#include "server/window_events_point.h"

#include <exdisp.h>
#include <olectl.h>

#include <memory>

#include "server/shell_calls.h"

namespace standin {
namespace {

constexpr wchar_t kListenerClass[] = L"PavorinStandInEventListener";

IDispatch* SinkOf(HWND listener) { return reinterpret_cast<IDispatch*>(GetWindowLongPtrW(listener, GWLP_USERDATA)); }

void Deliver(HWND listener, DISPID dispid, LONG cookie) {
    IDispatch* sink = SinkOf(listener);
    if (!sink) return;
    // The sink may unadvise from inside its Invoke.
    sink->AddRef();
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_I4;
    argument.lVal = cookie;
    DISPPARAMS parameters{&argument, nullptr, 1, 0};
    sink->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr, nullptr, nullptr);
    sink->Release();
}

LRESULT CALLBACK ListenerProc(HWND listener, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == wire::kWindowEventMessage) {
        Deliver(listener, static_cast<DISPID>(wParam), static_cast<LONG>(lParam));
        return 0;
    }
    if (message == WM_NCDESTROY) {
        if (IDispatch* sink = SinkOf(listener)) sink->Release();
        SetWindowLongPtrW(listener, GWLP_USERDATA, 0);
    }
    return DefWindowProcW(listener, message, wParam, lParam);
}

HINSTANCE ThisModule() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ListenerProc), &self);
    return self;
}

HWND CreateListener(IDispatch* sink) {
    static const ATOM listenerClass = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = ListenerProc;
        windowClass.hInstance = ThisModule();
        windowClass.lpszClassName = kListenerClass;
        return RegisterClassW(&windowClass);
    }();
    if (!listenerClass) return nullptr;
    HWND listener = CreateWindowExW(0, kListenerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ThisModule(), nullptr);
    if (listener) SetWindowLongPtrW(listener, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(sink));
    return listener;
}

}  // namespace

// A client that ends without unadvising leaves no listener behind in the shell.
WindowEventsPoint::~WindowEventsPoint() {
    while (!connections_.empty()) Disconnect(connections_.begin()->first, connections_.begin()->second);
}

void* WindowEventsPoint::InterfaceFor(REFIID iid) {
    return iid == IID_IUnknown || iid == IID_IConnectionPoint ? static_cast<IConnectionPoint*>(this) : nullptr;
}

HRESULT WindowEventsPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = DIID_DShellWindowsEvents;
    return S_OK;
}

HRESULT WindowEventsPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!sink || !cookie) return E_POINTER;
    *cookie = 0;
    IDispatch* events = nullptr;
    if (FAILED(sink->QueryInterface(DIID_DShellWindowsEvents, reinterpret_cast<void**>(&events))) || !events) {
        return CONNECT_E_CANNOTCONNECT;
    }
    HWND listener = CreateListener(events);
    if (!listener) {
        events->Release();
        return CONNECT_E_CANNOTCONNECT;
    }
    auto reply = std::make_unique<wire::Reply>();
    const HRESULT result = AskShell(wire::Op::Advise, listener, 0, *reply);
    if (FAILED(result)) {
        DestroyWindow(listener);
        return result;
    }
    *cookie = static_cast<DWORD>(reply->number);
    connections_[*cookie] = listener;
    return S_OK;
}

HRESULT WindowEventsPoint::Unadvise(DWORD cookie) {
    const auto connection = connections_.find(cookie);
    if (connection == connections_.end()) return CONNECT_E_NOCONNECTION;
    Disconnect(cookie, connection->second);
    return S_OK;
}

void WindowEventsPoint::Disconnect(DWORD cookie, HWND listener) {
    AskShell(wire::Op::Unadvise, nullptr, static_cast<int32_t>(cookie));
    DestroyWindow(listener);
    connections_.erase(cookie);
}

}  // namespace standin
