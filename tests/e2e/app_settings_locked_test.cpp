// Pavorin.ini held open by another program: at exit it is left as it is and nothing is said; at the start
// it counts as a file without values.
#include "app_steps.h"

namespace e2e {
namespace {

class LockedSettingsFile : public SettingsScenario {
protected:
    // Closes the program and expects it to end with 0 without showing anything on the way.
    void ExpectQuietEnd() {
        app().Close();
        WaitFor("Pavorin to end or show a message box", [&] { return !app().IsRunning() || !app().MessageBoxes().empty(); });
        if (!app().MessageBoxes().empty()) {
            const MessageBoxWindow box = app().MessageBoxes().front();
            ADD_FAILURE() << "a message box at exit: " << box.Describe();
            box.Press(box.ButtonIds().front());
        }
        EXPECT_EQ(app().WaitForExit(), 0u);
    }
};

TEST_F(LockedSettingsFile, AtExitIsLeftAloneQuietlyWithSaveStateSetOrClear) {
    const std::string saved = "-1\t4 1 1 -1 0 1 0 1 1 0 500";
    for (const bool saveState : {true, false}) {
        SCOPED_TRACE(saveState ? "1008 set" : "1008 clear");
        StartWithSettings(saved);
        Control(id::kListNumber).TypeOver("8");
        Control(id::kSaveState).SetChecked(saveState);
        {
            const FileLock held = folder.HoldOpenExclusively("Pavorin.ini");
            ExpectQuietEnd();
        }
        EXPECT_TRUE(FileHolds(folder, "Pavorin.ini", saved));
    }
}

// A file that exists but cannot be read counts as one with no values: the check boxes are cleared.
TEST_F(LockedSettingsFile, AtStartGivesDefaultsWithCheckBoxesClear) {
    folder.Write("Pavorin.ini", "-1\t4 1 1 -1 -1 1 0 1 1 0 500");
    {
        const FileLock held = folder.HoldOpenExclusively("Pavorin.ini");
        StartPavorin();
    }
    EXPECT_EQ(SettingsShownBy(app()), (ShownSettings{"0", 0, 0, false, false, false}));
    EXPECT_EQ(app().MessageBoxes().size(), 0u);
    ExpectSettingsFileAfterClosing("0\t\t4 1 1 -1 -1 1 0 1 1 0 500");
}

}  // namespace
}  // namespace e2e
