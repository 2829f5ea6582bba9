#include "server/shell_calls.h"

#include <memory>

namespace standin {

HRESULT AskShell(wire::Op op, HWND window, int32_t number, wire::Reply& reply) {
    return wire::Call(wire::MakeRequest(op, window, number), reply);
}

HRESULT AskShell(wire::Op op, HWND window, int32_t number) {
    // Replies are large; keep them off the caller's stack.
    auto reply = std::make_unique<wire::Reply>();
    return AskShell(op, window, number, *reply);
}

}  // namespace standin
