#include "driver/pavorin_process.h"

#include "driver/text.h"

#ifndef PAVORIN_EXE_PATH
#define PAVORIN_EXE_PATH "Pavorin.exe"
#endif

namespace e2e {

namespace {

bool HasClass(HWND window, const wchar_t* name) {
    wchar_t actual[64] = {};
    GetClassNameW(window, actual, 64);
    return CompareStringOrdinal(actual, -1, name, -1, TRUE) == CSTR_EQUAL;
}

struct WindowSearch {
    DWORD processId;
    std::vector<Window> found;
};

BOOL CALLBACK CollectWindowOfProcess(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId) search.found.emplace_back(window);
    return TRUE;
}

// Every top-level window of the process, visible or not.
std::vector<Window> WindowsOfProcess(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(CollectWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A build path from the Linux side ("/work/build/...") is reached through Wine's drive Z:.
std::wstring AsWindowsPath(std::wstring path) {
    if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

}  // namespace

std::wstring PavorinExePath() {
    wchar_t fromEnvironment[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"PAVORIN_EXE", fromEnvironment, MAX_PATH) > 0) return AsWindowsPath(fromEnvironment);
    return AsWindowsPath(Wide(PAVORIN_EXE_PATH));
}

Pavorin::Pavorin(const std::wstring& currentDirectory, const StartOptions& options) {
    const std::wstring exe = PavorinExePath();
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!options.arguments.empty()) commandLine += L" " + options.arguments;
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
            if (HasClass(window.handle(), L"NORMAL0")) {
                if (window.IsVisible()) {
                    mainWindow_ = window;
                    return true;
                }
                hidden = window;
            }
            boxShown = boxShown || (HasClass(window.handle(), L"#32770") && window.IsVisible());
        }
        if (hidden && boxShown) mainWindow_ = hidden;
        return static_cast<bool>(mainWindow_);
    });
}

Pavorin::~Pavorin() { Terminate(); }

Window Pavorin::UpDown() const {
    const Window upDown(FindWindowExW(mainWindow_.handle(), nullptr, L"msctls_updown32", nullptr));
    if (!upDown) throw DriverError("the main window has no up-down control");
    return upDown;
}

std::vector<Window> Pavorin::TopLevelWindows() const {
    std::vector<Window> visible;
    for (const Window& window : WindowsOfProcess(processId_))
        if (window.IsVisible()) visible.push_back(window);
    return visible;
}

std::vector<MessageBoxWindow> Pavorin::MessageBoxes() const {
    std::vector<MessageBoxWindow> boxes;
    for (const Window& window : TopLevelWindows())
        if (HasClass(window.handle(), L"#32770")) boxes.emplace_back(window);
    return boxes;
}

MessageBoxWindow Pavorin::WaitForMessageBox(Duration patience) const {
    std::vector<MessageBoxWindow> boxes;
    WaitFor("a message box from " + Describe(), [&] {
        boxes = MessageBoxes();
        return !boxes.empty() || !IsRunning();
    }, patience);
    if (boxes.empty()) throw DriverError("no message box: " + Describe());
    return boxes.front();
}

std::vector<Window> Pavorin::Dialogs(std::string_view caption) const {
    std::vector<Window> dialogs;
    for (const Window& window : TopLevelWindows())
        if (HasClass(window.handle(), L"NORMALDLG") && window.Owner() == mainWindow_ &&
            (caption.empty() || window.Text() == caption))
            dialogs.push_back(window);
    return dialogs;
}

Window Pavorin::WaitForDialog(std::string_view caption) const {
    std::vector<Window> dialogs;
    WaitFor("the dialog \"" + std::string(caption) + "\" of " + Describe(), [&] {
        dialogs = Dialogs(caption);
        return !dialogs.empty() || !IsRunning();
    });
    if (dialogs.empty()) throw DriverError("no dialog: " + Describe());
    return dialogs.front();
}

bool Pavorin::IsRunning() const { return !ExitCode().has_value(); }

std::optional<DWORD> Pavorin::ExitCode() const {
    DWORD code = 0;
    if (!process_ || WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) return std::nullopt;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

std::optional<DWORD> Pavorin::WaitForExit(Duration patience) {
    if (!process_) return std::nullopt;
    if (WaitForSingleObject(process_.get(), static_cast<DWORD>(patience.count())) != WAIT_OBJECT_0) return std::nullopt;
    exitObserved_ = true;
    return ExitCode();
}

DWORD Pavorin::CloseAndWaitForExit(Duration patience) {
    if (IsRunning()) Close();
    const std::optional<DWORD> code = WaitForExit(patience);
    if (!code) throw DriverError(Describe() + " still runs " + std::to_string(patience.count()) + " ms after WM_CLOSE");
    return *code;
}

void Pavorin::Terminate() {
    if (!IsRunning()) return;
    TerminateProcess(process_.get(), 0xDEAD);
    WaitForSingleObject(process_.get(), static_cast<DWORD>(kPatience.count()));
}

std::string Pavorin::Describe() const { return "Pavorin (" + DescribeProcess(processId_) + ")"; }

}  // namespace e2e
