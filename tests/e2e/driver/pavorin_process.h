#pragma once
// One run of Pavorin.exe, started in a chosen current directory and driven through its windows. A run
// still alive when the object goes away is terminated. Crashes show as exit codes (0xC0000005): the Wine
// prefix has an empty AeDebug debugger, and the driver acts through posted messages.
#include <optional>

#include "driver/message_box.h"
#include "driver/wait.h"
#include "driver/window.h"
#include "win32/unique_handle.h"

namespace e2e {

// The environment variable PAVORIN_EXE when set, else the program of this build.
std::wstring PavorinExePath();

// The command line after the program's name. A run from the command line shows no main window, so it is
// not waited for: MainWindow() stays empty, boxes and the exit code tell.
struct StartOptions {
    std::wstring arguments;
    bool untilMainWindow = true;
};

class Pavorin {
public:
    // Waits until the main window (class NORMAL0) is up, or a message box the program shows while
    // starting. Raises DriverError when it ends or hangs instead.
    explicit Pavorin(const std::wstring& currentDirectory, const StartOptions& options = {});
    ~Pavorin() { Terminate(); }

    DWORD ProcessId() const { return processId_; }
    Window MainWindow() const { return mainWindow_; }
    Window Control(int id) const { return mainWindow_.Control(id); }
    Window UpDown() const;  // the main window's up-down control (class msctls_updown32)
    void Settle() const { SettleThreadOf(mainWindow_); }  // until everything posted so far is handled

    std::vector<Window> TopLevelWindows() const;  // the visible ones
    std::vector<MessageBoxWindow> MessageBoxes() const;
    MessageBoxWindow WaitForMessageBox(Duration patience = kPatience) const;
    // Visible NORMALDLG windows owned by the main window, with the given caption unless it is empty.
    std::vector<Window> Dialogs(std::string_view caption = {}) const;
    Window WaitForDialog(std::string_view caption = {}) const;

    void Close() const { mainWindow_.Post(WM_CLOSE); }
    std::optional<DWORD> WaitForExit(Duration patience = kPatience);  // nullopt while it still runs
    DWORD CloseAndWaitForExit(Duration patience = kPatience);  // raises DriverError when it does not end
    bool IsRunning() const { return !ExitCode(); }
    void Terminate();
    std::string Describe() const;  // "Pavorin (process 42, ended with 0xC0000005 (access violation))"

private:
    friend class PavorinScenario;  // fails a scenario whose program ended with a code nobody looked at
    std::optional<DWORD> ExitCode() const;  // nullopt while it runs
    win32::UniqueKernelHandle process_;
    DWORD processId_ = 0;
    Window mainWindow_;
    bool exitObserved_ = false;
};

}  // namespace e2e
