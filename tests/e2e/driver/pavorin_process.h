#pragma once
// One run of Pavorin.exe: started in a chosen current directory, watched until its main window is up,
// driven through its windows, closed, and its exit code collected. A run still alive when the object goes
// away is terminated. Crashes show as exit codes (0xC0000005): the Wine prefix has an empty AeDebug
// debugger, and the driver acts through posted messages.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/message_box.h"
#include "driver/wait.h"
#include "driver/window.h"
#include "win32/unique_handle.h"

namespace e2e {

// Where Pavorin.exe is: the environment variable PAVORIN_EXE when set, else the path of the build.
std::wstring PavorinExePath();

// How to start: the command line after the program name, and whether to wait for the main window at all (a run from the command line shows none: MainWindow() stays empty, boxes
// and the exit code tell).
struct StartOptions {
    std::wstring arguments;
    bool untilMainWindow = true;
};

class Pavorin {
public:
    // Starts the program with `currentDirectory` and waits until its main window (class NORMAL0) is up,
    // or a message box it shows while starting. Raises DriverError when it ends or hangs instead.
    explicit Pavorin(const std::wstring& currentDirectory, const StartOptions& options = {});
    ~Pavorin();
    Pavorin(const Pavorin&) = delete;
    Pavorin& operator=(const Pavorin&) = delete;

    DWORD ProcessId() const { return processId_; }
    Window MainWindow() const { return mainWindow_; }
    Window Control(int id) const { return mainWindow_.Control(id); }  // a control of the main window
    Window UpDown() const;  // the main window's up-down control (class msctls_updown32)

    // Waits until the program has handled everything posted to it so far.
    void Settle() const { SettleThreadOf(mainWindow_); }

    // Visible top-level windows of the process.
    std::vector<Window> TopLevelWindows() const;

    // Message boxes (class #32770) the program shows now, and waiting for one.
    std::vector<MessageBoxWindow> MessageBoxes() const;
    MessageBoxWindow WaitForMessageBox(Duration patience = kPatience) const;

    // The program's dialogs: visible top-level windows of class NORMALDLG owned by the main window,
    // optionally only those with the given caption.
    std::vector<Window> Dialogs(std::string_view caption = {}) const;
    Window WaitForDialog(std::string_view caption = {}) const;

    // Ending.
    void Close() const { mainWindow_.Post(WM_CLOSE); }  // WM_CLOSE to the main window, posted
    std::optional<DWORD> WaitForExit(Duration patience = kPatience);  // nullopt while it still runs
    DWORD CloseAndWaitForExit(Duration patience = kPatience);  // raises DriverError when it does not end
    bool IsRunning() const;
    std::optional<DWORD> ExitCode() const;  // nullopt while it runs
    bool ExitWasObserved() const { return exitObserved_; }
    void Terminate();

    std::string Describe() const;  // "Pavorin (process 42, ended with ...)"

private:
    win32::UniqueKernelHandle process_;
    DWORD processId_ = 0;
    Window mainWindow_;
    bool exitObserved_ = false;
};

}  // namespace e2e
