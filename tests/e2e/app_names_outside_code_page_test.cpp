// Names the system's code page lacks: started in a folder "Übersicht" with a list title "한국어" (neither Ü
// nor Hangul is in code page 932), the program keeps its list and Pavorin.ini in that folder, the restore
// finds the list, and the title comes back whole in the preview and in the next capture.
#include "shell_steps.h"

namespace e2e {
namespace {

constexpr char kCurrentFolder[] = "Übersicht";
constexpr char kTitle[] = "한국어";

class NamesOutsideTheCodePage : public RestoreScenario {};

TEST_F(NamesOutsideTheCodePage, ListSettingsAndTitleSurviveCaptureRestartRestoreAndCaptureAgain) {
    const std::string inside = std::string(kCurrentFolder) + "\\";
    const ExpectedRecord record = Record(MakeFolder("Ärger"), standin::WindowKind::Folder, {100, 100, 740, 580});
    const HWND window = OpenWindow(record);
    MakeFolder(kCurrentFolder);
    StartInside(kCurrentFolder);
    StartPavorin();
    Control(id::kListNumber).TypeOver("1");
    Control(id::kListTitle).SetText(kTitle);
    Control(id::kSaveState).SetChecked(true);
    const ExpectedBox captured{capture_text::kCaptureCaption, capture_text::kDone};
    Capture({captured});
    const std::string list = Utf16File(ListFileText(kTitle, {record}));
    EXPECT_TRUE(FileHolds(folder, inside + "lists1.txt", list));

    RestartPavorin();
    EXPECT_TRUE(FileHolds(folder, inside + "Pavorin.ini", "-1\t1 0 0 -1 0 1 0 1 1 0 500"));
    EXPECT_EQ(Control(id::kListTitle).Text(), kTitle);
    EXPECT_EQ(app().MainWindow().Text(), "Pavorin - " + std::string(kTitle));
    ASSERT_TRUE(shell.Close(window));
    Restore({Done()});
    ExpectDesktop({AsRecorded(record)});

    Capture({{capture_text::kOverwriteCaption, capture_text::kOverwriteQuestion, true, IDOK}, captured});
    EXPECT_TRUE(FileHolds(folder, inside + "lists1.txt", list));
}

}  // namespace
}  // namespace e2e
