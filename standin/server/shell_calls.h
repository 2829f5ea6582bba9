#pragma once
// The COM server's requests to the shell process, one exchange each.
#include <windows.h>

#include <string>

#include "protocol/channel_client.h"

namespace standin {

// An exchange about one window (or none), with an optional number; the reply lands in reply.
HRESULT AskShell(wire::Op op, HWND window, int32_t number, wire::Reply& reply);
HRESULT AskShell(wire::Op op, HWND window, int32_t number = 0);

}  // namespace standin
