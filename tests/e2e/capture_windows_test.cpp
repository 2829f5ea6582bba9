// The capture ("ウィンドウを取得") against the stand-in shell: which windows are recorded, in which
// order, with which numbers, and what the user is told. Every list file is compared byte for byte with
// the file built from the windows the scenario opened.
#include "shell_steps.h"

namespace e2e {
namespace {

using standin::WindowKind;
using standin::WindowSpec;

class CaptureWindows : public CaptureScenario {
protected:
    // The taskbar listing of edit 1002 for these windows, in button order after the leading button.
    std::string TaskbarListing(const std::vector<HWND>& buttons) {
        std::string listing;
        int index = 1;
        for (const HWND window : buttons) {
            for (const standin::WindowState& button : shell.Dump()) {
                if (button.hwnd != window) continue;
                const std::string number = std::to_string(index++);
                listing += (number.size() < 2 ? " " : "") + number + " " + Utf8(button.className) + ":\t" +
                           std::to_string(HandleToULong(button.hwnd)) + ":\t\t" + Utf8(button.title) + "\r\n";
            }
        }
        return listing;
    }
};

TEST_F(CaptureWindows, NoFolderWindowWritesTheTitleAndZero) {
    StartWithList("3", "空のデスク");
    Capture({Done()});
    ExpectListFile("3", "空のデスク", {});
    ExpectShownList("空のデスク", {});
}

TEST_F(CaptureWindows, RecordsFollowTheTaskbarNotTheShellList) {
    const HWND first = Open(FolderSpec(WindowKind::Folder, L"C:\\work\\alpha", {10, 20, 810, 620}, 4));
    const HWND second = Open(FolderSpec(WindowKind::Explorer, L"C:\\work\\beta", {200, 150, 1000, 700}));
    const HWND third = Open(FolderSpec(WindowKind::Folder, L"D:\\写真 2024", {50, 60, 450, 460}, 6));
    const HWND other = Open(FolderSpec(WindowKind::OtherApp, L"C:\\notes.txt"));
    ASSERT_TRUE(shell.SetFaults({.toolbarTaskbar = true}));
    ASSERT_TRUE(shell.SetTaskbarOrder({other, third, first, second}));

    StartWithList("12", "朝の作業");
    Capture({Done()});

    const std::vector<ExpectedRecord> records{RecordOf(third), RecordOf(first), RecordOf(second)};
    ExpectListFile("12", "朝の作業", records);
    ExpectShownList("朝の作業", records);
    EXPECT_EQ(Control(id::kTaskbarListing).Text(), TaskbarListing({other, third, first, second}));
}

TEST_F(CaptureWindows, ABrowserWindowIsLeftOutAndNamedInTheReport) {
    const HWND folderWindow = OpenFolder(WindowKind::Folder, L"C:\\data");
    WindowSpec page;
    page.kind = WindowKind::Browser;
    page.url = L"http://example.invalid/index.html";
    Open(page);
    const HWND explorer = OpenFolder(WindowKind::Explorer, L"E:\\");

    StartWithList("0", "");
    Capture({{capture_text::kCaptureCaption, capture_text::kBrowserNotSupported}});
    ExpectListFile("0", "", {RecordOf(folderWindow), RecordOf(explorer)});
    EXPECT_EQ(app().MainWindow().Text(), "Pavorin - ");
}

TEST_F(CaptureWindows, AVirtualFolderIsSkippedSilently) {
    WindowSpec computer;
    computer.url = L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
    Open(computer);
    const HWND documents = OpenFolder(WindowKind::Folder, L"C:\\users\\public\\documents", 3);

    StartWithList("5", "virtual");
    Capture({Done()});
    ExpectListFile("5", "virtual", {RecordOf(documents)});
}

TEST_F(CaptureWindows, PlacementsKeepNegativeNumbersAndTheMinimisedState) {
    const HWND left = Open(FolderSpec(WindowKind::Folder, L"C:\\left", {-40, -25, 600, 400}));
    WindowSpec minimised = FolderSpec(WindowKind::Explorer, L"C:\\minimised", {300, 200, 900, 700});
    minimised.showCmd = SW_SHOWMINIMIZED;
    minimised.restoreToMaximized = true;
    const HWND small = Open(minimised);

    StartWithList("7", "placement");
    Capture({Done()});
    ExpectListFile("7", "placement",
                   {RecordOf(left), RecordOf(small, WPF_RESTORETOMAXIMIZED, SW_SHOWMINIMIZED)});
}

TEST_F(CaptureWindows, AWindowWithoutATaskbarButtonIsReportedLostAndStillRecorded) {
    const HWND second = OpenFolder(WindowKind::Folder, L"C:\\second");
    WindowSpec hidden;
    hidden.kind = WindowKind::Explorer;
    hidden.path = L"C:\\hidden";
    hidden.onTaskbar = false;
    const HWND lost = Open(hidden);
    const HWND first = OpenFolder(WindowKind::Folder, L"C:\\first");
    ASSERT_TRUE(shell.SetFaults({.toolbarTaskbar = true}));
    ASSERT_TRUE(shell.SetTaskbarOrder({first, second}));

    StartWithList("9", "lost");
    Capture({{capture_text::kAlignCaption, capture_text::kLostHandle}, Done()});
    // The lost window keeps position 0 and class 0; it shares position 0 with the first button's window
    // and stays before it, as in the shell's list.
    ExpectedRecord lostRecord = RecordOf(lost);
    lostRecord.classFlag = 0;
    ExpectListFile("9", "lost", {lostRecord, RecordOf(first), RecordOf(second)});
}

// Without the taskbar's toolbar chain the order cannot be read, which is said once. The taskbar of Windows
// 7 and later has no order to read: the shell list's order is simply what a capture gives there, silently.
TEST_F(CaptureWindows, WithoutATaskbarOrderTheShellListOrderIsKept) {
    const HWND tree = OpenFolder(WindowKind::Explorer, L"C:\\tree");
    const HWND plain = OpenFolder(WindowKind::Folder, L"C:\\plain");
    ASSERT_TRUE(shell.SetTaskbarOrder({plain, tree}));
    ASSERT_TRUE(shell.SetFaults({.noTaskbarChain = true}));
    StartWithList("1", "no order");
    Capture({{capture_text::kCaptureCaption, capture_text::kTaskbarUnreadable}, Done()});
    ExpectListFile("1", "no order", {RecordOf(tree), RecordOf(plain)});
    EXPECT_EQ(Control(id::kTaskbarListing).Text(), "");

    ASSERT_TRUE(shell.SetFaults({}));
    Control(id::kListNumber).TypeOver("2");
    Control(id::kListTitle).SetText("today");
    Capture({Done()});
    ExpectListFile("2", "today", {RecordOf(tree), RecordOf(plain)});
    EXPECT_EQ(Control(id::kTaskbarListing).Text(), "");
}

// A window that Windows has arranged (snapped) is recorded where it stands, not at its size from before.
TEST_F(CaptureWindows, AnArrangedWindowIsRecordedWhereItStands) {
    WindowSpec snapped = FolderSpec(WindowKind::Folder, L"C:\\snapped", {100, 100, 740, 580}, 4);
    snapped.arranged = {0, 0, 640, 990};
    const HWND window = Open(snapped);
    const HWND floating = OpenFolder(WindowKind::Explorer, L"C:\\floating");

    StartWithList("4", "snap");
    Capture({Done()});
    ExpectedRecord record = RecordOf(window);
    record.normal = snapped.arranged;
    ExpectListFile("4", "snap", {record, RecordOf(floating)});
}

}  // namespace
}  // namespace e2e
