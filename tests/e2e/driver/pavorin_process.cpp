#include "driver/pavorin_process.h"

#include <algorithm>

#include "driver/text.h"

namespace e2e {
namespace {

// Every top-level window of the process, visible or not.
std::vector<Window> WindowsOfProcess(DWORD processId) {
    std::vector<Window> windows;
    EnumWindows([](HWND window, LPARAM all) {
        reinterpret_cast<std::vector<Window>*>(all)->emplace_back(window);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&windows));
    std::erase_if(windows, [&](const Window& window) { return window.ProcessId() != processId; });
    return windows;
}

// A build path from the Linux side ("/work/build/...") is reached through Wine's drive Z:.
std::wstring AsWindowsPath(std::wstring path) {
    if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

template <typename Find>
auto FirstFound(const Pavorin& app, const std::string& what, const Find& find, Duration patience) {
    decltype(find()) found;
    const auto foundOrEnded = [&] { return !(found = find()).empty() || !app.IsRunning(); };
    WaitFor("a " + what + " of " + app.Describe(), foundOrEnded, patience);
    if (found.empty()) throw DriverError("no " + what + ": " + app.Describe());
    return found.front();
}

}  // namespace

std::wstring PavorinExePath() {
    wchar_t set[MAX_PATH] = {};
    return AsWindowsPath(GetEnvironmentVariableW(L"PAVORIN_EXE", set, MAX_PATH) > 0 ? set : Wide(PAVORIN_EXE_PATH));
}

Pavorin::Pavorin(const std::wstring& currentDirectory, const StartOptions& options) {
    const std::wstring exe = PavorinExePath();
    std::wstring commandLine =
        L"\"" + exe + L"\"" + (options.arguments.empty() ? L"" : L" " + options.arguments);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        currentDirectory.c_str(), &startup, &started))
        throw DriverError("cannot start " + Utf8(exe) + " (error " + std::to_string(GetLastError()) + ")");
    process_.reset(started.hProcess);
    CloseHandle(started.hThread);
    processId_ = started.dwProcessId;
    if (!options.untilMainWindow) return;

    // Up means: the main window is visible, or the program shows a message box while starting.
    WaitFor("the main window of " + Describe(), [&] {
        if (!IsRunning()) throw DriverError(Describe() + " before showing its main window");
        Window hidden;
        bool boxShown = false;
        for (const Window& window : WindowsOfProcess(processId_)) {
            if (HasClass(window.handle(), L"NORMAL0")) (window.IsVisible() ? mainWindow_ : hidden) = window;
            boxShown = boxShown || (HasClass(window.handle(), L"#32770") && window.IsVisible());
        }
        if (!mainWindow_ && boxShown) mainWindow_ = hidden;
        return static_cast<bool>(mainWindow_);
    });
}

Window Pavorin::UpDown() const {
    const Window upDown(FindWindowExW(mainWindow_.handle(), nullptr, L"msctls_updown32", nullptr));
    if (!upDown) throw DriverError("the main window has no up-down control");
    return upDown;
}

std::vector<Window> Pavorin::TopLevelWindows() const {
    std::vector<Window> visible = WindowsOfProcess(processId_);
    std::erase_if(visible, [](const Window& window) { return !window.IsVisible(); });
    return visible;
}

std::vector<MessageBoxWindow> Pavorin::MessageBoxes() const {
    std::vector<MessageBoxWindow> boxes;
    for (const Window& window : TopLevelWindows())
        if (HasClass(window.handle(), L"#32770")) boxes.emplace_back(window);
    return boxes;
}

MessageBoxWindow Pavorin::WaitForMessageBox(Duration patience) const {
    return FirstFound(*this, "message box", [&] { return MessageBoxes(); }, patience);
}

std::vector<Window> Pavorin::Dialogs(std::string_view caption) const {
    std::vector<Window> dialogs = TopLevelWindows();
    std::erase_if(dialogs, [&](const Window& window) {
        return !HasClass(window.handle(), L"NORMALDLG") || window.Owner() != mainWindow_ ||
               (!caption.empty() && window.Text() != caption);
    });
    return dialogs;
}

Window Pavorin::WaitForDialog(std::string_view caption) const {
    return FirstFound(*this, "dialog \"" + std::string(caption) + "\"", [&] { return Dialogs(caption); },
                      kPatience);
}

std::optional<DWORD> Pavorin::ExitCode() const {
    DWORD code = 0;
    if (!process_ || WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) return std::nullopt;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

std::optional<DWORD> Pavorin::WaitForExit(Duration patience) {
    if (process_) WaitForSingleObject(process_.get(), static_cast<DWORD>(patience.count()));
    const std::optional<DWORD> code = ExitCode();
    exitObserved_ = code.has_value();
    return code;
}

DWORD Pavorin::CloseAndWaitForExit(Duration patience) {
    if (IsRunning()) Close();
    const std::optional<DWORD> code = WaitForExit(patience);
    if (!code) throw DriverError(Describe() + " still runs " + std::to_string(patience.count()) + " ms after WM_CLOSE");
    return *code;
}

void Pavorin::Terminate() {
    if (IsRunning() && TerminateProcess(process_.get(), 0xDEAD))
        WaitForSingleObject(process_.get(), static_cast<DWORD>(kPatience.count()));
}

std::string Pavorin::Describe() const { return "Pavorin (" + DescribeProcess(processId_) + ")"; }

}  // namespace e2e
