// The restore ("ウィンドウを反映") against the stand-in shell: which folders are launched, what happens to
// the windows that are open already, and what the user is told. Every scenario ends by comparing every
// window of the shell (path, class, normal rectangle, show state, view mode) with what it must be. The
// shell behaves as Windows 7 and later do (and as XP did where told): every successful launch answers 42,
// a list file may name something other than a folder, and folder names that sort alike are different.
#include "shell_steps.h"

namespace e2e {
namespace {

using standin::WindowKind;

class RestoreWindows : public RestoreScenario {};

TEST_F(RestoreWindows, IntoAnEmptyDesktopEveryRecordOpensAsCaptured) {
    const std::vector<ExpectedRecord> records{
        Record(MakeFolder("alpha"), WindowKind::Folder, kLeft, SW_SHOWNORMAL, 4),
        Record(MakeFolder("beta"), WindowKind::Explorer, kRight, SW_SHOWMAXIMIZED, 6),
        Record(MakeFolder("写真 2024"), WindowKind::Folder, kSmall, SW_SHOWMINIMIZED, 3),
        Record(MakeFolder("delta"), WindowKind::Explorer, kWide, SW_SHOWMINIMIZED, 2, WPF_RESTORETOMAXIMIZED),
    };
    StartWithList(records);
    Control(id::kListTitle).TypeOver("before");
    standin::Shell::ResetUsage();

    Restore({Done()});

    ExpectDesktop({AsRecorded(records[0]), AsRecorded(records[1]), AsRecorded(records[2]), AsRecorded(records[3])});
    EXPECT_EQ(standin::Shell::Usage().launches, 4) << "each launch answers 42, a success: none is tried again";
    EXPECT_EQ(Control(id::kListTitle).Text(), "restore");
}

TEST_F(RestoreWindows, YesClosesTheOpenFolderWindowsAndOpensEveryRecord) {
    const std::vector<ExpectedRecord> records{
        Record(MakeFolder("alpha"), WindowKind::Folder, kLeft, SW_SHOWNORMAL, 4),
        Record(MakeFolder("beta"), WindowKind::Explorer, kRight, SW_SHOWNORMAL, 6),
    };
    OpenWindow(records[0]);  // already showing a recorded folder: replaced all the same
    OpenWindow(Record(MakeFolder("other"), WindowKind::Explorer, kSmall));
    StartWithList(records);

    Restore({Question(IDYES), Done()});

    ExpectDesktop({AsRecorded(records[0]), AsRecorded(records[1])});
}

TEST_F(RestoreWindows, NoKeepsTheOpenWindowsAndSkipsAsManyRecordsAsWindowsShowTheirFolder) {
    const std::wstring alpha = MakeFolder("alpha");
    const ExpectedRecord firstOpen = Record(alpha, WindowKind::Folder, kSmall, SW_SHOWNORMAL, 2);
    const ExpectedRecord secondOpen = Record(alpha, WindowKind::Explorer, kWide, SW_SHOWNORMAL, 3);
    OpenWindow(firstOpen);
    OpenWindow(secondOpen);
    const std::vector<ExpectedRecord> records{
        Record(alpha, WindowKind::Folder, kLeft, SW_SHOWNORMAL, 4),
        Record(alpha, WindowKind::Folder, kRight, SW_SHOWNORMAL, 5),
        Record(alpha, WindowKind::Explorer, kRight, SW_SHOWMAXIMIZED, 6),
        Record(MakeFolder("beta"), WindowKind::Folder, kLeft, SW_SHOWNORMAL, 1),
    };
    StartWithList(records);

    Restore({Question(IDNO), Counted(restore_text::kAlreadyOpen, 2)});

    ExpectDesktop({AsRecorded(firstOpen), AsRecorded(secondOpen), AsRecorded(records[2]), AsRecorded(records[3])});
}

TEST_F(RestoreWindows, CancelLeavesTheDesktopAndTheTitleAlone) {
    const ExpectedRecord open = Record(MakeFolder("alpha"), WindowKind::Explorer, kSmall, SW_SHOWMAXIMIZED, 2);
    OpenWindow(open);
    StartWithList({Record(MakeFolder("beta"), WindowKind::Folder, kLeft)});
    Control(id::kListTitle).TypeOver("mine");

    Restore({Question(IDCANCEL)});

    ExpectDesktop({AsRecorded(open)});
    EXPECT_EQ(Control(id::kListTitle).Text(), "mine");
}

TEST_F(RestoreWindows, AFolderThatNoLongerExistsIsNotOpened) {
    const std::vector<ExpectedRecord> records{
        Record(folder.PathOf("gone"), WindowKind::Folder, kLeft),
        Record(MakeFolder("here"), WindowKind::Explorer, kRight, SW_SHOWNORMAL, 4),
    };
    StartWithList(records);

    Restore({Counted(restore_text::kNotOpened, 1)});

    ExpectDesktop({AsRecorded(records[1])});
}

// The shell brings the window up only after the restore has stopped waiting for it: the restore loses
// it, says so with its hint, and the window stays where the shell put it, minimised as it was launched.
// (A time-out of 0 looks once: app_command_line_test.cpp loses a slow window that way.)
TEST_F(RestoreWindows, AShellSlowerThanTheTimeOutLosesTheWindowAndSuggestsALongerOne) {
    const ExpectedRecord record = Record(MakeFolder("late"), WindowKind::Explorer, kLeft, SW_SHOWNORMAL, 4);
    ASSERT_TRUE(shell.SetLaunchDelay(1500));
    StartWithList({record}, {.timeoutMs = 300});

    Restore({Counted(restore_text::kLost, 1, restore_text::kLostHint)});

    WaitForWindowCount(1);
    ExpectDesktop({{record.path, WindowKind::Explorer, ShellPlace(0), SW_SHOWMINIMIZED, false, 1}});
}

// A browser window met while matching is counted, but that count has no box of its own: here a launch
// brings no window up, the search passes the browser and finds a folder window that would not close.
TEST_F(RestoreWindows, ABrowserWindowMetWhileMatchingShowsNoBox) {
    const ExpectedRecord record = Record(MakeFolder("alpha"), WindowKind::Folder, kLeft, SW_SHOWNORMAL, 4);
    OpenWindow(Record(record.path, WindowKind::Folder, kSmall, SW_SHOWMINIMIZED, 2), standin::CloseResponse::Ignore);
    standin::WindowSpec page;
    page.kind = WindowKind::Browser;
    page.url = L"http://example.invalid/index.html";
    ASSERT_TRUE(shell.Open(page));
    standin::Faults faults;
    faults.launchesFail = true;
    ASSERT_TRUE(shell.SetFaults(faults));
    StartWithList({record}, {.timeoutMs = 300});

    Restore({Question(IDYES)});

    ExpectDesktop({AsRecorded(record), {L"", WindowKind::Browser, page.normal, SW_SHOWNORMAL, false, 0}});
}

TEST_F(RestoreWindows, AMissingListFileIsAWarning) {
    StartPavorin();
    Control(id::kListNumber).TypeOver("4");
    Restore({{restore_text::kFileErrorCaption, restore_text::kNoFile, true}});
    ExpectDesktop({});
}

// Held open elsewhere, the list cannot be read: the command says so and ends before it asks or closes
// anything, and the program goes on.
TEST_F(RestoreWindows, AListFileThatCannotBeOpenedEndsTheCommandWithAFileError) {
    const ExpectedRecord open = Record(MakeFolder("alpha"), WindowKind::Folder, kSmall);
    OpenWindow(open);
    StartWithList({Record(MakeFolder("beta"), WindowKind::Folder, kLeft)}, {.reportResults = false});
    const FileLock lock = folder.HoldOpenExclusively("lists1.txt");

    Restore({{restore_text::kFileErrorCaption, restore_text::kUnreadable, true}});

    ExpectDesktop({AsRecorded(open)});
    EXPECT_TRUE(app().IsRunning());
}

// A program and a document named by a list are neither launched nor run; only the folder opens.
TEST_F(RestoreWindows, OnlyAnExistingFolderIsLaunched) {
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
TEST_F(RestoreWindows, FoldersThatSortAlikeAreDifferentFolders) {
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
