#pragma once
// The closing report of a restore: which boxes, in which order, with which texts.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct RestoreCounters {
    int32_t notOpened = 0;    // the shell refused the launch
    int32_t alreadyOpen = 0;  // skipped: a window showed the folder already
    int32_t lost = 0;         // launched, but no window showed the wanted location
    int32_t noView = 0;       // shell windows without a folder view met while matching
};

// True when any counter is above 0 (a run with all of them 0 is "done").
bool AnyCounted(const RestoreCounters& counters);

// The texts the report is made of, in the character set of the caller.
struct ReportTexts {
    std::string_view done;
    std::string_view countSuffix;
    std::string_view notOpenedPrefix;
    std::string_view alreadyOpenPrefix;
    std::string_view lostPrefix;
    std::string_view lostHint;
};

// One text per box: "done" when every counter is 0; otherwise one box per counter above 0 in the order
// not opened, already open, lost. Windows without a folder view have no box of their
// own, so a run that met only those shows none.
std::vector<std::string> RestoreReportMessages(const RestoreCounters& counters, const ReportTexts& texts);
