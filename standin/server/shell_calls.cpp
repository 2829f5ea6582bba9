#include "server/shell_calls.h"

#include <memory>

namespace standin {

HRESULT AskShell(wire::Op op, HWND window, int32_t number, wire::Reply& reply) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
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
