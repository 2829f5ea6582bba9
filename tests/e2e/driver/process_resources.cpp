#include "driver/process_resources.h"

#include <winternl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "driver/text.h"
#include "driver/wait.h"
#include "driver/window.h"
#include "win32/unique_handle.h"

namespace e2e {
namespace {

// One row of the system's handle table (SystemHandleInformation), for any process.
struct HandleRow {
    ULONG processId;
    UCHAR objectType, flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};

win32::UniqueKernelHandle OpenForQuery(DWORD processId) {
    win32::UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
    if (!process) throw DriverError("cannot open process " + std::to_string(processId));
    return process;
}

BOOL CALLBACK Collect(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

// Top-level and message-only windows of the process, and all their children.
size_t WindowsOwnedBy(DWORD processId) {
    std::vector<HWND> windows;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
    for (HWND window = nullptr; (window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr));)
        windows.push_back(window);
    for (size_t i = 0, topLevel = windows.size(); i < topLevel; ++i)
        EnumChildWindows(windows[i], Collect, reinterpret_cast<LPARAM>(&windows));
    return static_cast<size_t>(std::count_if(windows.begin(), windows.end(),
                                             [&](HWND window) { return Window(window).ProcessId() == processId; }));
}

}  // namespace

size_t KernelHandleCount(DWORD processId) {
    constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
    constexpr auto kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004);
    std::vector<unsigned char> table(1 << 20);
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(kSystemHandleInformation, table.data(),
                                              static_cast<ULONG>(table.size()), nullptr)) == kInfoLengthMismatch)
        table.resize(table.size() * 2);
    if (status != 0)
        throw DriverError("the system's handle table cannot be read: " + Hex(static_cast<uint32_t>(status)));
    const ULONG rows = *reinterpret_cast<const ULONG*>(table.data());
    const auto* row = reinterpret_cast<const HandleRow*>(table.data() + sizeof(ULONG_PTR));
    return static_cast<size_t>(
        std::count_if(row, row + rows, [&](const HandleRow& r) { return r.processId == processId; }));
}

size_t UserObjectCount(DWORD processId) {
    const DWORD reported = GetGuiResources(OpenForQuery(processId).get(), GR_USEROBJECTS);
    return reported > 0 ? reported : WindowsOwnedBy(processId);
}

size_t CommittedPrivateBytes(DWORD processId) {
    const win32::UniqueKernelHandle process = OpenForQuery(processId);
    size_t total = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* address = nullptr; VirtualQueryEx(process.get(), address, &region, sizeof region) == sizeof region;
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize)
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    return total;
}

}  // namespace e2e
