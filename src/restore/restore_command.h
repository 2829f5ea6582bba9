#pragma once
// The restore of a list file, as button 1001 runs it and as a run from the command line does.
#include <cstdint>
#include <optional>
#include <string>

#include "restore/restore_progress.h"

// What to do with the folder windows that are open: the answers to the question the button asks.
enum class Disposal { kCancel, kAdd, kReplace };

struct RestoreRequest {
    std::wstring listNumberText;        // as the list-number box holds it
    std::optional<Disposal> disposal;  // none: ask when folder windows are open
    bool reportResults = true;         // check box 1007: the missing-file box and the closing report
    std::optional<int16_t> showStateMode;  // none: the main window's combo box, read for every window
};

enum class RestoreOutcome {
    kComplete,    // every record opened or found open already
    kIncomplete,  // some windows were not opened or were lost, or the restore was stopped
    kNotRun,      // no list, an unreadable list, or the question cancelled
};

// progress hears about the record loop and may stop it; without it the restore runs unattended.
RestoreOutcome RunRestore(const RestoreRequest& request, RestoreProgress& progress);
RestoreOutcome RunRestore(const RestoreRequest& request);

// Button 1001: the list of the list-number box, asking first, reporting as check box 1007 says; progress
// is the main window's view of the record loop and its stop.
void RestoreWindows(RestoreProgress& progress);
