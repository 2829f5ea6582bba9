// The capture against a shell that fails it: the window list cannot be created, an entry cannot be
// fetched, a folder window offers no folder view, a window closes between the count and its entry. The
// program goes on, says what it could do, and never puts a snapshot of a broken shell over a good one.
// (A taskbar without its toolbar chain, and windows without a taskbar button, have scenarios beside the
// capture's own.)
#include "restore_steps.h"

namespace e2e {
namespace {

using standin::WindowKind;

// Always overwrite: the question would otherwise stand between the click and the shell.
constexpr char kOverwriteSettings[] = "0\t1 1 0 -1 0 1 0 1 1 0 500";
constexpr char kShellUnusableText[] = "ウィンドウの一覧を取得できませんでした\n保存できませんでした";

class ShellFaultsOnCapture : public CaptureScenario {
protected:
    void SetUp() override {
        CaptureScenario::SetUp();
        alpha = OpenFolder(WindowKind::Folder, L"C:\\work\\alpha", 4);
        beta = OpenFolder(WindowKind::Explorer, L"C:\\work\\beta", 3);
        gamma = OpenFolder(WindowKind::Folder, L"D:\\写真", 6);
        folder.Write("Pavorin.ini", kOverwriteSettings);
    }
    void StartTitled() {
        StartPavorin();
        Control(id::kListTitle).SetText("故障");
    }

    HWND alpha = nullptr, beta = nullptr, gamma = nullptr;
};

TEST_F(ShellFaultsOnCapture, AWindowListThatCannotBeCreatedLeavesTheSavedListAlone) {
    const std::string saved = Utf16File("earlier\r\n0\r\n");
    folder.Write("lists1.txt", saved);
    ASSERT_TRUE(shell.SetFaults({.listCreationFails = true}));
    StartTitled();

    Capture({{capture_text::kCaptureCaption, kShellUnusableText, true}});

    EXPECT_TRUE(FileHolds(folder, "lists1.txt", saved));
    EXPECT_TRUE(app().IsRunning());
    ASSERT_TRUE(shell.SetFaults({}));
    Capture({Done()});
    ExpectListFile("1", "故障", {RecordOf(alpha), RecordOf(beta), RecordOf(gamma)});
}

TEST_F(ShellFaultsOnCapture, AnEntryThatCannotBeFetchedIsLeftOutSilently) {
    ASSERT_TRUE(shell.SetFaults({.failingItems = {1}}));
    StartTitled();
    Capture({Done()});
    ExpectListFile("1", "故障", {RecordOf(alpha), RecordOf(gamma)});
    ExpectShownList("故障", {RecordOf(alpha), RecordOf(gamma)});
}

TEST_F(ShellFaultsOnCapture, AFolderWindowWithoutAFolderViewIsLeftOutLikeABrowser) {
    ASSERT_TRUE(shell.SetFaults({.noFolderView = {gamma}}));
    StartTitled();
    Capture({{capture_text::kCaptureCaption, capture_text::kBrowserNotSupported}});
    ExpectListFile("1", "故障", {RecordOf(alpha), RecordOf(beta)});
}

TEST_F(ShellFaultsOnCapture, AWindowClosingBetweenTheCountAndItsEntryIsLeftOut) {
    ASSERT_TRUE(shell.SetFaults({.vanishAfterNextCount = alpha}));
    StartTitled();
    const ExpectedRecord second = RecordOf(beta), third = RecordOf(gamma);
    Capture({Done()});
    EXPECT_FALSE(IsWindow(alpha));
    ExpectListFile("1", "故障", {second, third});
}

}  // namespace
}  // namespace e2e
