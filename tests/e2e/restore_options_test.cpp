// The restore options against the stand-in shell: the class a folder opens with, the show state the
// windows end in, what is applied when, and the stand-by folder of duplicate-path mode.
#include "restore_steps.h"

namespace e2e {
namespace {

using standin::WindowKind;

class RestoreOptions : public RestoreScenario {
protected:
    // A plain folder window, an Explorer window captured maximised and one captured minimised.
    void MakeRecords() {
        records = {
            Record(MakeFolder("plain"), WindowKind::Folder, kLeft, SW_SHOWNORMAL, 4),
            Record(MakeFolder("big"), WindowKind::Explorer, kRight, SW_SHOWMAXIMIZED, 6),
            Record(MakeFolder("small"), WindowKind::Folder, kSmall, SW_SHOWMINIMIZED, 3),
        };
    }
    // The records as restored, each with the show state given here (and its class changed when asked).
    std::vector<ExpectedWindow> Restored(std::vector<int> showCmds, std::vector<bool> restoresToMaximized) const {
        std::vector<ExpectedWindow> windows;
        for (size_t i = 0; i < records.size(); ++i) {
            ExpectedWindow window = AsRecorded(records[i]);
            window.showCmd = showCmds[i];
            window.restoresToMaximized = restoresToMaximized[i];
            windows.push_back(window);
        }
        return windows;
    }
    std::vector<ExpectedWindow> OfKind(std::vector<ExpectedWindow> windows, WindowKind kind) const {
        for (ExpectedWindow& window : windows) window.kind = kind;
        return windows;
    }

    static constexpr RECT kLeft{10, 20, 810, 620};
    static constexpr RECT kRight{200, 150, 1000, 700};
    static constexpr RECT kSmall{50, 60, 450, 460};
    std::vector<ExpectedRecord> records;
};

constexpr int kNormal = SW_SHOWNORMAL, kMinimized = SW_SHOWMINIMIZED, kMaximized = SW_SHOWMAXIMIZED;

TEST_F(RestoreOptions, OpenMethodTwoOpensEveryFolderAsAPlainFolderWindow) {
    MakeRecords();
    StartWithList(records, {.openMethod = 2});
    Restore({Done()});
    ExpectDesktop(OfKind(Restored({kNormal, kMaximized, kMinimized}, {false, false, false}), WindowKind::Folder));
}

TEST_F(RestoreOptions, OpenMethodFourOpensEveryFolderWithTheFolderTree) {
    MakeRecords();
    StartWithList(records, {.openMethod = 4});
    Restore({Done()});
    ExpectDesktop(OfKind(Restored({kNormal, kMaximized, kMinimized}, {false, false, false}), WindowKind::Explorer));
}

TEST_F(RestoreOptions, MinimiseAllMinimisesEveryWindowAndAMaximisedOneRestoresMaximised) {
    MakeRecords();
    StartWithList(records, {.showStateMode = 1});
    Restore({Done()});
    ExpectDesktop(Restored({kMinimized, kMinimized, kMinimized}, {false, true, false}));
}

TEST_F(RestoreOptions, CancelMinimisingShowsEveryWindowNotCapturedMaximisedNormally) {
    MakeRecords();
    StartWithList(records, {.showStateMode = 2});
    Restore({Done()});
    ExpectDesktop(Restored({kNormal, kMaximized, kNormal}, {false, false, false}));
}

TEST_F(RestoreOptions, UnmaximiseShowsTheMaximisedWindowNormallyInEveryMode) {
    MakeRecords();
    StartWithList(records, {.showStateMode = 2, .unmaximize = true});
    Restore({Done()});
    ExpectDesktop(Restored({kNormal, kNormal, kNormal}, {false, false, false}));
}

TEST_F(RestoreOptions, UnmaximiseWithMinimiseAllShowsEveryWindowNormally) {
    MakeRecords();
    StartWithList(records, {.showStateMode = 1, .unmaximize = true});
    Restore({Done()});
    ExpectDesktop(Restored({kNormal, kNormal, kNormal}, {false, false, false}));
}

// Nothing to apply: the folders are launched and waited for but not matched, so nothing is lost either.
TEST_F(RestoreOptions, WithBothApplyOptionsOffTheWindowsStayAsTheShellOpenedThem) {
    MakeRecords();
    StartWithList(records, {.applyPlacement = false, .applyViewMode = false});
    Restore({Done()});
    ExpectDesktop({{records[0].path, WindowKind::Folder, ShellPlace(0), kMinimized, false, 1},
                   {records[1].path, WindowKind::Explorer, ShellPlace(1), kMinimized, false, 1},
                   {records[2].path, WindowKind::Folder, ShellPlace(2), kMinimized, false, 1}});
}

TEST_F(RestoreOptions, WithOnlyTheViewModeTheWindowsKeepTheShellsPlaceButTakeTheirShowState) {
    MakeRecords();
    StartWithList(records, {.applyPlacement = false});
    Restore({Done()});
    std::vector<ExpectedWindow> expected = Restored({kNormal, kMaximized, kMinimized}, {false, false, false});
    for (int i = 0; i < 3; ++i) expected[i].normal = ShellPlace(i);
    ExpectDesktop(expected);
}

// Each record launches the stand-by folder, so two records of one folder get a window each; the newest
// window showing the stand-by folder is placed and sent on to the recorded folder.
TEST_F(RestoreOptions, DuplicatePathModeOpensOneWindowPerRecordOfTheSameFolder) {
    const std::wstring shared = MakeFolder("shared");
    records = {
        Record(shared, WindowKind::Folder, kLeft, SW_SHOWNORMAL, 4),
        Record(shared, WindowKind::Explorer, kRight, SW_SHOWMAXIMIZED, 6),
    };
    StartWithList(records, {.duplicatePathMode = true});
    Restore({Done()});
    ExpectDesktop({AsRecorded(records[0]), AsRecorded(records[1])});

    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    const DWORD attributes = GetFileAttributesW((std::wstring(temp) + L"dummy").c_str());
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// With nothing else to apply the windows are still sent on: left on the stand-by folder, they would show
// the wrong folder.
TEST_F(RestoreOptions, DuplicatePathModeSendsTheWindowsOnEvenWithNothingToApply) {
    MakeRecords();
    records.pop_back();
    StartWithList(records, {.duplicatePathMode = true, .applyPlacement = false, .applyViewMode = false});
    Restore({Done()});
    ExpectDesktop({{records[0].path, WindowKind::Folder, ShellPlace(0), kMinimized, false, 1},
                   {records[1].path, WindowKind::Explorer, ShellPlace(1), kMinimized, false, 1}});
}

}  // namespace
}  // namespace e2e
