// Restores of N = 1, 10 and 50 folders against the stand-in shell, for three ways of waiting for a new
// window: the program woken by the shell's DShellWindowsEvents (with a read every 100 ms beside them), the
// program against a shell that refuses the events, which then pauses a few milliseconds between two
// reads of the shell's window count, and the same program built to poll without pausing:
// - with a fixed launch latency: the wall time each window costs beyond that latency, the same beyond a
//   bare launch from the benchmark itself as well (what the shell alone needs to bring a window up; under
//   Wine mostly the start of the folder launcher's process), and the processor time of the program per
//   window; the delay from the moment the shell lists a new window to the program's next call into it
//   (median and 95th percentile); the calls per window and the measured cost of one, and what is left of
//   the wall time beyond the latency, the bare launch and those calls: the program's own overhead;
// - with launches that bring no window up, so that every record waits its whole time-out, less the same
//   restore with time-out 0: what the waits alone cost, as a share of one core for the program and for
//   the processes that answer its reads (under Wine each read is a round trip through the Wine server to
//   the shell's process), and the reads per second.
// Then the ratios of the two programs. Small cases take the median of a few runs.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "shell_steps.h"
#include "control/standin_control.h"
#include "driver/pavorin_driver.h"
#include "unix_process_times.h"

namespace {

constexpr DWORD kLaunchDelayMs = 200;
constexpr DWORD kWaitMs = 500;
constexpr int kRuns = 3;
constexpr int kFolderCounts[] = {1, 10, 50};

struct Program {
    const char* name;
    std::wstring exe;
    bool events;  // the shell offers its events (else it refuses them and the program polls)
};

// How the shell behaves and how long the program waits.
struct Setting {
    DWORD launchDelayMs = 0;
    bool launchesFail = false;
    DWORD timeoutMs = 0;
};

struct Measure {
    double wallMs = 0;
    double cpuMs = 0;       // the program
    double shellCpuMs = 0;  // the stand-in shell and the Wine server, which carries every call between them
    double reads = 0;       // the program's calls into the shell: reads of the window count, almost all
    double callMs = 0;      // the time the program spent in those calls
    std::vector<double> listingDelaysMs;  // per window: from its listing to the program's next call

    Measure operator-(const Measure& other) const {
        return {wallMs - other.wallMs, cpuMs - other.cpuMs, shellCpuMs - other.shellCpuMs, reads - other.reads,
                callMs - other.callMs, listingDelaysMs};
    }
};

double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1e3 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One restore of folderCount folders into an empty desktop, from the click to the closing report.
Measure RestoreOnce(const Program& program, int folderCount, const Setting& setting) {
    standin::Shell shell;
    standin::Faults faults;
    faults.launchesFail = setting.launchesFail;
    faults.refuseEvents = !program.events;
    if (!shell.running() || !shell.SetLaunchDelay(setting.launchDelayMs) || !shell.SetFaults(faults))
        throw e2e::DriverError("no stand-in shell");
    e2e::TestFolder folder;
    std::vector<e2e::ExpectedRecord> records(static_cast<size_t>(folderCount));
    for (int i = 0; i < folderCount; ++i) {
        records[i].path = folder.PathOf("folder " + std::to_string(i));
        CreateDirectoryW(records[i].path.c_str(), nullptr);
        records[i].normal = RECT{10 * i, 10 * i, 600 + 10 * i, 400 + 10 * i};
        records[i].urlLength = 2084;
    }
    folder.Write("lists1.txt", e2e::Utf16File(e2e::ListFileText("bench", records)));
    // List 1 and reporting on: the closing box marks the end of the command.
    folder.Write("Pavorin.ini", "0\t1 0 0 -1 0 1 0 -1 -1 0 " + std::to_string(setting.timeoutMs));

    SetEnvironmentVariableW(L"PAVORIN_EXE", program.exe.c_str());
    e2e::Pavorin app(folder.Path());
    const bench::UnixProcess pavorin = bench::UnixProcess::Running(e2e::Utf8(program.exe));
    const bench::UnixProcess shellSide[] = {pavorin.SiblingRunning("\\standin_shell.exe"),
                                            pavorin.SiblingRunning("/wineserver64")};
    const auto shellSideCpu = [&] { return shellSide[0].CpuMs() + shellSide[1].CpuMs(); };

    standin::Shell::ResetUsage();
    const Measure before{NowMs(), pavorin.CpuMs(), shellSideCpu(), 0, 0, {}};
    app.Control(e2e::id::kRestoreButton).PostClick();
    const e2e::MessageBoxWindow report = app.WaitForMessageBox(std::chrono::minutes(2));
    const standin::ServerUsage usage = standin::Shell::Usage();
    const Measure after{NowMs(),     pavorin.CpuMs(),       shellSideCpu(), static_cast<double>(usage.calls),
                        1e3 * usage.seconds, usage.listingDelaysMs};

    const size_t windows = setting.launchesFail ? 0 : static_cast<size_t>(folderCount);
    if (shell.Dump().size() != windows) throw e2e::DriverError("the restore ended with " + report.Describe());
    report.Press(IDOK);
    app.CloseAndWaitForExit();
    return after - before;
}

// The largest restore averages over its many windows already; the small ones take the median of a few.
Measure Median(const Program& program, int folderCount, const Setting& setting) {
    std::vector<Measure> runs;
    const int runCount = folderCount >= 50 ? 1 : kRuns;
    for (int run = 0; run < runCount; ++run) runs.push_back(RestoreOnce(program, folderCount, setting));
    std::sort(runs.begin(), runs.end(), [](const Measure& a, const Measure& b) { return a.wallMs < b.wallMs; });
    return runs[runs.size() / 2];
}

void Row(const std::string& onCase, const char* measure, double value, const char* unit) {
    std::printf("restore\t%s\t%s\t%.2f\t%s\n", onCase.c_str(), measure, value, unit);
}

// The value below which the share of the values lies (nearest rank).
double Percentile(std::vector<double> values, double share) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t rank = static_cast<size_t>(share * static_cast<double>(values.size()) + 0.999999);
    return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}

