#include "app/main_window.h"

#include "app/desktop_shortcut.h"
#include "app/main_window_controls.h"
#include "app/restore_session.h"
#include "app/settings_file.h"
#include "app/window_classes.h"
#include "capture/capture_command.h"
#include "dialogs/options_dialog.h"
#include "dialogs/version_dialog.h"
#include "textio/list_preview.h"
#include "ui/control_ids.h"
#include "ui/main_window_access.h"
#include "ui/ui_resources.h"
#include "win32/text_conversion.h"
#include "win32/unique_handle.h"

namespace {

constexpr int kProgramIconId = 101;

// The large bold digits of the list-number box; kept until the window and its controls are gone.
win32::UniqueFont listFont;

void EnableTitleBox() { SendDlgItemMessageW(MainWindow(), control::kListTitle, WM_ENABLE, TRUE, 0); }
void DisableTitleBox() { SendDlgItemMessageW(MainWindow(), control::kListTitle, WM_ENABLE, FALSE, 0); }

// Modal: returns once the dialog has closed; the push-like check box then looks released again.
void ShowOptions() {
    OpenOptionsDialog(MainWindow(), "OptionDlg");
    SendDlgItemMessageW(MainWindow(), control::kOptionsButton, BM_SETCHECK, BST_UNCHECKED, 0);
}

// Modeless: the face button stays disabled while the dialog is open, which enables it again on closing.
// A dialog that could not be made must not leave the button dead for the rest of the run.
void ShowVersion() {
    if (OpenVersionDialog(MainWindow(), "VersionDlg")) EnableWindow(GetDlgItem(MainWindow(), control::kFaceButton), FALSE);
}

struct CommandRoute {
    int controlId;
    WORD notification;
    void (*action)();
};

constexpr CommandRoute kCommandRoutes[] = {
    {control::kCaptureButton, BN_CLICKED, CaptureWindows},
    {control::kRestoreButton, BN_CLICKED, OnRestoreButton},
    {control::kListTitle, EN_SETFOCUS, EnableTitleBox},
    {control::kListTitle, EN_KILLFOCUS, DisableTitleBox},
    {control::kListNumber, EN_CHANGE, ShowListPreview},
    {control::kOptionsButton, BN_CLICKED, ShowOptions},
    {control::kFaceButton, BN_CLICKED, ShowVersion},
};

void OnCreate(HWND window) {
    SetMainWindow(window);
    CreateMainWindowControls(window);
    SendDlgItemMessageW(window, control::kReportResults, BM_SETCHECK, BST_CHECKED, 0);
    const Settings settings = SettingsFileExists() ? LoadSettings() : Settings{};
    listFont.reset(CreateProgramFont(28, FW_BOLD, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                     DEFAULT_QUALITY, FIXED_PITCH));
    SendDlgItemMessageW(window, control::kListNumber, WM_SETFONT, reinterpret_cast<WPARAM>(listFont.get()), 0);
    SendDlgItemMessageW(window, control::kListNumber, EM_LIMITTEXT, 3, 0);
    // Raises EN_CHANGE: the preview of the chosen list runs before the window is first shown.
    SetDlgItemTextW(window, control::kListNumber,
                    win32::BytesToWide(settings.listNumber, win32::kSettingsCodePage).c_str());
    FillComboBoxes(window, settings.overwriteMode, settings.showStateMode);
    AddShortcutMenuItem(window);
}

// During a restore only its stop gets through: a message posted straight to a disabled control still
// arrives here, and nothing may start inside the restore.
void OnCommand(WPARAM wParam) {
    const int controlId = LOWORD(wParam);
    const WORD notification = HIWORD(wParam);
    if (RestoreRunning() && (controlId != control::kRestoreButton || notification != BN_CLICKED)) return;
    for (const CommandRoute& route : kCommandRoutes) {
        if (route.controlId == controlId && route.notification == notification) route.action();
    }
}

// The command ids of the system's own items keep their low four bits for the system. Nothing starts
// inside a restore.
bool OnSystemCommand(WPARAM wParam) {
    if ((wParam & 0xFFF0) != kCreateShortcutCommand) return false;
    if (!RestoreRunning()) CreateDesktopShortcut();
    return true;
}

// A close during a restore waits for the restore to stop.
void OnClose(HWND window) {
    if (RestoreRunning()) {
        CloseAfterRestore();
        return;
    }
    DestroyWindow(window);
}

void OnDestroy() {
    if (SettingsFileExists() || IsControlChecked(control::kSaveState)) SaveSettings();
    ReleaseUiResources();
    PostQuitMessage(0);
}

// The controls are gone by now, so nothing draws with the list font any more.
void OnFinalDestroy() {
    listFont.reset();
    SetMainWindow(nullptr);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: OnCreate(window); return 0;
        case WM_COMMAND: OnCommand(wParam); return 0;
        case WM_SYSCOMMAND:
            if (OnSystemCommand(wParam)) return 0;
            break;
        case WM_CLOSE: OnClose(window); return 0;
        case WM_DESTROY: OnDestroy(); return 0;
        case WM_NCDESTROY: OnFinalDestroy(); break;
        default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void RegisterMainWindowClass(HINSTANCE instance) {
    const HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(kProgramIconId));
    const HICON smallIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON,
                                                          GetSystemMetrics(SM_CXSMICON),
                                                          GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    RegisterProgramWindowClass(instance, L"NORMAL0", MainWindowProc, icon, smallIcon);
}

HWND CreateMainWindow(HINSTANCE instance) {
    constexpr DWORD kStyle = WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    static_assert(kStyle == 0x10C80000);
    return CreateWindowExW(0, L"NORMAL0", L"Pavorin", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 460, 510, nullptr, nullptr,
                           instance, nullptr);
}

