#include "restore/folder_windows.h"

#include <string_view>

#include "restore/message_pump.h"

namespace {
constexpr int kClassNameRoom = 260;
// A folder window that does not answer its close request within this time is left alone.
constexpr UINT kCloseAnswerTimeoutMs = 2000;
// How long a closing window is given to disappear before the next one is asked.
constexpr DWORD kCloseWaitMs = 1000;
constexpr DWORD kCloseWaitStepMs = 5;

std::string_view ClassNameOf(HWND window, char (&buffer)[kClassNameRoom + 1]) {
    const int length = GetClassNameA(window, buffer, kClassNameRoom);
    return std::string_view(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

bool IsFolderWindowClass(std::string_view className) {
    return className == "CabinetWClass" || className == "ExploreWClass";
}

// The program's own messages keep flowing meanwhile.
void WaitUntilGone(HWND window) {
    MessagePump pump;
    const DWORD start = GetTickCount();
    while (IsWindow(window) && GetTickCount() - start < kCloseWaitMs) pump.Rest(kCloseWaitStepMs);
}
}  // namespace

BOOL CALLBACK CountFolderWindowsProc(HWND window, LPARAM counts) {
    FolderWindowCounts& found = *reinterpret_cast<FolderWindowCounts*>(counts);
    char buffer[kClassNameRoom + 1] = {};
    const std::string_view className = ClassNameOf(window, buffer);
    if (IsFolderWindowClass(className)) ++found.folderWindowCount;
    if (className == "IEFrame") ++found.browserFrameCount;
    return TRUE;
}

// The request is bounded, and so is the wait for the window to go: a folder window that never answers
// or never closes cannot hold the program.
BOOL CALLBACK CloseFolderWindowsProc(HWND window, LPARAM) {
    char buffer[kClassNameRoom + 1] = {};
    if (!IsFolderWindowClass(ClassNameOf(window, buffer))) return TRUE;
    DWORD_PTR answer = 0;
    const LRESULT answered = SendMessageTimeoutA(window, WM_SYSCOMMAND, SC_CLOSE, 0,
                                                 SMTO_NORMAL | SMTO_ABORTIFHUNG, kCloseAnswerTimeoutMs, &answer);
    if (answered != 0) WaitUntilGone(window);
    return TRUE;
}

FolderWindowCounts CountFolderWindows() {
    FolderWindowCounts counts;
    EnumWindows(CountFolderWindowsProc, reinterpret_cast<LPARAM>(&counts));
    return counts;
}

void CloseFolderWindows() { EnumWindows(CloseFolderWindowsProc, 0); }
