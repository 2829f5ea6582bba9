// A capture releases everything it takes: the handles of its own process (the shell's process, files),
// the block it commits inside the shell's process for every taskbar read, and the shell's objects,
// strings and variants. A hundred captures must leave all of it where it was.
#include <winternl.h>

#include <cstring>
#include <vector>

#include "capture_steps.h"

namespace e2e {
namespace {

// The system's handle table (SystemHandleInformation), one row per open handle of any process; the
// per-process counters of GetProcessHandleCount are not kept by Wine.
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

size_t HandleCountOf(DWORD processId) {
    std::vector<unsigned char> table(1 << 20);
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(kSystemHandleInformation, table.data(),
                                              static_cast<ULONG>(table.size()), nullptr)) == kInfoLengthMismatch) {
        table.resize(table.size() * 2);
    }
    if (status != 0) throw DriverError("the system's handle table cannot be read: " + Hex(status));
    ULONG rows = 0;
    std::memcpy(&rows, table.data(), sizeof rows);
    const auto* row = reinterpret_cast<const HandleRow*>(table.data() + sizeof(ULONG_PTR));
    size_t count = 0;
    for (ULONG i = 0; i < rows; ++i) count += row[i].processId == processId ? 1 : 0;
    return count;
}

// Private memory committed in the process (what a kept remote block adds to, a page at a time).
size_t CommittedBytesOf(DWORD processId) {
    const win32::UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
    if (!process) throw DriverError("cannot open process " + std::to_string(processId));
    size_t total = 0;
    MEMORY_BASIC_INFORMATION region;
    const char* address = nullptr;
    while (VirtualQueryEx(process.get(), address, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
        address = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    }
    return total;
}

struct ProcessUsage {
    size_t handles = 0;
    size_t committedBytes = 0;
};

ProcessUsage UsageOf(DWORD processId) { return {HandleCountOf(processId), CommittedBytesOf(processId)}; }

void PrintTo(const ProcessUsage& usage, std::ostream* out) {
    *out << usage.handles << " handles, " << usage.committedBytes << " bytes committed";
}

class CaptureLeaks : public CaptureScenario {
protected:
    void CaptureQuietly(int times) {
        for (int i = 0; i < times; ++i) Control(id::kCaptureButton).Click();
        app().Settle();
        ASSERT_TRUE(app().MessageBoxes().empty());
    }
};

TEST_F(CaptureLeaks, AHundredCapturesLeaveHandlesAndMemoryFlat) {
    OpenFolder(standin::WindowKind::Folder, L"C:\\one");
    OpenFolder(standin::WindowKind::Explorer, L"C:\\two");
    standin::WindowSpec page;
    page.kind = standin::WindowKind::Browser;
    page.url = L"http://example.invalid/";
    Open(page);

    StartWithList("1", "leak");
    Control(id::kReportResults).SetChecked(false);
    Control(id::kOverwriteMode).SelectComboItem(1);
    CaptureQuietly(5);  // the first captures load the shell's server and fill the caches
    const ProcessUsage programBefore = UsageOf(app().ProcessId());
    const ProcessUsage shellBefore = UsageOf(shell.processId());

    CaptureQuietly(100);

    const ProcessUsage programAfter = UsageOf(app().ProcessId());
    const ProcessUsage shellAfter = UsageOf(shell.processId());
    std::cout << "program: " << ::testing::PrintToString(programBefore) << " -> "
              << ::testing::PrintToString(programAfter) << "\nshell: " << ::testing::PrintToString(shellBefore)
              << " -> " << ::testing::PrintToString(shellAfter) << "\n";
    // One handle kept per capture (the shell's process, a file) would add a hundred.
    EXPECT_LE(programAfter.handles, programBefore.handles + 2);
    EXPECT_LE(shellAfter.handles, shellBefore.handles + 2);
    // Every remote block commits at least one page of 4 KiB in the shell: a hundred kept blocks would
    // add 400 KiB.
    EXPECT_LE(shellAfter.committedBytes, shellBefore.committedBytes + 64 * 1024);
    EXPECT_LE(programAfter.committedBytes, programBefore.committedBytes + 64 * 1024);
}

}  // namespace
}  // namespace e2e
