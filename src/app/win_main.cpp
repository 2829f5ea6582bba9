#include <windows.h>
#include <commctrl.h>

#include "app/command_line_run.h"
#include "app/main_window.h"
#include "app/window_classes.h"
#include "ui/ui_resources.h"

namespace {

// Only the up-down control is used; registering the other common classes as well costs nothing.
void InitCommonControlClasses() {
    constexpr DWORD kClasses = ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                               ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS | ICC_HOTKEY_CLASS | ICC_ANIMATE_CLASS;
    static_assert(kClasses == 0xFF && sizeof(INITCOMMONCONTROLSEX) == 8);
    INITCOMMONCONTROLSEX controls{sizeof(controls), kClasses};
    InitCommonControlsEx(&controls);
}

void RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (const std::optional<int> exitCode = RunCommandLine()) ExitProcess(static_cast<UINT>(*exitCode));
    InitCommonControlClasses();
    CreateUiResources();
    RegisterDialogWindowClass(instance);
    FixSettingsPath();
    MakeFieldSeparator();
    RegisterMainWindowClass(instance);
    if (!CreateMainWindow(instance)) {
        // Without a window nothing could ever end the message loop.
        ReleaseUiResources();
        ExitProcess(1);
    }
    ReadScreenSize();
    RunMessageLoop();
    ExitProcess(0);
}
