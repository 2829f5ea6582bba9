// The peak working set of Pavorin.exe around a capture and a restore of 100 folder windows on the
// stand-in shell, read inside the program (Wine gives no other process's memory counters). The peak is a
// high-water mark, so each reading after a command holds that command's peak. For scale, the peak of
// this benchmark's own process at its start: what Wine itself takes for any program.
#include <windows.h>
#include <psapi.h>

#include <string>
#include <vector>

#include "bench_support.h"
#include "driver/pavorin_driver.h"

namespace {

constexpr int kWindows = 100;
constexpr double kMiB = 1024.0 * 1024.0;

// List 1, always overwrite, reports on (the restore's closing box marks its end), time-out 5 s.
constexpr char kSettings[] = "0\t1 1 0 -1 0 1 0 1 1 0 5000";

void Report(const char* when, const standin::ProgramCensus& census) {
    bench::Row("memory", when, "peak working set of Pavorin", static_cast<double>(census.memory.peakWorkingSet) / kMiB, "MiB");
    bench::Row("memory", when, "working set of Pavorin", static_cast<double>(census.memory.workingSet) / kMiB, "MiB");
}

e2e::MessageBoxWindow ClickAndAwaitReport(e2e::Pavorin& app, int button) {
    app.Control(button).PostClick();
    return app.WaitForMessageBox(std::chrono::minutes(3));
}

}  // namespace

int main() {
    try {
        PROCESS_MEMORY_COUNTERS own{};
        own.cb = sizeof own;
        GetProcessMemoryInfo(GetCurrentProcess(), &own, sizeof own);
        bench::Row("memory", "for scale", "peak working set of this benchmark at its start",
                   static_cast<double>(own.PeakWorkingSetSize) / kMiB, "MiB");

        standin::Shell shell;
        if (!shell.running()) throw e2e::DriverError("no stand-in shell");
        e2e::TestFolder folder;
        for (int i = 0; i < kWindows; ++i) {
            standin::WindowSpec spec;
            spec.kind = i % 2 ? standin::WindowKind::Explorer : standin::WindowKind::Folder;
            spec.path = folder.PathOf("folder " + std::to_string(i));
            spec.normal = RECT{20 + 4 * i, 20 + 3 * i, 660 + 4 * i, 500 + 3 * i};
            CreateDirectoryW(spec.path.c_str(), nullptr);
            if (!shell.Open(spec)) throw e2e::DriverError("the shell did not open window " + std::to_string(i));
        }
        folder.Write("Pavorin.ini", kSettings);
        e2e::Pavorin app(folder.Path());

        ClickAndAwaitReport(app, e2e::id::kCaptureButton).Press(IDOK);
        Report("after a capture of 100", bench::Census());

        for (HWND window : shell.ListedWindows()) shell.Close(window);
        const e2e::MessageBoxWindow report = ClickAndAwaitReport(app, e2e::id::kRestoreButton);
        if (shell.ListedWindows().size() != static_cast<size_t>(kWindows))
            throw e2e::DriverError("the restore reopened " + std::to_string(shell.ListedWindows().size()) + " windows");
        report.Press(IDOK);
        Report("after a restore of 100", bench::Census());
        app.CloseAndWaitForExit();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "memory bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
