#pragma once
// What the benchmarks share: a clock, medians with the spread of the runs, the rows scripts/bench lines
// up, and the census of the program. Wine gives no other process's processor time or memory counters
// (GetProcessTimes answers with the caller's own), so both are read inside the program by the stand-in
// shell's COM server (standin::Shell::TakeProgramCensus).
#include <string>
#include <string_view>
#include <vector>

#include "control/standin_control.h"

namespace bench {

double NowMs();

// The median of several runs and the lowest and highest of them: the machine's noise.
struct Spread {
    double median = 0;
    double low = 0;
    double high = 0;
};
Spread SpreadOf(std::vector<double> values);

// One row: benchmark <TAB> case <TAB> measure <TAB> value <TAB> unit.
void Row(std::string_view benchmark, std::string_view onCase, std::string_view measure, double value,
         std::string_view unit);
// The median as the value, the spread after the unit: "ms (runs 1.2 to 1.9)".
void Row(std::string_view benchmark, std::string_view onCase, std::string_view measure, const Spread& spread,
         std::string_view unit);

// The census of the program now; raises e2e::DriverError when no program has the COM server loaded.
standin::ProgramCensus Census();

// The file's size in bytes, -1 when it does not exist.
long long FileSize(const std::wstring& path);

}  // namespace bench
