#pragma once
// The one line of Pavorin.ini: twelve values, written by the program and also accepted when written by hand.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/restore_options.h"

// The twelve values in file order. Booleans are non-zero for on; the program writes -1 for a set check box.
struct Settings {
    int32_t saveState = 0;
    // The list-number box's text as the file holds it, in code page 932. The reader puts here the number it
    // read, written as text (so a saved 007 comes back as 7).
    std::string listNumber = "0";
    int32_t overwriteMode = 0;  // combo item index, -1 for no selection
    int32_t showStateMode = 0;
    int32_t reportResults = 1;
    int32_t duplicateCheckOnCapture = 0;
    RestoreOptions options;

    bool operator==(const Settings&) const = default;
};

constexpr std::size_t kSettingsValueCount = 12;

// Value 1, a TAB, values 2 to 12 with single spaces; no line end.
// A list-number text that would not read back as one field (empty, or holding a blank, comma, quote or
// line break) is written as the number it stands for, so that the values after it never shift.
std::string WriteSettingsLine(const Settings& settings);

// The fields of the file, at most maxFields of them, by the reader's rules: blanks before a field are
// skipped; a field ends at a space, TAB, comma, LF, NUL, CR LF or the end; quotes shield blanks and commas;
// the end of the text where a field should begin ends the reading.
std::vector<std::string> SplitSettingsFields(std::string_view text, std::size_t maxFields = kSettingsValueCount);

struct SettingsRead {
    Settings settings;
    std::size_t valuesRead = 0;
};

// Reads the file's values over current. The three check-box values start at 0, so a file too short to hold
// one of them clears it; every other value not in the file keeps what current holds.
SettingsRead ReadSettingsLine(std::string_view text, const Settings& current);
