#include "driver/process_resources.h"

#include <winternl.h>

#include <cstring>
#include <string>
#include <vector>

#include "driver/text.h"
#include "driver/wait.h"
#include "win32/unique_handle.h"

namespace e2e {
namespace {

// One row of the system's handle table (SystemHandleInformation), for any process.
struct HandleRow {
    ULONG processId;
    UCHAR objectType;
    UCHAR flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};
constexpr SYSTEM_INFORMATION_CLASS kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004);

win32::UniqueKernelHandle OpenForQuery(DWORD processId, DWORD access) {
    win32::UniqueKernelHandle process(OpenProcess(access, FALSE, processId));
    if (!process) throw DriverError("cannot open process " + std::to_string(processId));
    return process;
}

struct WindowTally {
    DWORD processId;
    size_t count = 0;
};

BOOL CALLBACK TallyWindow(HWND window, LPARAM param) {
    auto& tally = *reinterpret_cast<WindowTally*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == tally.processId) ++tally.count;
    return TRUE;
}

BOOL CALLBACK TallyWindowAndChildren(HWND window, LPARAM param) {
    TallyWindow(window, param);
    EnumChildWindows(window, TallyWindow, param);
    return TRUE;
}

size_t WindowsOwnedBy(DWORD processId) {
    WindowTally tally{processId};
    EnumWindows(TallyWindowAndChildren, reinterpret_cast<LPARAM>(&tally));
    for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
         window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) {
        TallyWindowAndChildren(window, reinterpret_cast<LPARAM>(&tally));
    }
    return tally.count;
}

}  // namespace

size_t KernelHandleCount(DWORD processId) {
    std::vector<unsigned char> table(1 << 20);
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(kSystemHandleInformation, table.data(),
                                              static_cast<ULONG>(table.size()), nullptr)) == kInfoLengthMismatch) {
        table.resize(table.size() * 2);
    }
    if (status != 0) throw DriverError("the system's handle table cannot be read: " + Hex(static_cast<uint32_t>(status)));
    ULONG rows = 0;
    std::memcpy(&rows, table.data(), sizeof rows);
    const auto* row = reinterpret_cast<const HandleRow*>(table.data() + sizeof(ULONG_PTR));
    size_t count = 0;
    for (ULONG i = 0; i < rows; ++i) count += row[i].processId == processId ? 1 : 0;
    return count;
}

size_t UserObjectCount(DWORD processId) {
    const win32::UniqueKernelHandle process = OpenForQuery(processId, PROCESS_QUERY_INFORMATION);
    const DWORD reported = GetGuiResources(process.get(), GR_USEROBJECTS);
    return reported > 0 ? reported : WindowsOwnedBy(processId);
}

size_t CommittedPrivateBytes(DWORD processId) {
    const win32::UniqueKernelHandle process = OpenForQuery(processId, PROCESS_QUERY_INFORMATION);
    size_t total = 0;
    MEMORY_BASIC_INFORMATION region;
    const char* address = nullptr;
    while (VirtualQueryEx(process.get(), address, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
        address = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    }
    return total;
}

}  // namespace e2e
