#include "control/shell_process.h"

#include <algorithm>

#include "protocol/channel_client.h"
#include "win32/unique_handle.h"

namespace standin {
namespace {

constexpr DWORD kPoliteStopMs = 1500;
constexpr DWORD kStartTimeoutMs = 10000;

// The build tells where it put the stand-in (a path of the build machine, reached through Wine's Z:
// drive); PAVORIN_STANDIN_DIR overrides it.
std::wstring BuildOutputDir() {
    std::wstring dir = L"Z:" STANDIN_BIN_DIR;
    std::replace(dir.begin(), dir.end(), L'/', L'\\');
    return dir;
}

}  // namespace

std::wstring StandInBinDir() {
    wchar_t overridden[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"PAVORIN_STANDIN_DIR", overridden, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(overridden) : BuildOutputDir();
}

void StopShellProcess() {
    HWND shell = wire::FindShell();
    if (!shell) return;
    DWORD processId = 0;
    GetWindowThreadProcessId(shell, &processId);
    win32::UniqueKernelHandle process(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId));
    PostMessageW(shell, WM_CLOSE, 0, 0);
    if (!process) return;
    // A shell busy with a hanging window, or left over from a crashed test, is ended by force.
    if (WaitForSingleObject(process.get(), kPoliteStopMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.get(), 1);
        WaitForSingleObject(process.get(), INFINITE);
    }
}

DWORD StartShellProcess() {
    StopShellProcess();
    std::wstring commandLine = L"\"" + StandInBinDir() + L"\\standin_shell.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        return 0;
    }
    win32::UniqueKernelHandle process(started.hProcess);
    win32::UniqueKernelHandle thread(started.hThread);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kStartTimeoutMs) {
        if (wire::ShellProcessId() == started.dwProcessId) return started.dwProcessId;
        if (WaitForSingleObject(process.get(), 2) == WAIT_OBJECT_0) return 0;
    }
    TerminateProcess(process.get(), 1);
    return 0;
}

}  // namespace standin
