#include "textio/fatal_report.h"

#include "win32/message_box.h"

namespace textio {

void ReportFatal(HWND owner, std::string_view text, std::string_view caption, void (*releaseSlots)()) {
    win32::ShowMessageBox(owner, text, caption, MB_SYSTEMMODAL);
    releaseSlots();
    SendMessageW(owner, WM_CLOSE, 0, 0);
}

}  // namespace textio
