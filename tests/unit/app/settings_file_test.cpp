#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "app/ui_resources.h"
#include "main_window_session.h"
#include "win32/unique_handle.h"

namespace {

const std::string kDefaultsSaved = "-1\t0 0 0 -1 0 1 0 1 1 0 500";

class SettingsFile : public ::testing::Test {
protected:
    std::string IniPath() const { return folder.PathOf("Pavorin.ini"); }
    std::string IniBytes() const { return ReadWholeFile(IniPath()); }

    // One run of the program: start, let the test act on the window, close.
    template <typename Act>
    void Run(Act act) {
        MainWindowSession session;
        ASSERT_TRUE(session.window());
        act(session);
        EXPECT_TRUE(session.Close());
    }
    void RunWithoutChanges() {
        Run([](MainWindowSession&) {});
    }

    TemporaryFolder folder;
};

TEST_F(SettingsFile, FirstRunShowsTheDefaultsAndWritesNothingWhileSaveIsClear) {
    Run([](MainWindowSession& s) {
        EXPECT_EQ(s.Text(control::kListNumber), "0");
        EXPECT_TRUE(s.IsChecked(control::kReportResults));
        EXPECT_FALSE(s.IsChecked(control::kSaveState));
        EXPECT_FALSE(s.IsChecked(control::kDuplicateCheckOnCapture));
        EXPECT_EQ(s.Selection(control::kOverwriteMode), 0);
        EXPECT_EQ(s.Selection(control::kShowStateMode), 0);
    });
    EXPECT_FALSE(FileExists(IniPath()));
}

TEST_F(SettingsFile, SaveSetWritesTheTwelveValuesExactly) {
    Run([](MainWindowSession& s) { s.SetCheck(control::kSaveState, true); });
    EXPECT_EQ(IniBytes(), kDefaultsSaved);
}

TEST_F(SettingsFile, SavedValuesComeBackAtTheNextStartAndAreWrittenFromTheControls) {
    Run([](MainWindowSession& s) {
        s.SetCheck(control::kSaveState, true);
        s.SetCheck(control::kReportResults, false);
        s.SetText(control::kListNumber, "12");
        s.Select(control::kOverwriteMode, 2);
        s.Select(control::kShowStateMode, 1);
        SetOptions({4, -1, 0, -1, -1, 750});
    });
    EXPECT_EQ(IniBytes(), "-1\t12 2 1 0 0 4 -1 0 -1 -1 750");
    Run([](MainWindowSession& s) {
        EXPECT_TRUE(s.IsChecked(control::kSaveState));
        EXPECT_FALSE(s.IsChecked(control::kReportResults));
        EXPECT_EQ(s.Text(control::kListNumber), "12");
        EXPECT_EQ(s.Selection(control::kOverwriteMode), 2);
        EXPECT_EQ(s.Selection(control::kShowStateMode), 1);
        EXPECT_EQ(Options(), (RestoreOptions{4, -1, 0, -1, -1, 750}));
    });
    EXPECT_EQ(IniBytes(), "-1\t12 2 1 0 0 4 -1 0 -1 -1 750");
}

TEST_F(SettingsFile, ClearingSaveRewritesOnlyTheFirstTwoBytesAndFreezesTheValues) {
    Run([](MainWindowSession& s) {
        s.SetCheck(control::kSaveState, true);
        s.SetText(control::kListNumber, "5");
    });
    Run([](MainWindowSession& s) {
        s.SetCheck(control::kSaveState, false);
        s.SetText(control::kListNumber, "9");
        s.Select(control::kOverwriteMode, 1);
    });
    EXPECT_EQ(IniBytes(), "0\t\t5 0 0 -1 0 1 0 1 1 0 500");
    Run([](MainWindowSession& s) {
        EXPECT_FALSE(s.IsChecked(control::kSaveState));
        EXPECT_TRUE(s.IsChecked(control::kReportResults));
        EXPECT_EQ(s.Text(control::kListNumber), "5");
        EXPECT_EQ(s.Selection(control::kOverwriteMode), 0);
    });
    EXPECT_EQ(IniBytes(), "0\t\t5 0 0 -1 0 1 0 1 1 0 500");
}

TEST_F(SettingsFile, HandWrittenShortFileIsReadInOrderAndClearsTheUnreadCheckBoxes) {
    WriteWholeFile(IniPath(), "0,3,1,2");
    Run([](MainWindowSession& s) {
        EXPECT_EQ(s.Text(control::kListNumber), "3");
        EXPECT_EQ(s.Selection(control::kOverwriteMode), 1);
        EXPECT_EQ(s.Selection(control::kShowStateMode), 2);
        EXPECT_FALSE(s.IsChecked(control::kSaveState));
        EXPECT_FALSE(s.IsChecked(control::kReportResults));
        EXPECT_FALSE(s.IsChecked(control::kDuplicateCheckOnCapture));
        EXPECT_EQ(Options(), RestoreOptions{});
    });
    EXPECT_EQ(IniBytes(), "0\t3,1,2");
}

TEST_F(SettingsFile, HexadecimalTimeoutAndUnknownSelectionsAreTakenByTheNumberRules) {
    WriteWholeFile(IniPath(), "-1\t007 -1 7 -1 &H1 2 1 0 0 -1 &H1F4");
    Run([](MainWindowSession& s) {
        EXPECT_EQ(s.Text(control::kListNumber), "7");
        EXPECT_EQ(s.Selection(control::kOverwriteMode), CB_ERR);
        EXPECT_EQ(s.Selection(control::kShowStateMode), CB_ERR);
        EXPECT_TRUE(s.IsChecked(control::kReportResults));
        EXPECT_TRUE(s.IsChecked(control::kDuplicateCheckOnCapture));
        EXPECT_EQ(Options(), (RestoreOptions{2, 1, 0, 0, -1, 500}));
    });
    EXPECT_EQ(IniBytes(), "-1\t7 -1 -1 -1 -1 2 1 0 0 -1 500");
}

TEST_F(SettingsFile, ListNumberTextIsSavedAsTheBoxHoldsIt) {
    Run([](MainWindowSession& s) {
        s.SetCheck(control::kSaveState, true);
        s.SetText(control::kListNumber, "007");
    });
    EXPECT_EQ(IniBytes(), "-1\t007 0 0 -1 0 1 0 1 1 0 500");
    Run([](MainWindowSession& s) { EXPECT_EQ(s.Text(control::kListNumber), "7"); });
}

TEST_F(SettingsFile, EmptyOrSpacedListNumberIsSavedAsItsNumberSoNothingShifts) {
    for (const std::string box : {"", " 4", "1 2"}) {
        Run([&](MainWindowSession& s) {
            s.SetCheck(control::kSaveState, true);
            s.SetText(control::kListNumber, box);
            s.Select(control::kShowStateMode, 2);
        });
        const std::string number = box.empty() ? "0" : box == " 4" ? "4" : "1";
        EXPECT_EQ(IniBytes(), "-1\t" + number + " 0 2 -1 0 1 0 1 1 0 500") << '[' << box << ']';
    }
}

// A file that exists but cannot be opened reads as empty; at exit it is left as it was.
TEST_F(SettingsFile, FileHeldOpenElsewhereClearsTheCheckBoxesAndIsNotWritten) {
    WriteWholeFile(IniPath(), kDefaultsSaved);
    win32::UniqueFile held(
        CreateFileA(IniPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    Run([](MainWindowSession& s) {
        EXPECT_FALSE(s.IsChecked(control::kSaveState));
        EXPECT_FALSE(s.IsChecked(control::kReportResults));
        EXPECT_EQ(s.Text(control::kListNumber), "0");
        s.SetCheck(control::kSaveState, true);
        s.SetText(control::kListNumber, "8");
    });
    held.reset();
    EXPECT_EQ(IniBytes(), kDefaultsSaved);
}

TEST_F(SettingsFile, EmptyFileClearsReportResultsAndIsMarkedAtExit) {
    WriteWholeFile(IniPath(), "");
    Run([](MainWindowSession& s) {
        EXPECT_FALSE(s.IsChecked(control::kReportResults));
        EXPECT_EQ(s.Text(control::kListNumber), "0");
    });
    EXPECT_EQ(IniBytes(), "0\t");
}

}  // namespace
