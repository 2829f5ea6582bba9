#include "capture/taskbar_buttons.h"

#include <commctrl.h>

#include <array>
#include <cstring>
#include <string>

#include "win32/text_conversion.h"

namespace capture {
namespace {

// One button description and a text area; a description in either layout fits at its start.
constexpr SIZE_T kRemoteBlockSize = 280;
// The toolbar writes TBBUTTON as its own process lays it out.
struct ButtonLayout {
    SIZE_T size;
    size_t dataOffset;
    size_t dataSize;
};
constexpr ButtonLayout k64BitButton{32, 16, 8};
constexpr ButtonLayout k32BitButton{20, 12, 4};

constexpr DWORD kMemoryAccess = PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE;
// What the title buffer and the class buffer hold, terminator included.
constexpr int kTitleRoom = 261;
constexpr int kClassRoom = 260;
// How long the shell is given to answer one message about its taskbar.
constexpr UINT kAnswerTimeoutMs = 1000;

HWND ToolbarOfTray(HWND tray) {
    HWND child = tray;
    for (const char* className : {"ReBarWindow32", "MSTaskSwWClass", "ToolbarWindow32"}) {
        child = FindWindowExA(child, nullptr, className, nullptr);
        if (!child) return nullptr;
    }
    return child;
}

BOOL CALLBACK FindTaskListProc(HWND child, LPARAM found) {
    char className[32] = {};
    if (GetClassNameA(child, className, sizeof className) <= 0 || lstrcmpA(className, "MSTaskListWClass") != 0) {
        return TRUE;
    }
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

// At any depth: the task list has stood under ReBarWindow32 > MSTaskSwWClass since Windows 7, but the
// taskbar's inner layout is nothing Windows promises.
bool HoldsTaskList(HWND tray) {
    bool found = false;
    EnumChildWindows(tray, FindTaskListProc, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool Is64BitProcess(HANDLE process) {
    BOOL underWow64 = FALSE;
#if defined(_WIN64)
    return !(IsWow64Process(process, &underWow64) && underWow64);
#else
    BOOL selfUnderWow64 = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &selfUnderWow64) || !selfUnderWow64) return false;
    return !(IsWow64Process(process, &underWow64) && underWow64);
#endif
}

HANDLE OpenShellProcess(HWND toolbar) {
    DWORD processId = 0;
    GetWindowThreadProcessId(toolbar, &processId);
    if (processId == 0) return nullptr;
    // The query right lets IsWow64Process tell the layout of the shell's button descriptions.
    return OpenProcess(kMemoryAccess | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
}

bool ReadExactly(HANDLE process, const void* address, void* buffer, SIZE_T size) {
    SIZE_T read = 0;
    return ReadProcessMemory(process, address, buffer, size, &read) && read == size;
}

template <int Room, typename Char, typename Reader>
std::basic_string<Char> WindowText(HWND window, Reader reader) {
    std::array<Char, Room> text{};
    const int length = reader(window, text.data(), Room);
    return std::basic_string<Char>(text.data(), length > 0 ? static_cast<size_t>(length) : 0);
}

}  // namespace

TaskbarFound FindTaskbar() {
    TaskbarFound found;
    HWND tray = nullptr;
    while ((tray = FindWindowExA(nullptr, tray, "Shell_TrayWnd", nullptr)) != nullptr) {
        if (HWND toolbar = ToolbarOfTray(tray)) return {TaskbarKind::kToolbar, toolbar};
        if (HoldsTaskList(tray)) found.kind = TaskbarKind::kTaskList;
    }
    return found;
}

TaskbarButtonReader::TaskbarButtonReader(HWND toolbar)
    : toolbar_(toolbar), process_(OpenShellProcess(toolbar)), block_(process_.get(), kRemoteBlockSize) {
    if (process_) shellIs64Bit_ = Is64BitProcess(process_.get());
}

std::optional<LRESULT> TaskbarButtonReader::Ask(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (timedOut_) return std::nullopt;
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutA(toolbar_, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                            &answer) == 0) {
        timedOut_ = true;
        return std::nullopt;
    }
    return static_cast<LRESULT>(answer);
}

int TaskbarButtonReader::ButtonCount() const {
    const LRESULT count = Ask(TB_BUTTONCOUNT, 0, 0).value_or(0);
    return count > 0 ? static_cast<int>(count) : 0;
}

TaskbarButton TaskbarButtonReader::Read(int index) const {
    TaskbarButton button;
    button.handle = ReadWindowHandle(index);
    if (button.handle == 0) return button;
    const HWND window = static_cast<HWND>(LongToHandle(static_cast<LONG>(button.handle)));
    // A value that is no window has neither title nor class (the text calls do not always say so).
    if (!IsWindow(window)) return button;
    // A folder's name may hold any character: read it wide, whatever the system's code page.
    button.title = win32::WideToUtf8(WindowText<kTitleRoom, wchar_t>(window, GetWindowTextW));
    button.className = WindowText<kClassRoom, char>(window, GetClassNameA);
    return button;
}

uint32_t TaskbarButtonReader::ReadWindowHandle(int index) const {
    if (!block_) return 0;
    if (!Ask(TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(block_.address())).value_or(0)) {
        return 0;
    }
    const ButtonLayout& layout = shellIs64Bit_ ? k64BitButton : k32BitButton;
    std::array<unsigned char, k64BitButton.size> description{};
    if (!ReadExactly(process_.get(), block_.address(), description.data(), layout.size)) return 0;

    uint64_t data = 0;
    std::memcpy(&data, description.data() + layout.dataOffset, layout.dataSize);
    if (data == 0) return 0;
    // The block behind the button's data starts with the window's handle; its low 32 bits are the handle.
    uint32_t handle = 0;
    const void* dataAddress = reinterpret_cast<const void*>(static_cast<uintptr_t>(data));
    if (!ReadExactly(process_.get(), dataAddress, &handle, sizeof handle)) return 0;
    return handle;
}

}  // namespace capture
