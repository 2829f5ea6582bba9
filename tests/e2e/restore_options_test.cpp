// The restore options against the stand-in shell: the class a folder opens with, the show state the
// windows end in, what is applied when, and the stand-by folder of duplicate-path mode.
#include "shell_steps.h"

namespace e2e {
namespace {

using standin::WindowKind;

constexpr int kNormal = SW_SHOWNORMAL, kMinimized = SW_SHOWMINIMIZED, kMaximized = SW_SHOWMAXIMIZED;

// One way of restoring a plain folder window, an Explorer window captured maximised and a folder window
// captured minimised, and how the three windows must end.
struct OptionsCase {
    const char* name;
    RestoreSettings settings;
    std::vector<int> showCmds;
    std::vector<bool> restoresToMaximized = {};  // none when empty
    int kind = -1;             // every window of this WindowKind, or each as recorded
    bool shellPlaces = false;  // left where the shell put them (no placement applied)
};
void PrintTo(const OptionsCase& c, std::ostream* out) { *out << c.name; }

const OptionsCase kCases[] = {
    {"OpenMethodTwoOpensPlainFolderWindows", {.openMethod = 2}, {kNormal, kMaximized, kMinimized}, {}, 0},
    {"OpenMethodFourOpensWindowsWithTheFolderTree", {.openMethod = 4}, {kNormal, kMaximized, kMinimized}, {}, 1},
    {"MinimiseAllAndTheMaximisedOneRestoresMaximised", {.showStateMode = 1}, {kMinimized, kMinimized, kMinimized},
     {false, true, false}},
    {"CancelMinimisingShowsTheOthersNormally", {.showStateMode = 2}, {kNormal, kMaximized, kNormal}},
    {"UnmaximiseWithCancelMinimising", {.showStateMode = 2, .unmaximize = true}, {kNormal, kNormal, kNormal}},
    {"UnmaximiseWithMinimiseAll", {.showStateMode = 1, .unmaximize = true}, {kNormal, kNormal, kNormal}},
    // Nothing to apply: the folders are launched and waited for but not matched, so nothing is lost either.
    {"NothingAppliedLeavesTheShellsWindows", {.applyPlacement = false, .applyViewMode = false},
     {kMinimized, kMinimized, kMinimized}, {}, -1, true},
    {"OnlyTheViewModeKeepsTheShellsPlaceButTakesTheShowState", {.applyPlacement = false},
     {kNormal, kMaximized, kMinimized}, {}, -1, true},
};

class RestoreOptions : public RestoreScenario, public ::testing::WithParamInterface<OptionsCase> {};

TEST_P(RestoreOptions, EndWithTheWindowsTheOptionsAskFor) {
    const OptionsCase& c = GetParam();
    const std::vector<ExpectedRecord> records = {
        Record(MakeFolder("plain"), WindowKind::Folder, kLeft, kNormal, 4),
        Record(MakeFolder("big"), WindowKind::Explorer, kRight, kMaximized, 6),
        Record(MakeFolder("small"), WindowKind::Folder, kSmall, kMinimized, 3),
    };
    StartWithList(records, c.settings);
    Restore({Done()});
    std::vector<ExpectedWindow> expected;
    for (int i = 0; i < 3; ++i) {
        ExpectedWindow window = AsRecorded(records[i]);
        window.showCmd = c.showCmds[i];
        window.restoresToMaximized = i < static_cast<int>(c.restoresToMaximized.size()) && c.restoresToMaximized[i];
        if (c.kind >= 0) window.kind = static_cast<WindowKind>(c.kind);
        if (c.shellPlaces) window.normal = ShellPlace(i);
        if (!c.settings.applyViewMode) window.viewMode = 1;
        expected.push_back(window);
    }
    ExpectDesktop(expected);
}

INSTANTIATE_TEST_SUITE_P(Options, RestoreOptions, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<OptionsCase>& info) { return std::string(info.param.name); });

// Each record launches the stand-by folder (made afresh when missing), so two records of one folder get a
// window each; the newest window showing the stand-by folder is placed and sent on to the recorded folder.
// With nothing else to apply the windows are still sent on: left on the stand-by folder, they would show
// the wrong folder.
class DuplicatePathMode : public RestoreScenario {};

TEST_F(DuplicatePathMode, OpensOneWindowPerRecordOfTheSameFolderThroughAFreshStandByFolder) {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    const std::wstring standBy = std::wstring(temp) + L"dummy";
    RemoveDirectoryW(standBy.c_str());
    ASSERT_EQ(GetFileAttributesW(standBy.c_str()), INVALID_FILE_ATTRIBUTES) << "the stand-by folder is gone";
    const std::wstring shared = MakeFolder("shared");
    const std::vector<ExpectedRecord> records = {
        Record(shared, WindowKind::Folder, kLeft, kNormal, 4),
        Record(shared, WindowKind::Explorer, kRight, kMaximized, 6),
    };
    StartWithList(records, {.duplicatePathMode = true});
    Restore({Done()});
    ExpectDesktop({AsRecorded(records[0]), AsRecorded(records[1])});
    const DWORD attributes = GetFileAttributesW(standBy.c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
}

TEST_F(DuplicatePathMode, SendsTheWindowsOnEvenWithNothingToApply) {
    const std::wstring plain = MakeFolder("plain"), big = MakeFolder("big");
    StartWithList({Record(plain, WindowKind::Folder, kLeft, kNormal, 4), Record(big, WindowKind::Explorer, kRight, kMaximized, 6)},
                  {.duplicatePathMode = true, .applyPlacement = false, .applyViewMode = false});
    Restore({Done()});
    ExpectDesktop({{plain, WindowKind::Folder, ShellPlace(0), kMinimized, false, 1},
                   {big, WindowKind::Explorer, ShellPlace(1), kMinimized, false, 1}});
}

}  // namespace
}  // namespace e2e
