// Pavorin.ini across runs: what check box 1008 writes at exit, what the next start shows, and how the
// file keeps the values of the last full save once 1008 has been cleared.
#include "app_steps.h"

namespace e2e {
namespace {

class SettingsFile : public SettingsScenario {};

// The whole story: save the controls as they stand at exit (the list number as typed, shown as a number),
// see them again, clear 1008 (only "0" and TAB are written over the start of the file), and find the values
// of the last full save at the next start.
TEST_F(SettingsFile, SavedValuesSurviveRestartsAndClearingSaveStateFreezesThem) {
    StartPavorin();
    Control(id::kListNumber).TypeOver("042");
    Control(id::kOverwriteMode).SelectComboItem(2);
    Control(id::kShowStateMode).SelectComboItem(1);
    Control(id::kReportResults).SetChecked(false);
    Control(id::kSaveState).SetChecked(true);
    RestartPavorin();
    EXPECT_TRUE(FileHolds(folder, "Pavorin.ini", "-1\t042 2 1 0 0 1 0 1 1 0 500"));
    EXPECT_EQ(SettingsShownBy(app()), (ShownSettings{"42", 2, 1, false, true, false}));

    Control(id::kSaveState).SetChecked(false);
    Control(id::kListNumber).TypeOver("9");
    Control(id::kOverwriteMode).SelectComboItem(0);
    Control(id::kReportResults).SetChecked(true);
    RestartPavorin();
    EXPECT_TRUE(FileHolds(folder, "Pavorin.ini", "0\t\t042 2 1 0 0 1 0 1 1 0 500"));
    EXPECT_EQ(SettingsShownBy(app()), (ShownSettings{"42", 2, 1, false, false, false}));

    ExpectSettingsFileAfterClosing("0\t\t042 2 1 0 0 1 0 1 1 0 500");
}

TEST_F(SettingsFile, MegabyteAfterTheValuesIsKeptWhenOnlySaveStateIsRecorded) {
    std::string file = "-1\t3 1 2 -1 0 1 0 1 1 0 800 ";
    while (file.size() < (1u << 20)) file += "123456789 abc,\"x\"\r\n\t";
    StartWithSettings(file);
    Control(id::kSaveState).SetChecked(false);
    ExpectSettingsFileAfterClosing("0\t" + file.substr(2));
}

// Pavorin.ini is code page 932 whatever the system's code page (e2e_other_code_page runs this under 1252).
TEST_F(SettingsFile, AFullWidthListNumberIsSavedAsItsCodePage932Bytes) {
    StartPavorin();
    Control(id::kListNumber).TypeOver("１");
    Control(id::kSaveState).SetChecked(true);
    ExpectSettingsFileAfterClosing("-1\t\x82\x50 0 0 -1 0 1 0 1 1 0 500");
}

}  // namespace
}  // namespace e2e
