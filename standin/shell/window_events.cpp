#include "shell/window_events.h"

#include <exdispid.h>
#include <olectl.h>

#include <map>

#include "protocol/channel_client.h"
#include "shell/request_handlers.h"
#include "shell/shell_context.h"

namespace standin {
namespace {

// Cookie to listener window.
std::map<int32_t, HWND>& Listeners() {
    static std::map<int32_t, HWND> listeners;
    return listeners;
}

// For the benchmarks: when the newest window was listed (see wire::Usage).
void NoteListing() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    if (wire::Usage* usage = wire::SharedUsage()) InterlockedExchange64(&usage->listedAt, now.QuadPart);
}

}  // namespace

void FireWindowEvent(int dispid, HWND window) {
    if (dispid == DISPID_WINDOWREGISTERED) NoteListing();
    if (Context().faults.silentEvents) return;
    const auto cookie = static_cast<LPARAM>(reinterpret_cast<uintptr_t>(window) & 0x7FFFFFFF);
    // A listener whose process went without unadvising is dropped.
    std::erase_if(Listeners(), [&](const auto& listener) {
        return !PostMessageW(listener.second, wire::kWindowEventMessage, static_cast<WPARAM>(dispid), cookie);
    });
}

void OnAdvise(const wire::Request& request, wire::Reply& reply) {
    static int32_t nextCookie = 1;
    HWND listener = wire::FromWire(request.window);
    if (Context().faults.refuseEvents || !IsWindow(listener)) {
        reply.result = CONNECT_E_CANNOTCONNECT;
        return;
    }
    reply.number = nextCookie++;
    Listeners()[reply.number] = listener;
}

void OnUnadvise(const wire::Request& request, wire::Reply& reply) {
    if (Listeners().erase(request.number) == 0) reply.result = CONNECT_E_NOCONNECTION;
}

}  // namespace standin
