#include "server/shell_calls.h"

#include <memory>

namespace standin {
namespace {

// The first call after the shell listed a window ends that listing's delay (see wire::Usage).
void TakeListingDelay(wire::Usage& usage, LONGLONG now) {
    const LONG64 listedAt = InterlockedExchange64(&usage.listedAt, 0);
    if (listedAt == 0 || now < listedAt) return;
    const LONG64 slot = InterlockedIncrement64(&usage.listingDelayCount) - 1;
    if (slot < static_cast<LONG64>(wire::kMaxHandles)) usage.listingDelays[slot] = now - listedAt;
}

}  // namespace

HRESULT AskShell(wire::Op op, HWND window, int32_t number, wire::Reply& reply) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    if (wire::Usage* usage = wire::SharedUsage()) TakeListingDelay(*usage, start.QuadPart);
    const HRESULT result = wire::Call(wire::MakeRequest(op, window, number), reply);
    QueryPerformanceCounter(&end);
    // What the program spends waiting for the stand-in, so that benchmarks can tell it from its own time.
    if (wire::Usage* usage = wire::SharedUsage()) {
        InterlockedIncrement64(&usage->serverCalls);
        InterlockedAdd64(&usage->serverTicks, end.QuadPart - start.QuadPart);
    }
    return result;
}

HRESULT AskShell(wire::Op op, HWND window, int32_t number) {
    // Replies are large; keep them off the caller's stack.
    auto reply = std::make_unique<wire::Reply>();
    return AskShell(op, window, number, *reply);
}

}  // namespace standin
