#pragma once
// The client side of the exchange with the stand-in shell (see wire.h).
#include <windows.h>

#include "protocol/wire.h"

namespace standin::wire {

// The running shell's control window, or nullptr when no shell runs.
HWND FindShell();
DWORD ShellProcessId();

// Sends one request and fills reply. Returns the reply's result, or CO_E_SERVER_EXEC_FAILURE when no
// shell answers (none runs, or it did not answer in time).
HRESULT Call(const Request& request, Reply& reply);

// The usage block of the shared section, or nullptr when it cannot be mapped.
Usage* SharedUsage();

// A zero-filled request for op, for callers that set a field or two.
Request MakeRequest(Op op, HWND window = nullptr, int32_t number = 0);

}  // namespace standin::wire
