#pragma once
// The per-record work of a restore: launch the recorded folder minimised, wait for the shell's window
// list to grow, find the new window by its location URL and give it the recorded view mode, placement
// and show state; in duplicate-path mode the stand-by folder is launched and the matched window is
// sent on to the recorded folder.
#include <cstdint>

#include "restore/restore_state.h"
#include "textio/window_record.h"

// Updates state.knownWindowCount and state.counters.
void OpenAndPlaceRecord(RestoreState& state, const WindowRecord& record);

// The show-state mode of the run: the selection of the main window's show-state combo box, read anew
// for every matched window, or the one a run without the main window was given (restore_command.cpp).
int16_t GetShowStateMode();
