#include "dialogs/options_dialog.h"

#include <cstring>

#include "dialogs/center_on_screen.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/dialog_window.h"
#include "dialogs/options_dialog_fields.h"
#include "ui/control_ids.h"

namespace {

constexpr SIZE kOuterSize{460, 184};

// The dialog ends its nested loop with a quit message of its own, queued like any posted message: the
// thread's single quit flag (PostQuitMessage) would merge with the program's own quit when the main
// window is closed right behind OK. A quit that arrives without the dialog's (the main window was
// destroyed underneath) must reach the main loop too, or the program would wait for ever with no window.
bool dialogPostedQuit = false;

void CloseOptionsDialog(HWND dialog, int code) {
    EnableWindow(GetWindow(dialog, GW_OWNER), TRUE);
    DestroyWindow(dialog);
    dialogPostedQuit = true;
    PostMessageW(nullptr, WM_QUIT, static_cast<WPARAM>(code), 0);
}

void OnInitDialog(HWND dialog) {
    CreateOptionsDialogControls(dialog);
    LoadOptionsIntoDialog(dialog);
    CenterOnScreen(dialog);
}

void OnCommand(HWND dialog, WPARAM wParam) {
    // Escape reaches here as IDCANCEL from the dialog filter and, like every other command, does nothing.
    if (IsClickOn(wParam, control::kOk)) CloseOptionsDialog(dialog, StoreOptionsFromDialog(dialog));
    else if (IsClickOn(wParam, control::kDefaults)) ResetOptionsToDefaults(dialog);
    else if (IsClickOn(wParam, control::kDuplicatePathMode)) UpdateTimeoutLook(dialog);
}

LRESULT CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: OnInitDialog(dialog); return 0;
        case WM_COMMAND: OnCommand(dialog, wParam); return 0;
        case WM_CLOSE: CloseOptionsDialog(dialog, 0); return 0;  // the options stay as they were
        case WM_DESTROY: return 0;
        default: return DefWindowProcW(dialog, message, wParam, lParam);
    }
}

// Serves every window of the thread (the version dialog stays usable) until a quit message arrives.
int RunModalLoop(HWND dialog) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (message.message != WM_QUIT) return 0;
    const int code = static_cast<int>(message.wParam);
    if (!dialogPostedQuit) PostQuitMessage(code);
    return code;
}

}  // namespace

int OpenOptionsDialog(HWND owner, const char* dialogName) {
    if (std::strcmp(dialogName, "OptionDlg") != 0) return 0;
    dialogPostedQuit = false;
    const HWND dialog = CreateDialogWindow(owner, dialog_text::kOptionsTitle, kOuterSize, OptionsDialogProc);
    if (!dialog) return 0;  // nothing to wait for, and the owner was never disabled
    ShowWindow(dialog, SW_SHOW);
    EnableWindow(owner, FALSE);
    return RunModalLoop(dialog);
}
