#pragma once
// DShellWindowsEvents as the shell fires them: every listener a client advised gets a posted message when
// a window joins the shell window list and when one leaves it, from this process, as a real shell's
// events reach a client's apartment from outside.
#include <windows.h>

namespace standin {

// dispid: DISPID_WINDOWREGISTERED or DISPID_WINDOWREVOKED.
void FireWindowEvent(int dispid, HWND window);

}  // namespace standin
