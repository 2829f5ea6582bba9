// standin_ctl: the stand-in shell from the command line, for scripts/run's demo and for poking at it.
//   standin_ctl register                        write the registry keys into the Wine prefix
//   standin_ctl start | stop                    start (replacing any running shell) or stop the shell
//   standin_ctl open KIND PATH-OR-URL [LEFT TOP RIGHT BOTTOM [SHOWCMD [VIEWMODE]]]
//                                               KIND: folder, explorer, browser, app
//   standin_ctl delay MS                        the folder launch delay
//   standin_ctl windows xp | today              launch answers (33 or 42) and taskbar (a toolbar or a
//                                               task list) of XP and Vista, or of Windows 7 and later
//   standin_ctl events offer|refuse|silent      DShellWindowsEvents: fired, Advise refused, or never fired
//                                               (replaces every other fault)
//   standin_ctl demo                            start with three folder windows of both classes
//   standin_ctl dump                            one line per window
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "control/standin_control.h"

namespace {

using Arguments = std::vector<std::wstring>;

void PrintLine(const std::wstring& text) {
    const std::wstring line = text + L"\n";
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, utf8.data(), bytes, nullptr, nullptr);
    std::fputs(utf8.c_str(), stdout);
}

bool ParseKind(const std::wstring& name, standin::WindowKind& kind) {
    for (auto candidate : {standin::WindowKind::Folder, standin::WindowKind::Explorer, standin::WindowKind::Browser,
                           standin::WindowKind::OtherApp}) {
        if (name == standin::KindName(candidate)) {
            kind = candidate;
            return true;
        }
    }
    return false;
}

int Open(const Arguments& args) {
    standin::WindowSpec spec;
    if (args.size() < 3 || !ParseKind(args[1], spec.kind)) return 2;
    const bool isUrl = args[2].find(L"://") != std::wstring::npos || args[2].rfind(L"::", 0) == 0;
    (isUrl ? spec.url : spec.path) = args[2];
    if (args.size() >= 7) {
        spec.normal = RECT{std::stoi(args[3]), std::stoi(args[4]), std::stoi(args[5]), std::stoi(args[6])};
    }
    if (args.size() >= 8) spec.showCmd = std::stoi(args[7]);
    if (args.size() >= 9) spec.viewMode = std::stoi(args[8]);
    return standin::Shell::Attach().Open(spec) ? 0 : 1;
}

// Three folder windows of both classes, side by side above the taskbar, each in another view mode.
int Demo() {
    standin::Shell shell;
    shell.KeepRunning();
    if (!shell.running()) return 1;
    const struct {
        standin::WindowKind kind;
        const wchar_t* path;
        int viewMode;
        RECT normal;
    } windows[] = {
        {standin::WindowKind::Folder, L"C:\\windows", 4, {20, 20, 420, 380}},
        {standin::WindowKind::Explorer, L"C:\\windows\\system32", 3, {440, 20, 940, 380}},
        {standin::WindowKind::Folder, L"C:\\users\\Public", 1, {20, 400, 520, 700}},
    };
    for (const auto& window : windows) {
        standin::WindowSpec spec;
        spec.kind = window.kind;
        spec.path = window.path;
        spec.viewMode = window.viewMode;
        spec.normal = window.normal;
        if (!shell.Open(spec)) return 1;
    }
    return 0;
}

int Events(const std::wstring& mode) {
    standin::Faults faults;
    faults.refuseEvents = mode == L"refuse";
    faults.silentEvents = mode == L"silent";
    if (!faults.refuseEvents && !faults.silentEvents && mode != L"offer") return 2;
    return standin::Shell::Attach().SetFaults(faults) ? 0 : 1;
}

int Start() {
    standin::Shell shell;
    shell.KeepRunning();
    return shell.running() ? 0 : 1;
}

int Stop() {
    standin::Shell::Attach().Stop();
    return 0;
}

int Dump() {
    for (const standin::WindowState& state : standin::Shell::Attach().Dump()) PrintLine(standin::Describe(state));
    return 0;
}

int Run(const Arguments& args) {
    if (args.empty()) return 2;
    const std::wstring& command = args[0];
    if (command == L"register") return standin::RegisterStandIn() ? 0 : 1;
    if (command == L"start") return Start();
    if (command == L"stop") return Stop();
    if (command == L"open") return Open(args);
    if (command == L"delay" && args.size() == 2) {
        return standin::Shell::Attach().SetLaunchDelay(std::stoul(args[1])) ? 0 : 1;
    }
    if (command == L"windows" && args.size() == 2 && (args[1] == L"xp" || args[1] == L"today")) {
        const bool xp = args[1] == L"xp";
        return standin::Shell::Attach().SetFaults({.xpLaunchAnswer = xp, .toolbarTaskbar = xp}) ? 0 : 1;
    }
    if (command == L"events" && args.size() == 2) return Events(args[1]);
    if (command == L"demo") return Demo();
    if (command == L"dump") return Dump();
    return 2;
}

}  // namespace

int main() {
    int count = 0;
    LPWSTR* raw = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!raw) return 1;
    const Arguments args(raw + 1, raw + count);
    LocalFree(raw);
    const int result = Run(args);
    if (result == 2) PrintLine(L"usage: standin_ctl register|start|stop|open|delay|windows|events|demo|dump (see the source)");
    return result;
}
