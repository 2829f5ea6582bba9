#pragma once
// The shell window list's DShellWindowsEvents connection point. Each connection gets a message-only
// listener window on the advising thread; the shell process posts its events there, so the sink is
// called on the client's own thread, and only while that thread lets messages through, as a real
// shell's events reach a single-threaded apartment.
#include <windows.h>
#include <ocidl.h>

#include <map>

#include "server/com_object.h"

namespace standin {

class WindowEventsPoint : public IConnectionPoint {
public:
    ~WindowEventsPoint();
    void* InterfaceFor(REFIID iid);

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    STANDIN_NOT_IMPLEMENTED(GetConnectionPointContainer, IConnectionPointContainer**)
    STANDIN_NOT_IMPLEMENTED(EnumConnections, IEnumConnections**)

private:
    void Disconnect(DWORD cookie, HWND listener);
    // Cookie to listener window; the listener holds the sink's reference.
    std::map<DWORD, HWND> connections_;
};

}  // namespace standin
