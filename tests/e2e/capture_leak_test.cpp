// A capture releases everything it takes: the handles of its own process (the shell's process, files),
// the block it commits inside the shell's process for every taskbar read, and the shell's objects,
// strings and variants. A hundred captures must leave all of it where it was.
#include "capture_steps.h"
#include "driver/process_resources.h"

namespace e2e {
namespace {

struct ProcessUsage {
    size_t handles = 0;
    size_t committedBytes = 0;
};

ProcessUsage UsageOf(DWORD processId) { return {KernelHandleCount(processId), CommittedPrivateBytes(processId)}; }

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
