// The restore against a shell that behaves as Windows 7 and later do (and as XP did where told): every
// successful launch answers 42, a list file may name something other than a folder, and folder names
// that sort alike ("a1", "a01") are different folders.
#include "restore_steps.h"

namespace e2e {
namespace {

using standin::WindowKind;

constexpr RECT kLeft{10, 20, 810, 620};
constexpr RECT kRight{200, 150, 1000, 700};
constexpr RECT kSmall{50, 60, 450, 460};

struct LaunchAnswer {
    const char* name;
    bool xp;  // 33 as XP answered folders, else 42
};
void PrintTo(const LaunchAnswer& answer, std::ostream* out) { *out << answer.name; }

class RestoreOnTodaysWindows : public RestoreScenario {};
class EveryLaunchAnswer : public RestoreScenario, public ::testing::WithParamInterface<LaunchAnswer> {};

// Any answer above 32 is a success: each folder is launched once and nothing is reported.
TEST_P(EveryLaunchAnswer, EachFolderIsLaunchedOnceAndPlaced) {
    ASSERT_TRUE(shell.SetFaults({.xpLaunchAnswer = GetParam().xp}));
    const std::vector<ExpectedRecord> records{
        Record(MakeFolder("alpha"), WindowKind::Folder, kLeft, SW_SHOWNORMAL, 4),
        Record(MakeFolder("beta"), WindowKind::Explorer, kRight, SW_SHOWMAXIMIZED, 6),
    };
    StartWithList(records);
    standin::Shell::ResetUsage();

    Restore({Done()});

    ExpectDesktop({AsRecorded(records[0]), AsRecorded(records[1])});
    EXPECT_EQ(standin::Shell::Usage().launches, 2);
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryLaunchAnswer,
                         ::testing::Values(LaunchAnswer{"Windows7AndLater", false}, LaunchAnswer{"XP", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A program and a document named by a list are neither launched nor run; only the folder opens.
TEST_F(RestoreOnTodaysWindows, OnlyAnExistingFolderIsLaunched) {
    const std::wstring marker = folder.PathOf("ran.txt");
    folder.Write("setup.bat", "echo ran> \"" + Utf8(marker) + "\"\r\n");
    folder.Write("notes.txt", "a document");
    const std::vector<ExpectedRecord> records{
        Record(folder.PathOf("setup.bat"), WindowKind::Folder, kLeft),
        Record(folder.PathOf("notes.txt"), WindowKind::Explorer, kSmall),
        Record(MakeFolder("here"), WindowKind::Folder, kRight, SW_SHOWNORMAL, 4),
    };
    StartWithList(records);
    standin::Shell::ResetUsage();

    Restore({Counted(restore_text::kNotOpened, 2)});

    ExpectDesktop({AsRecorded(records[2])});
    EXPECT_EQ(standin::Shell::Usage().launches, 1);
    EXPECT_FALSE(folder.Exists("ran.txt"));
}

// "a01" is open: answered No, the record of "a1" still opens and only the record of "a01" is skipped.
TEST_F(RestoreOnTodaysWindows, FoldersThatSortAlikeAreDifferentFolders) {
    const ExpectedRecord open = Record(MakeFolder("a01"), WindowKind::Folder, kSmall, SW_SHOWNORMAL, 2);
    OpenWindow(open);
    const std::vector<ExpectedRecord> records{
        Record(MakeFolder("a1"), WindowKind::Folder, kLeft, SW_SHOWNORMAL, 4),
        Record(open.path, WindowKind::Explorer, kRight, SW_SHOWNORMAL, 6),
    };
    StartWithList(records);

    Restore({Question(IDNO), Counted(restore_text::kAlreadyOpen, 1)});

    ExpectDesktop({AsRecorded(open), AsRecorded(records[0])});
}

}  // namespace
}  // namespace e2e
