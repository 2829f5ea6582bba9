#pragma once
// The working state of one restore run, shared by the command and the per-record work; nothing of it
// outlives the run.
#include <cstdint>
#include <memory>
#include <string>

#include "capture/shell_windows.h"
#include "restore/restore_progress.h"
#include "restore/restore_report.h"
#include "restore/shell_window_events.h"
#include "ui/restore_options.h"

struct RestoreState {
    RestoreOptions options;                 // as the run found them
    capture::ShellWindowList shellWindows;  // opened once per run
    std::unique_ptr<ShellWindowEvents> windowEvents;  // its events, when it offers them
    RestoreProgress* progress = nullptr;    // sees the messages met in the waits
    bool quitMet = false;                   // a wait met WM_QUIT: the program is ending
    int32_t knownWindowCount = 0;           // shell windows the run expects before the next launch
    std::wstring openVerb;
    std::wstring exploreVerb;
    std::wstring dummyFolderPath;  // only in duplicate-path mode
    RestoreCounters counters;
};

// An ordinal comparison of zero-terminated UTF-16 that ignores case only, as the pool and the match
// compare locations: "a01" and "a1" are different folders.
int CompareIgnoringCase(const char16_t* left, const char16_t* right);
