#include "bench_support.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "driver/wait.h"

namespace bench {

double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1e3 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

Spread SpreadOf(std::vector<double> values) {
    if (values.empty()) return {};
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.front(), values.back()};
}

void Row(std::string_view benchmark, std::string_view onCase, std::string_view measure, double value,
         std::string_view unit) {
    std::printf("%.*s\t%.*s\t%.*s\t%.2f\t%.*s\n", static_cast<int>(benchmark.size()), benchmark.data(),
                static_cast<int>(onCase.size()), onCase.data(), static_cast<int>(measure.size()), measure.data(),
                value, static_cast<int>(unit.size()), unit.data());
    std::fflush(stdout);
}

void Row(std::string_view benchmark, std::string_view onCase, std::string_view measure, const Spread& spread,
         std::string_view unit) {
    char noise[96];
    std::snprintf(noise, sizeof noise, " (runs %.2f to %.2f)", spread.low, spread.high);
    Row(benchmark, onCase, measure, spread.median, std::string(unit) + noise);
}

standin::ProgramCensus Census() {
    const std::optional<standin::ProgramCensus> census = standin::Shell::TakeProgramCensus(false);
    if (!census) throw e2e::DriverError("the program's census did not answer (no command has run yet?)");
    return *census;
}

long long FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace bench
