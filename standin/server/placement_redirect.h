#pragma once
// Wine cannot read or set the placement of another process's window. Once this server is loaded, calls
// of GetWindowPlacement and SetWindowPlacement on the stand-in shell's windows are carried out by the
// shell process, which owns them; every other window goes to user32 as before.
namespace standin {

// Idempotent; covers the modules loaded so far (call again to cover later ones).
void RedirectPlacementCalls();

}  // namespace standin
