// Captures of N = 1, 10, 50 and 100 folder windows on the stand-in shell (no launch latency involved):
// the wall time from the click to the written list file, the part of it the program spent waiting for the
// stand-in shell (its COM server keeps the count), the rest as the program's own time, and the program's
// processor time; each also per window, so that linear growth shows.
#include <windows.h>

#include <string>
#include <vector>

#include "bench_support.h"
#include "driver/pavorin_driver.h"

namespace {

constexpr int kWindowCounts[] = {1, 10, 50, 100};
constexpr int kWarmUps = 2;
constexpr int kRuns = 15;

// List 1, always overwrite (the warm-ups leave the file), reporting off (no closing box to wait for).
constexpr char kSettings[] = "0\t1 1 0 0 0 1 0 1 1 0 500";

// Waits, without polling, until the file has the given size: the directory's change notification wakes
// the wait at every change of a size in the folder.
class FileWatch {
public:
    explicit FileWatch(const std::wstring& folder)
        : change_(FindFirstChangeNotificationW(folder.c_str(), FALSE,
                                               FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_FILE_NAME)) {
        if (change_ == INVALID_HANDLE_VALUE) throw e2e::DriverError("cannot watch the program's folder");
    }
    ~FileWatch() { FindCloseChangeNotification(change_); }
    FileWatch(const FileWatch&) = delete;
    FileWatch& operator=(const FileWatch&) = delete;

    void WaitForSize(const std::wstring& file, long long size) const {
        while (bench::FileSize(file) != size) {
            if (WaitForSingleObject(change_, 30000) != WAIT_OBJECT_0)
                throw e2e::DriverError("the list file was not written within 30 s");
            FindNextChangeNotification(change_);
        }
    }

private:
    HANDLE change_;
};

struct Run {
    double wallMs = 0;
    double shellMs = 0;
};

class CaptureBench {
public:
    explicit CaptureBench(int windows) : windows_(windows) {
        // The older toolbar taskbar: its buttons are read too, the costlier capture.
        if (!shell_.running() || !shell_.SetFaults({.toolbarTaskbar = true})) {
            throw e2e::DriverError("no stand-in shell");
        }
        for (int i = 0; i < windows; ++i) {
            standin::WindowSpec spec;
            spec.kind = i % 2 ? standin::WindowKind::Explorer : standin::WindowKind::Folder;
            spec.path = L"C:\\bench\\folder " + std::to_wstring(i);
            spec.normal = RECT{20 + i, 20 + i, 660 + i, 500 + i};
            if (!shell_.Open(spec)) throw e2e::DriverError("the shell did not open window " + std::to_string(i));
        }
        folder_.Write("Pavorin.ini", kSettings);
        app_ = std::make_unique<e2e::Pavorin>(folder_.Path());
        for (int i = 0; i < kWarmUps; ++i) {
            app_->Control(e2e::id::kCaptureButton).Click();
            app_->Settle();
            for (const e2e::MessageBoxWindow& box : app_->MessageBoxes())
                throw e2e::DriverError("the warm-up capture showed a message box: " + box.Describe());
        }
        listSize_ = bench::FileSize(ListPath());
        if (listSize_ <= 0) throw e2e::DriverError("the warm-up capture wrote no list file");
    }

    void Measure() {
        std::vector<double> wall, own;
        double shellMs = 0;
        const standin::ProgramCensus before = bench::Census();
        for (int i = 0; i < kRuns; ++i) {
            const Run run = Once();
            wall.push_back(run.wallMs);
            own.push_back(run.wallMs - run.shellMs);
            shellMs += run.shellMs;
        }
        const double cpuMs = 1e3 * (bench::Census().cpuSeconds - before.cpuSeconds) / kRuns;

        const std::string onCase = "N=" + std::to_string(windows_);
        bench::Row("capture", onCase, "wall, click to list file written", bench::SpreadOf(wall), "ms");
        bench::Row("capture", onCase, "of which waiting for the stand-in shell", shellMs / kRuns, "ms");
        const bench::Spread ownSpread = bench::SpreadOf(own);
        bench::Row("capture", onCase, "program's own time", ownSpread, "ms");
        bench::Row("capture", onCase, "program's own time per window", ownSpread.median / windows_, "ms");
        bench::Row("capture", onCase, "CPU of Pavorin per capture (mean; Wine counts in 10 ms steps)", cpuMs, "ms");
        bench::Row("capture", onCase, "CPU of Pavorin per window", cpuMs / windows_, "ms");
    }

private:
    std::wstring ListPath() const { return folder_.PathOf("lists1.txt"); }

    Run Once() {
        // A fresh file each time: the capture then creates it, and its full size marks the end.
        DeleteFileW(ListPath().c_str());
        const FileWatch watch(folder_.Path());
        standin::Shell::ResetUsage();
        const double start = bench::NowMs();
        app_->Control(e2e::id::kCaptureButton).PostClick();
        watch.WaitForSize(ListPath(), listSize_);
        const double written = bench::NowMs();
        app_->Settle();
        for (const e2e::MessageBoxWindow& box : app_->MessageBoxes())
            throw e2e::DriverError("the capture showed a message box: " + box.Describe());
        return {written - start, 1e3 * standin::Shell::Usage().seconds};
    }

    int windows_;
    standin::Shell shell_;
    e2e::TestFolder folder_;
    std::unique_ptr<e2e::Pavorin> app_;
    long long listSize_ = 0;
};

}  // namespace

int main() {
    try {
        for (const int windows : kWindowCounts) CaptureBench(windows).Measure();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "capture bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
