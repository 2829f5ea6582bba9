#pragma once
// A restore started from the main window. While it runs every control but button 1001 is disabled and
// no other command or dialog starts; during its record loop the caption shows the progress and 1001,
// Esc or closing the main window stops it after the window in hand.

// Button 1001: starts a restore, or stops the one whose records are being handled.
void OnRestoreButton();

// From the click on 1001 until that command has ended, its boxes included.
bool RestoreRunning();

// The main window was asked to close during a restore: the restore stops, shows no report, and the
// window closes as usual once the command has ended.
void CloseAfterRestore();
