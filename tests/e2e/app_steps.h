#pragma once
// What the main window shows of the settings, in one value that a scenario can compare and print.
#include <ostream>
#include <string>

#include "driver/pavorin_driver.h"

namespace e2e {

struct ShownSettings {
    std::string listNumber;                                   // edit 1005
    int overwriteMode, showStateMode;                         // combos 1006 and 1013
    bool reportResults, saveState, duplicateCheckOnCapture;  // check boxes 1007, 1008 and 1011
    friend bool operator==(const ShownSettings&, const ShownSettings&) = default;
};

inline void PrintTo(const ShownSettings& shown, std::ostream* out) {
    *out << "{list number \"" << shown.listNumber << "\", overwrite mode " << shown.overwriteMode
         << ", show state mode " << shown.showStateMode << ", report results " << shown.reportResults
         << ", save state " << shown.saveState << ", duplicate check " << shown.duplicateCheckOnCapture << "}";
}

inline ShownSettings SettingsShownBy(const Pavorin& app) {
    return {app.Control(id::kListNumber).Text(), app.Control(id::kOverwriteMode).ComboSelection(),
            app.Control(id::kShowStateMode).ComboSelection(), app.Control(id::kReportResults).IsChecked(),
            app.Control(id::kSaveState).IsChecked(), app.Control(id::kDuplicateCheckOnCapture).IsChecked()};
}

}  // namespace e2e
