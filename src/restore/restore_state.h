#pragma once
// The working state of one restore run, shared by the command and the per-record work; nothing of it
// outlives the run.
#include <cstdint>
#include <string>

#include "app/restore_options.h"
#include "capture/shell_windows.h"
#include "restore/restore_report.h"

struct RestoreState {
    RestoreOptions options;                 // as the run found them
    capture::ShellWindowList shellWindows;  // opened once per run
    int32_t knownWindowCount = 0;           // shell windows the run expects before the next launch
    std::wstring openVerb;
    std::wstring exploreVerb;
    std::wstring dummyFolderPath;  // only in duplicate-path mode
    RestoreCounters counters;
};

// An ordinal comparison of zero-terminated UTF-16 that ignores case only, as the pool and the match
// compare locations: "a01" and "a1" are different folders.
int CompareIgnoringCase(const char16_t* left, const char16_t* right);
