#pragma once
// The report after which the program ends: a system-modal box, then the table gives back every slot
// and the owner window is closed (for the main window that saves the settings and ends the loop).
// The routine that reported returns to its caller as usual.
#include <windows.h>

#include <string_view>

namespace textio {

void ReportFatal(HWND owner, std::string_view text, std::string_view caption, void (*releaseSlots)());

}  // namespace textio
