#include "app/restore_session.h"

#include <windows.h>

#include <string>
#include <vector>

#include "restore/restore_command.h"
#include "restore/restore_progress.h"
#include "ui/control_ids.h"
#include "ui/main_window_access.h"

namespace {

bool InMainWindow(HWND window) { return window == MainWindow() || IsChild(MainWindow(), window); }

bool IsEscapeDown(const MSG& message) {
    return (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && message.wParam == VK_ESCAPE;
}

void SetRestoreButtonText(const wchar_t* text) { SetDlgItemTextW(MainWindow(), control::kRestoreButton, text); }

class MainWindowRestore final : public RestoreProgress {
public:
    void RecordLoopStarted(int32_t total) override {
        inRecordLoop = true;
        SetRestoreButtonText(L"中止");
        ShowProgress(0, total);
    }
    void RecordsHandled(int32_t handled, int32_t total) override { ShowProgress(handled, total); }
    // The progress stays up through the closing boxes; the command's end puts the title back.
    void CommandEnded() {
        if (!inRecordLoop) return;
        inRecordLoop = false;
        SetRestoreButtonText(L"ウィンドウを反映");
        SetCaptionText(ControlTextW(control::kListTitle));
    }
    bool StopRequested() override { return stopRequested || closeRequested; }
    bool ReportWanted() override { return !closeRequested; }
    bool TakeMessage(const MSG& message) override {
        if (!inRecordLoop || !IsEscapeDown(message) || !InMainWindow(message.hwnd)) return false;
        stopRequested = true;
        return true;
    }

    bool inRecordLoop = false;  // from the loop's start to the command's end
    bool stopRequested = false;
    bool closeRequested = false;

private:
    static void ShowProgress(int32_t handled, int32_t total) {
        const std::wstring caption =
            L"Pavorin - 反映中 " + std::to_wstring(handled) + L"/" + std::to_wstring(total);
        SetWindowTextW(MainWindow(), caption.c_str());
    }
};

MainWindowRestore* running = nullptr;

// Every control of the main window but 1001 is disabled for the command's life; those it disabled are
// enabled again, and the focus goes back where it was, on every way out.
class ControlsLocked {
public:
    ControlsLocked() {
        const HWND restoreButton = GetDlgItem(MainWindow(), control::kRestoreButton);
        focus_ = GetFocus();
        for (HWND child = GetWindow(MainWindow(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (child == restoreButton || !IsWindowEnabled(child)) continue;
            EnableWindow(child, FALSE);
            disabled_.push_back(child);
        }
        // The only control left takes the keys, so Space and Esc reach the stop.
        if (InMainWindow(focus_)) SetFocus(restoreButton);
    }
    ~ControlsLocked() {
        for (HWND child : disabled_) {
            if (IsWindow(child)) EnableWindow(child, TRUE);
        }
        if (focus_ && IsWindow(focus_) && IsWindowEnabled(focus_) && InMainWindow(GetFocus())) SetFocus(focus_);
    }
    ControlsLocked(const ControlsLocked&) = delete;
    ControlsLocked& operator=(const ControlsLocked&) = delete;

private:
    HWND focus_ = nullptr;
    std::vector<HWND> disabled_;
};

void RunRestoreSession() {
    MainWindowRestore restore;
    running = &restore;
    {
        const ControlsLocked locked;
        RestoreWindows(restore);
        restore.CommandEnded();
    }
    running = nullptr;
    if (restore.closeRequested) PostMessageW(MainWindow(), WM_CLOSE, 0, 0);
}

}  // namespace

void OnRestoreButton() {
    if (!running) {
        RunRestoreSession();
    } else if (running->inRecordLoop) {
        running->stopRequested = true;
    }
}

bool RestoreRunning() { return running != nullptr; }

void CloseAfterRestore() {
    if (running) running->closeRequested = true;
}
