// The list preview of list files of 10, 100 and 1000 records, measured inside one process (the main
// window made the way the program makes it, as the unit tests do): the time from a change of the list
// number to the preview in place, what the lower text area alone takes to lay out the listing (the same
// text set into it again), what reading the list file through the line-input slot alone takes, and the
// processor time per change.
#include <windows.h>

#include <string>
#include <vector>

#include "bench_support.h"
#include "shell_steps.h"
#include "main_window_session.h"
#include "textio/list_file.h"
#include "ui/control_ids.h"
#include "ui/main_window_access.h"

namespace {

constexpr int kRecordCounts[] = {10, 100, 1000};
constexpr int kChanges = 40;

e2e::ExpectedRecord RecordNumber(int i) {
    e2e::ExpectedRecord record;
    record.path = L"C:\\bench\\フォルダ " + std::to_wstring(i);
    record.normal = RECT{10 + i, 20 + i, 810 + i, 620 + i};
    record.urlLength = record.path.size() + 8;
    record.viewMode = 1 + i % 8;
    record.classFlag = i % 2;
    return record;
}

// Two list numbers whose files hold `records` records each, so that every change reads a whole file.
void WriteLists(const TemporaryFolder& folder, int records, const std::string& first, const std::string& second) {
    std::vector<e2e::ExpectedRecord> list;
    for (int i = 0; i < records; ++i) list.push_back(RecordNumber(i));
    const std::string bytes = e2e::Utf16File(e2e::ListFileText("bench " + std::to_string(records), list));
    WriteWholeFile(folder.PathOf("lists" + first + ".txt"), bytes);
    WriteWholeFile(folder.PathOf("lists" + second + ".txt"), bytes);
}

double CpuMsOfThisProcess() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& time) {
        return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 1e4;
    };
    return ms(kernel) + ms(user);
}

template <typename Step>
double TimedMs(Step step) {
    const double start = bench::NowMs();
    step();
    return bench::NowMs() - start;
}

void Measure(const MainWindowSession& session, int records, const std::string& first, const std::string& second) {
    std::vector<double> changes, layouts, reads;
    const double cpuBefore = CpuMsOfThisProcess();
    for (int i = 0; i < kChanges; ++i) {
        changes.push_back(TimedMs([&] { session.SetText(control::kListNumber, i % 2 ? first : second); }));
    }
    const double cpuMs = (CpuMsOfThisProcess() - cpuBefore) / kChanges;
    const std::wstring shown = ControlTextW(control::kListText);
    if (shown.empty()) throw std::runtime_error("the preview showed nothing for " + std::to_string(records) + " records");
    for (int i = 0; i < kChanges; ++i) {
        SetControlTextW(control::kListText, L"");
        layouts.push_back(TimedMs([&] { SetControlTextW(control::kListText, shown); }));
    }
    std::wstring path;
    LocateListFile(path);
    for (int i = 0; i < kChanges; ++i) {
        reads.push_back(TimedMs([&] {
            if (ReadListFileW(path, MainWindow()).contents.records.size() != static_cast<size_t>(records))
                throw std::runtime_error("the list file of " + std::to_string(records) + " records read short");
        }));
    }

    const std::string onCase = std::to_string(records) + " records";
    bench::Row("preview", onCase, "per change of the list number", bench::SpreadOf(changes), "ms");
    bench::Row("preview", onCase, "the lower text area taking the listing, alone", bench::SpreadOf(layouts), "ms");
    bench::Row("preview", onCase, "reading the list file (line-input slot), alone", bench::SpreadOf(reads), "ms");
    bench::Row("preview", onCase, "CPU per change (mean; Wine counts in 10 ms steps)", cpuMs, "ms");
}

}  // namespace

int main() {
    try {
        const TemporaryFolder folder;
        std::vector<std::pair<std::string, std::string>> numbers;
        for (const int records : kRecordCounts) {
            const int first = static_cast<int>(numbers.size()) * 2 + 1;
            numbers.emplace_back(std::to_string(first), std::to_string(first + 1));
            WriteLists(folder, records, numbers.back().first, numbers.back().second);
        }
        const MainWindowSession session;
        for (size_t i = 0; i < numbers.size(); ++i) Measure(session, kRecordCounts[i], numbers[i].first, numbers[i].second);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "preview bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
