#pragma once
// What the main window shows of the settings, in one value that a scenario can compare and print.
#include <ostream>
#include <string>

#include "driver/pavorin_driver.h"

namespace e2e {

struct ShownSettings {
    std::string listNumber;  // edit 1005
    int overwriteMode;       // combo 1006
    int showStateMode;       // combo 1013
    bool reportResults;      // check box 1007
    bool saveState;          // check box 1008
    bool duplicateCheckOnCapture;  // check box 1011
    friend bool operator==(const ShownSettings&, const ShownSettings&) = default;
};

inline void PrintTo(const ShownSettings& shown, std::ostream* out) {
    *out << "{list number \"" << shown.listNumber << "\", overwrite mode " << shown.overwriteMode
         << ", show state mode " << shown.showStateMode << ", report results " << shown.reportResults
         << ", save state " << shown.saveState << ", duplicate check " << shown.duplicateCheckOnCapture << "}";
}

inline ShownSettings SettingsShownBy(const Pavorin& app) {
    return {app.Control(id::kListNumber).Text(),
            app.Control(id::kOverwriteMode).ComboSelection(),
            app.Control(id::kShowStateMode).ComboSelection(),
            app.Control(id::kReportResults).IsChecked(),
            app.Control(id::kSaveState).IsChecked(),
            app.Control(id::kDuplicateCheckOnCapture).IsChecked()};
}

// The file written at exit when 1008 is the only thing the user changed.
inline constexpr const char* kDefaultsSaved = "-1\t0 0 0 -1 0 1 0 1 1 0 500";

// Scenarios about Pavorin.ini: start on a given file, end and look at what is left.
class SettingsScenario : public PavorinScenario {
protected:
    void StartWithSettings(std::string_view bytes) {
        folder.Write("Pavorin.ini", bytes);
        StartPavorin();
    }

    // Closes the program, which must end with 0, and compares Pavorin.ini byte for byte.
    void ExpectSettingsFileAfterClosing(std::string_view bytes) {
        EXPECT_EQ(ClosePavorin(), 0u);
        EXPECT_TRUE(FileHolds(folder, "Pavorin.ini", bytes));
    }
};

}  // namespace e2e