// What the waits alone cost.
struct WaitCost {
    double pavorinCpuShare = 0;  // of one core
    double shellCpuShare = 0;    // of one core
    double readsPerSecond = 0;
};

WaitCost MeasureProgram(const Program& program, int folderCount, double bareLaunchMs) {
    const std::string onCase = "N=" + std::to_string(folderCount) + " " + program.name;
    const Measure latency = Median(program, folderCount, {kLaunchDelayMs, false, 10 * kLaunchDelayMs});
    const double beyondLatencyMs = latency.wallMs / folderCount - kLaunchDelayMs;
    Row(onCase, "wall per window beyond the shell's latency", beyondLatencyMs, "ms");
    Row(onCase, "wall per window beyond the latency and a bare launch", beyondLatencyMs - bareLaunchMs, "ms");
    Row(onCase, "CPU of Pavorin per window", latency.cpuMs / folderCount, "ms");
    Row(onCase, "delay from the listing to the first call, median", Percentile(latency.listingDelaysMs, 0.5), "ms");
    Row(onCase, "delay from the listing to the first call, 95th percentile", Percentile(latency.listingDelaysMs, 0.95),
        "ms");
    const double callsPerWindow = latency.reads / folderCount;
    const double msPerCall = latency.callMs / std::max(latency.reads, 1.0);
    Row(onCase, "calls into the shell per window", callsPerWindow, "");
    Row(onCase, "cost of one call", msPerCall, "ms");
    Row(onCase, "overhead per window beyond the latency, a bare launch and calls x cost",
        beyondLatencyMs - bareLaunchMs - callsPerWindow * msPerCall, "ms");

    const Measure waits = Median(program, folderCount, {0, true, kWaitMs}) - Median(program, folderCount, {0, true, 0});
    const double waitedMs = static_cast<double>(folderCount) * kWaitMs;
    const WaitCost cost{waits.cpuMs / waitedMs, waits.shellCpuMs / waitedMs, 1e3 * waits.reads / waitedMs};
    Row(onCase, "CPU of Pavorin while waiting", 100 * cost.pavorinCpuShare, "% of a core");
    Row(onCase, "CPU of the shell and wineserver while waiting", 100 * cost.shellCpuShare, "% of a core");
    Row(onCase, "reads of the window count while waiting", cost.readsPerSecond, "per s");
    return cost;
}

// ShellExecuteW from the benchmark, with no latency set, until the new window is listed: the shell's own
// cost of bringing a folder window up, which every restored window pays whatever the program does.
double BareLaunchMs() {
    standin::Shell shell;
    if (!shell.running()) throw e2e::DriverError("no stand-in shell");
    e2e::TestFolder folder;
    const std::wstring path = folder.PathOf("bare launch");
    CreateDirectoryW(path.c_str(), nullptr);
    std::vector<double> runs;
    for (int run = 0; run < 5; ++run) {
        const size_t known = shell.ListedWindows().size();
        const double start = NowMs();
        ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWMINIMIZED);
        while (shell.ListedWindows().size() <= known) {
            if (NowMs() - start > 10000) throw e2e::DriverError("a bare launch brought no window up");
            Sleep(1);
        }
        runs.push_back(NowMs() - start);
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

double Ratio(double spinning, double pausing) { return spinning / std::max(pausing, 1e-3); }

}  // namespace

int main() {
    std::wstring spinningExe = L"Z:" + e2e::Wide(PAVORIN_SPIN_EXE_PATH);
    std::replace(spinningExe.begin(), spinningExe.end(), L'/', L'\\');
    const Program wokenProgram{"event-woken", e2e::PavorinExePath(), true};
    const Program pausingProgram{"pausing", e2e::PavorinExePath(), false};
    const Program spinningProgram{"spinning", spinningExe, false};
    try {
        const double bareLaunchMs = BareLaunchMs();
        Row("shell alone", "a bare launch: ShellExecuteW until the window is listed", bareLaunchMs, "ms");
        for (const int folderCount : kFolderCounts) {
            MeasureProgram(wokenProgram, folderCount, bareLaunchMs);
            const WaitCost pausing = MeasureProgram(pausingProgram, folderCount, bareLaunchMs);
            const WaitCost spinning = MeasureProgram(spinningProgram, folderCount, bareLaunchMs);
            const std::string onCase = "N=" + std::to_string(folderCount) + " spinning/pausing";
            Row(onCase, "CPU of Pavorin while waiting", Ratio(spinning.pavorinCpuShare, pausing.pavorinCpuShare), "x");
            Row(onCase, "CPU of Pavorin, the shell and wineserver while waiting",
                Ratio(spinning.pavorinCpuShare + spinning.shellCpuShare, pausing.pavorinCpuShare + pausing.shellCpuShare),
                "x");
            Row(onCase, "reads of the window count while waiting", Ratio(spinning.readsPerSecond, pausing.readsPerSecond),
                "x");
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "restore bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
