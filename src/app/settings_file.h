#pragma once
// Pavorin.ini: read once while the main window is created, written once when it is destroyed.
#include "app/settings_line.h"

// Reads the settings file over the start values (the restore options as they stand, the rest at their
// defaults), sets check boxes 1007, 1008 and 1011 from it and takes over the restore options. The caller
// shows the list number and the combo selections it returns. A file that cannot be opened reads as empty.
Settings LoadSettings();
// The same reading without a window: the settings as the file holds them over the start values.
Settings ReadSettingsFile();

// With check box 1008 set, writes every value anew; with it clear, overwrites only the first two bytes with
// "0" and TAB, which keeps the values of the last full save. Failures to write go unreported.
void SaveSettings();
